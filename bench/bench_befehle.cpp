// Loads two generated orders files (1 MB each, or as many KB as the first
// argument says), one of mixed orders and one of very short lines, with
// "laden" from the click to "FERTIG", and measures the longest stretch in
// which a 5 ms timer could not fire. Then pastes the mixed orders into the
// orders box and into a bare editor, and redoes both pastes.
#include "core/globals.h"
#include "mainwindow/befehlsdatei.h"
#include "mainwindow/form1.h"
#include "platform/codepage.h"
#include "ereignisluecke.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// Orders, comments and hidden stretches, with CR LF line ends, and the text
// they load as: no header, no hidden stretch.
struct Befehle {
    QByteArray datei, text;
};
Befehle befehle(qsizetype groesse)
{
    Befehle b;
    b.datei = befehlsdatei::kopfzeile(QStringLiteral("seite"), QStringLiteral("mail"));
    b.datei.reserve(groesse + 100);
    b.text.reserve(groesse);
    struct Zeile {
        const char *datei, *text;
    };
    static const Zeile zeilen[] = {
        {"#BEF 42 17 7 >Gr\xFCnfl\xE4" "che>\r\n", "#BEF 42 17 7 >Gr\xFCnfl\xE4" "che>\r\n"},
        {"AB 1234 500 K\xF6rner\r\n", "AB 1234 500 K\xF6rner\r\n"},
        {";Ragnar zieht \xFC" "ber die Br\xFC" "cke\r\n", ";Ragnar zieht \xFC" "ber die Br\xFC" "cke\r\n"},
        {"CD 12 300 Soldaten;\xAE" "bleibt verborgen\r\n", "CD 12 300 Soldaten"},
        {"EF 3 12345 Gold\r\n", "EF 3 12345 Gold\r\n"},
    };
    b.datei += zeilen[0].datei;
    b.text += zeilen[0].text;
    for (int i = 0; b.datei.size() < groesse; ++i) {
        b.datei += zeilen[1 + i % 4].datei;
        b.text += zeilen[1 + i % 4].text;
    }
    return b;
}
// One letter per line: the box's cost grows with the lines of a piece.
Befehle kurzeZeilen(qsizetype groesse)
{
    Befehle b;
    b.datei = befehlsdatei::kopfzeile(QStringLiteral("seite"), QStringLiteral("mail"));
    b.text = QByteArray("A\r\n").repeated(groesse / 3);
    b.datei += b.text;
    return b;
}

// The best of three pastes of the clipboard into an empty box, and of
// three redoes of it, in ms.
struct Einfuegen {
    double einfuegen = 1e9, wiederholen = 1e9;
};
Einfuegen einfuegen(QPlainTextEdit &box, const QString &text)
{
    Einfuegen e;
    for (int lauf = 0; lauf < 3; ++lauf) {
        box.clear();
        QCoreApplication::processEvents();
        QElapsedTimer uhr;
        uhr.start();
        box.paste();
        QCoreApplication::processEvents(); // the pasted text is laid out
        e.einfuegen = std::min(e.einfuegen, uhr.nsecsElapsed() / 1e6);
        if (box.toPlainText().size() < text.size() / 2)
            std::printf("  paste went WRONG\n");
        box.undo();
        QCoreApplication::processEvents();
        uhr.start();
        box.redo();
        QCoreApplication::processEvents();
        e.wiederholen = std::min(e.wiederholen, uhr.nsecsElapsed() / 1e6);
    }
    return e;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Dialoge dlg;
    QTemporaryDir dir;
    const qsizetype kb = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    const QString name = QStringLiteral("befehle.txt");
    Form1 *f = hauptfenster(dir.path());
    f->show();
    f->Text5->setText(name);

    const std::pair<const char *, Befehle> faelle[] = {{"orders", befehle(kb * 1024)},
                                                       {"short lines", kurzeZeilen(kb * 1024)}};
    for (const auto &[art, b] : faelle) {
        schreibeDatei(dir.filePath(name), b.datei);
        f->Text1->setText(QString());
        f->verandert = 0;
        QCoreApplication::processEvents();

        Ereignisluecke luecke;
        luecke.start();
        f->laden_Click();
        const double fertig = luecke.sekunden() * 1000;
        QCoreApplication::processEvents(); // the shown text is laid out
        const double gezeigt = luecke.sekunden() * 1000;
        const double laengste = luecke.laengsteMs();

        const bool genau = f->Text1->text() == codepage::decode(b.text);
        std::printf("%s, %.1f KB:\n", art, b.datei.size() / 1024.0);
        std::printf("  load to %-8s      %8.1f ms  (target for 1 MB: under 1000 ms), shown %.1f ms, text %s\n",
                    qPrintable(f->Label3->caption()), fertig, gezeigt, genau ? "exact" : "WRONG");
        std::printf("  longest stretch without events: %5.1f ms  (target: under 100 ms)\n", laengste);
    }

    // Copied from a text editor: its lines end in LF.
    QString kopiert = codepage::decode(faelle[0].second.text);
    kopiert.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(kopiert);
    QPlainTextEdit bar;
    bar.resize(f->Text1->size());
    bar.show();
    const Einfuegen box = einfuegen(*f->Text1, kopiert), blank = einfuegen(bar, kopiert);
    std::printf("paste of the orders, %.1f KB, best of 3:\n", kopiert.size() / 1024.0);
    std::printf("  orders box %8.1f ms, bare editor %8.1f ms: %.2fx\n", box.einfuegen, blank.einfuegen,
                box.einfuegen / blank.einfuegen);
    std::printf("  redo: orders box %8.1f ms, bare editor %8.1f ms: %.2fx\n", box.wiederholen, blank.wiederholen,
                box.wiederholen / blank.wiederholen);
    return 0;
}
