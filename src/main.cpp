#include "core/globals.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Befehlswart"));

    // Until the start settings exist, the main window opens on the current folder.
    StandardPfad = QDir::currentPath();
    StandardBefehlsdatei = QStringLiteral("Befehle.txt");
    StartAuswertung.clear();
    ProgrammVersion = QStringLiteral("2.10");
    ProgrammPfad = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    Form1 *f = Form1::instance();
    f->show();
    return app.exec();
}
