#include "map/dateidialog.h"

#include <QFileDialog>
#include <QStringList>

namespace dateidialog {

namespace {
Hook g_hook;

// "Text (*.a)|*.a|..." to the dialog's "Text (*.a);;...": the text of each
// pair carries its pattern in brackets already. "*.*" means every file,
// one without a dot too, which the dialog writes "*".
QString qtFilter(const QString &filter)
{
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList texte;
    for (int i = 0; i + 1 < teile.size(); i += 2)
        texte << QString(teile[i]).replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return texte.join(QStringLiteral(";;"));
}
} // namespace

void setHook(Hook hook) { g_hook = std::move(hook); }

QString zeigen(QWidget *eltern, const Frage &frage)
{
    if (g_hook)
        return g_hook(frage);
    QFileDialog d(eltern, frage.titel, frage.name, qtFilter(frage.filter));
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
