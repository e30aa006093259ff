#include "core/form5.h"
#include "platform/ende.h"
#include "platform/sprache.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Befehlswart"));
        platform::deutscheOberflaeche();

        // The splash window's load runs the whole start; it is not shown
        // again afterwards, so the window that hid it stays in front.
        Form5::instance()->Form_Load();
        rc = app.exec();
    }
    platform::prozessEnde(rc);
}
