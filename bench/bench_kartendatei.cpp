// Saves and loads a full 100 x 100 map through the map window (dialog
// answered, file written or read, records, symbols and grid drawn), and
// imports a series of ten management files of 10000 lines each. Beside
// each, the codec alone.
#include "map/dateidialog.h"
#include "map/karte.h"
#include "map/kartendatei.h"
#include "map/morveldatei.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

void karteFuellen()
{
    for (int i = 1; i <= kMaxFelder; ++i) {
        FeldDaten &f = Felder[i];
        f.FeldNummer = qint16(i);
        f.Terrain = qint16(i % 9);
        f.Besonderheiten = qint16(i % 7 == 0 ? i % 9 : 0);
        f.GubHortFlag = qint16(i % 13 == 0);
        f.FeldName = festerText(QStringLiteral("Feld Nr. %1 am Fluss").arg(i));
        if (i % 5 == 0) {
            f.BurgArt = qint16(i % 10 == 0 ? 1 : 2);
            f.Burgklasse = 3;
            f.Besitzer = QString::number(i - i % 10);
            f.SpielerName = festerText(QStringLiteral("Häuptling %1").arg(i / 10));
            f.SpielerNummer = qint16(i / 10);
            f.SpielerRang = 2;
            f.EchtBit = 1;
        }
    }
}

// One management file of 10000 lines: player sections, then field sections.
QByteArray verwaltungsDatei(int nummer)
{
    QByteArray t;
    t += "## Morveldatei " + QByteArray::number(nummer) + "\r\n#Allgemeine Daten\r\nBreite=100\r\nHoehe=100\r\n"
         "AnzSpieler=200\r\n";
    int zeilen = 5;
    for (int s = 1; s <= 200; ++s, zeilen += 5)
        t += "#S " + QByteArray::number(s) + "\r\nStammesLS=" + QByteArray::number(s * 47 % 10000 + 1)
             + "\r\nName=Spieler_" + QByteArray::number(s) + "\r\nMensch=" + (s % 3 ? "+" : "-") + "\r\nRang="
             + QByteArray::number(s % 21) + "\r\n";
    for (int f = 1 + nummer * 900; zeilen < 10000; f = f % 10000 + 1) {
        t += "#F " + QByteArray::number(f) + "\r\nTerr=" + QByteArray::number(f % 6 + 1) + "\r\nName=Land_"
             + QByteArray::number(f) + "\r\nVktr=" + QByteArray::number(f % 200 + 1) + "\r\n";
        zeilen += 4;
        if (f % 4 == 0) {
            t += "BK=2\r\nOHBes=\r\nEinsiedler=3\r\n";
            zeilen += 3;
        }
    }
    return t;
}

double ms(QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Dialoge dlg;
    dlg.standardAntwort = platform::No;
    QTemporaryDir dir;
    QString antwort;
    dateidialog::setHook([&](const dateidialog::Frage &) { return antwort; });
    auto menue = [](int eintrag) {
        QTimer::singleShot(0, [eintrag] { popupKlick(eintrag); });
    };

    Karte *k = Karte::instance();
    k->show();
    k->Text1->setText(QStringLiteral("100"));
    k->Text2->setText(QStringLiteral("100"));
    menue(1);
    k->Command1_Click();
    karteFuellen();

    QElapsedTimer t;
    const QString karte = dir.filePath(QStringLiteral("gross.bwk"));
    kartendatei::kopfSetzen(Felder[0], 100, 100, FeldBreite, FeldHoehe);
    t.start();
    const QByteArray bytes = kartendatei::schreiben(Felder, 100, 100);
    const double schreiben = ms(t);
    t.restart();
    const auto gelesen = kartendatei::lies(bytes);
    const double lesen = ms(t);

    antwort = karte;
    t.restart();
    k->Command7_Click();
    QCoreApplication::processEvents();
    const double speichern = ms(t);

    menue(1);
    t.restart();
    k->Command8_Click();
    QCoreApplication::processEvents();
    const double laden = ms(t);
    const bool gleich = gelesen && SpaltenAnzahl == 100 && Felder[9990].FeldName == gelesen->felder[9989].FeldName;

    // Ten management files of a series, z00 to z09.
    QList<QByteArray> dateien;
    for (int n = 0; n < 10; ++n) {
        dateien << verwaltungsDatei(n);
        schreibeDatei(dir.filePath(QStringLiteral("V001s002.z%1").arg(n, 2, 10, QLatin1Char('0'))), dateien.last());
    }
    FelderFeld felder; // the reader's own map
    qint16 breite = 0, hoehe = 0;
    t.restart();
    {
        morveldatei::Zustand z;
        morveldatei::Einleser e(z, {felder, breite, hoehe});
        for (const QByteArray &d : dateien)
            e.datei(d);
    }
    const double einlesen = ms(t);
    antwort = dir.filePath(QStringLiteral("V001s002.z00"));
    menue(3);
    t.restart();
    k->Command8_Click();
    QCoreApplication::processEvents();
    const double import = ms(t);

    std::printf("map file 100 x 100:     %lld bytes%s\n", (long long)bytes.size(), gleich ? "" : "  (NOT loaded back!)");
    std::printf("  codec write / read:   %8.1f ms / %6.1f ms\n", schreiben, lesen);
    std::printf("  Save in the window:   %8.1f ms  (target under 300 ms)\n", speichern);
    std::printf("  Load in the window:   %8.1f ms  (records, symbols, grid; target under 300 ms)\n", laden);
    std::printf("import 10 x 10000 lines: %lld bytes\n", (long long)(dateien.size() * dateien.first().size()));
    std::printf("  reader alone:         %8.1f ms\n", einlesen);
    std::printf("  series in the window: %8.1f ms  (target under 300 ms)\n", import);
    std::printf("  messages:             %lld\n", (long long)dlg.boxen.size());
    return gleich && dlg.boxen.isEmpty() ? 0 : 1;
}
