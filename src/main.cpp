#include "core/form5.h"
#include "platform/ende.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Befehlswart"));
        // The toolkit's own words (file dialog, a text box's menu) in German too.
        QTranslator qtDeutsch;
        if (qtDeutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtDeutsch);

        // The splash window's load runs the whole start; it is not shown
        // again afterwards, so the window that hid it stays in front.
        Form5::instance()->Form_Load();
        rc = app.exec();
    }
    platform::prozessEnde(rc);
}
