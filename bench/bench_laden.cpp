// Loads a generated 10 MB report from the click to "FERTIG" and compares
// that with merely reading and decoding the same file; measures how fast
// "Abbruch" ends such a load; then loads 20 MB reports with CR LF and with
// LF line ends, and one without a head line, and measures the longest
// stretch without events and the time from "FERTIG" until the program is idle.
#include "platform/codepage.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "ereignisluecke.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

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

bool schreibe(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

double cpuSekunden()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Loads a report by a click and measures the longest stretch in which a
// 5 ms timer could not fire, and how long after "FERTIG" the process still
// works: the end of the last 50 ms window in which it used a quarter of a
// core or more, watched for up to 10 s.
void lastUndRuhe(Form1 *form, const QString &name, const char *was)
{
    form->Text1->setText(QString());
    form->verandert = 0;
    form->File1->setListIndex(-1);

    Ereignisluecke luecke;
    luecke.start();
    form->File1->selectFile(name);
    const double fertig = luecke.sekunden();
    const QString status = form->Label3->caption();

    double ruhe = 0;
    const double ende = fertig + 10.0;
    double cpu = cpuSekunden();
    double fensterStart = luecke.sekunden();
    QEventLoop schleife;
    QTimer fenster;
    fenster.setInterval(50);
    QObject::connect(&fenster, &QTimer::timeout, [&] {
        const double jetzt = luecke.sekunden();
        const double c = cpuSekunden();
        if ((c - cpu) / (jetzt - fensterStart) >= 0.25)
            ruhe = jetzt - fertig;
        cpu = c;
        fensterStart = jetzt;
        // Idle for a whole second after the last busy window: done.
        if (jetzt >= ende || jetzt - fertig - ruhe >= 1.0)
            schleife.quit();
    });
    fenster.start();
    schleife.exec();
    const bool offen = luecke.sekunden() >= ende;

    std::printf("20 MB, %-8s  load %6.0f ms (%s), longest stretch without events %5.0f ms"
                "  (target: under 500 ms), idle %s%5.0f ms after FERTIG  (target: under 2000 ms)\n",
                was, fertig * 1000, qPrintable(status), luecke.laengsteMs(), offen ? "over " : "", ruhe * 1000);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Dialoge dlg;
    QTemporaryDir dir;
    const QString name = QStringLiteral("gross.txt");
    const QString path = dir.filePath(name);
    const QByteArray gross20 = bericht(20 * 1024 * 1024);
    if (!schreibe(path, bericht(10 * 1024 * 1024))
        || !schreibe(dir.filePath(QStringLiteral("crlf20.txt")), gross20)
        || !schreibe(dir.filePath(QStringLiteral("lf20.txt")), QByteArray(gross20).replace("\r\n", "\n"))
        || !schreibe(dir.filePath(QStringLiteral("ohne20.txt")), QByteArray(gross20).replace("#BEF", "BEF")))
        return 1;

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

    lastUndRuhe(form, QStringLiteral("crlf20.txt"), "CR LF");
    lastUndRuhe(form, QStringLiteral("lf20.txt"), "LF");
    // Without a head line the whole report is shown at once.
    lastUndRuhe(form, QStringLiteral("ohne20.txt"), "no #BEF");
    return 0;
}
