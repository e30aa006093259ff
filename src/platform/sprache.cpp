#include "platform/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool deutscheOberflaeche()
{
    static QTranslator *qtDeutsch = nullptr;
    if (qtDeutsch)
        return true;
    auto *t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    qtDeutsch = t;
    return true;
}

} // namespace platform
