// Loads a generated 10 MB report from the click to "FERTIG" and compares
// that with merely reading and decoding the same file; then measures how
// fast "Abbruch" ends such a load.
#include "platform/codepage.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
QByteArray bericht(qsizetype groesse)
{
    QByteArray t;
    t.reserve(groesse + 200);
    for (int i = 0; i < 40; ++i)
        t += "Kopfzeile " + QByteArray::number(i) + " der Auswertung f\xFCr das Spiel Gub\r\n";
    t += "#BEF 42 17 7 >Gr\xFCnfl\xE4" "che>\r\n";
    static const char *saetze[] = {
        "Die Bauern in Landstrich 1234 ernten 500 e Getreide und 20 LE.\r\n",
        "Euer Held Ragnar zieht mit 300 Soldaten \xFC" "ber die Br\xFC" "cke nach S\xFC" "den.\r\n",
        "Gold: 12345 Goldohren. Die Gr\xF6\xDF" "e Eures Stammes w\xE4" "chst.\r\n",
        "Im M\xE4rz fielen 17 Soldaten; die \xDC" "berlebenden fl\xF6hen.\r\n",
    };
    int i = 0;
    while (t.size() < groesse)
        t += saetze[i++ % 4];
    return t;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Dialoge dlg;
    QTemporaryDir dir;
    const QString name = QStringLiteral("gross.txt");
    const QString path = dir.filePath(name);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(bericht(10 * 1024 * 1024));
    }

    QElapsedTimer t;
    t.start();
    const QByteArray bytes = codepage::readFile(path);
    const QString text = codepage::decode(bytes);
    const double lesen = t.nsecsElapsed() / 1e6;
    Q_UNUSED(text);

    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    Form1 *form = Form1::instance();
    form->show();
    form->Dir1->setPath(dir.path());
    form->File1->refresh();
    QCoreApplication::processEvents();

    t.restart();
    form->File1->selectFile(name);
    QCoreApplication::processEvents(); // the shown text is laid out
    const double laden = t.nsecsElapsed() / 1e6;
    const bool fertig = form->Label3->caption() == QStringLiteral("FERTIG");

    std::printf("report size:           %.1f MB\n", bytes.size() / 1048576.0);
    std::printf("read and decode:       %8.1f ms\n", lesen);
    std::printf("load to FERTIG, shown: %8.1f ms  (%s, part shown: %lld characters)\n", laden,
                fertig ? "FERTIG" : qPrintable(form->Label3->caption()), (long long)form->Text2->length());
    std::printf("ratio:                 %8.1f x  (target: within 5 x and under 500 ms)\n", laden / lesen);

    // "Abbruch" during the line load of the same report.
    double abbruch = -1;
    QElapsedTimer klick;
    auto *c = new QMetaObject::Connection;
    *c = QObject::connect(form->Text1, &TextBox::changed, form, [&] {
        if (form->Text1->text().isEmpty())
            return;
        QObject::disconnect(*c);
        QTimer::singleShot(5, form, [&] {
            klick.start();
            form->Command3->click();
        });
    });
    form->Text1->setText(QString());
    form->verandert = 0;
    form->File1->setListIndex(-1);
    form->File1->selectFile(name);
    if (form->Label3->caption() == QStringLiteral("ABGEBROCHEN"))
        abbruch = klick.nsecsElapsed() / 1e6;
    else
        std::printf("(the load ended as %s before the click)\n", qPrintable(form->Label3->caption()));
    std::printf("Abbruch to ABGEBROCHEN: %7.1f ms  (target: under 100 ms)\n", abbruch);
    delete c;
    return 0;
}
