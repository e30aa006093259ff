#include "map/dateidialog.h"

#include <QFileDialog>
#include <QStringList>

namespace dateidialog {

namespace {
Hook g_hook;

// "Text (*.a)|*.a|..." to the dialog's "Text (*.a);;...": the text of each
// pair carries its pattern in brackets already.
QString qtFilter(const QString &filter)
{
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList texte;
    for (int i = 0; i + 1 < teile.size(); i += 2)
        texte << teile[i];
    return texte.join(QStringLiteral(";;"));
}
} // namespace

void setHook(Hook hook) { g_hook = std::move(hook); }

QString zeigen(QWidget *eltern, const Frage &frage)
{
    if (g_hook)
        return g_hook(frage);
    const QString filter = qtFilter(frage.filter);
    return frage.speichern ? QFileDialog::getSaveFileName(eltern, frage.titel, frage.name, filter)
                           : QFileDialog::getOpenFileName(eltern, frage.titel, frage.name, filter);
}

} // namespace dateidialog
