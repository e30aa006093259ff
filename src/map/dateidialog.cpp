#include "map/dateidialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QStringList>

namespace dateidialog {

namespace {
Hook g_hook;

// The texts of "Text (*.a)|*.a|...", each carrying its pattern in brackets.
QStringList typTexte(const QString &filter)
{
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList texte;
    for (int i = 0; i + 1 < teile.size(); i += 2)
        texte << teile[i];
    return texte;
}
} // namespace

QString dialogFilter(const QString &filter)
{
    // The dialog writes "every file" as "*": "*.*" would want a dot.
    return typTexte(filter).join(QStringLiteral(";;")).replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
}

void setHook(Hook hook) { g_hook = std::move(hook); }

QString zeigen(QWidget *eltern, const Frage &frage)
{
    if (g_hook)
        return g_hook(frage);
    QFileDialog d(eltern, frage.titel, frage.name, dialogFilter(frage.filter));
    // The list of file types shows each type's own text, "(*.*)" included.
    const QStringList texte = typTexte(frage.filter);
    if (auto *typen = d.findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < typen->count() && i < texte.size(); ++i)
            typen->setItemText(i, texte[i]);
    d.setAcceptMode(frage.speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(frage.speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix(frage.endung);
    // The caller asks before a file is replaced.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog speaks German like the rest of the program.
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    d.setLabelText(QFileDialog::Accept, frage.speichern ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (!frage.name.isEmpty())
        d.selectFile(frage.name);
    if (d.exec() != QDialog::Accepted)
        return {};
    return d.selectedFiles().value(0);
}

} // namespace dateidialog
