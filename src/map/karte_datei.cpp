// Saving and loading the map: the map file and the management files. The
// codecs read and check; this file asks for the file, changes the map only
// once a file has been read whole, and draws it with its symbols.
#include "map/karte.h"

#include "core/sound.h"
#include "map/dateidialog.h"
#include "map/kartendatei.h"
#include "map/ladenmenu.h"
#include "map/morveldatei.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/yield.h"

#include <QFileInfo>

using namespace platform;

namespace {

const QString kKarteStandard = QStringLiteral("Karte.bwk");
const QString kMorvelStandard = QStringLiteral("V002s003.z00");
const QString kKartenFilter = QStringLiteral("Befehlswart Karten (*.bwk)|*.bwk|Alle Dateien (*.*)|*.*");
const QString kMorvelFilter =
    QStringLiteral("Morveldateien (v?\?\?s?\?\?.z?\?)|v?\?\?s?\?\?.z?\?|Alle Dateien (*.*)|*.*");

// The dialog's file name between its uses, and the last map picked, which
// "Save" proposes (never a management file of the game).
QString g_dialogName = kKarteStandard;
QString g_letzteKarte = kKarteStandard;

int g_gelesen = 0; // files the last import read

bool istBwk(const QString &endung) { return endung.compare(QLatin1String("bwk"), Qt::CaseInsensitive) == 0; }

const QString kNichtGeladen = QStringLiteral("Die Datei wurde nicht geladen, die Karte bleibt, wie sie war.");
const QString kZeile = QStringLiteral("\r\n");

// Why a file could not be read or written, in the player's words.
QString dateiFehler(const Error &e, const QString &datei, bool schreiben)
{
    const QString name = QFileInfo(datei).fileName();
    if (e.number == 53)
        return QStringLiteral("Die Datei \"%1\" gibt es nicht.").arg(name);
    if (const QString grund = schreiben ? schreibFehler(e) : QString(); !grund.isEmpty())
        return grund;
    return schreiben ? QStringLiteral("Die Datei \"%1\" lässt sich nicht schreiben.").arg(name)
                     : QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen.").arg(name);
}

} // namespace

// ---- Save

void Karte::Command7_Click()
{
    // Not while a load runs: it yields, and the map is half read.
    if (laden == 1)
        return;
    KlickSpielen();
    // What the player typed into the panel belongs to the selected field.
    feldtafel.aenderungenSpeichern();
    // Everything is checked before a file is opened.
    const QString grund = kartendatei::pruefeSpeichern(Felder, SpaltenAnzahl, ZeilenAnzahl, FeldBreite, FeldHoehe);
    if (!grund.isEmpty()) {
        MsgBox(QStringLiteral("Die Karte wurde nicht gespeichert.") + kZeile + grund);
        return;
    }
    dateidialog::Frage frage;
    frage.speichern = true;
    frage.titel = QStringLiteral("Befehlswart Karte speichern");
    frage.filter = kKartenFilter;
    frage.name = g_letzteKarte;
    frage.endung = QStringLiteral("bwk");
    QString name = dateidialog::zeigen(this, frage);
    KlickSpielen();
    if (name.isEmpty())
        return;
    // Every name not ending in ".bwk" gets it ("Karte 06.12" too), so that
    // "Load" takes the map again; after a last dot only "bwk" is added. The
    // question before a file is replaced asks about the name written, in German.
    if (!name.endsWith(QStringLiteral(".bwk"), Qt::CaseInsensitive))
        name += name.endsWith(QLatin1Char('.')) ? QStringLiteral("bwk") : QStringLiteral(".bwk");
    if (QFileInfo::exists(name)
        && MsgBox(QStringLiteral("Die Datei \"%1\" gibt es schon. Soll sie ersetzt werden?")
                      .arg(QFileInfo(name).fileName()),
                  YesNo, kTitel)
               != Yes)
        return;
    g_dialogName = name;
    g_letzteKarte = name;

    kartendatei::kopfSetzen(Felder[0], SpaltenAnzahl, ZeilenAnzahl, FeldBreite, FeldHoehe);
    bool liest = true;
    try {
        // A longer file keeps its later records.
        QByteArray alt;
        if (QFileInfo::exists(name))
            alt = codepage::readFile(name);
        liest = false;
        codepage::writeFile(name, kartendatei::schreiben(Felder, SpaltenAnzahl, ZeilenAnzahl, alt));
        gespeichert.merken();
    } catch (const Error &e) {
        MsgBox(QStringLiteral("Die Karte wurde nicht gespeichert.") + kZeile + dateiFehler(e, name, !liest));
    }
}

// ---- Load

void Karte::Command8_Click()
{
    if (laden == 1)
        return;
    KlickSpielen();
    LadeArt = qint16(LadenMenu::instance()->waehlen(
        Command8, {QStringLiteral("Neue Karte laden"), QStringLiteral("Morveldatei laden"),
                   QStringLiteral("Alle Morveldateien laden")}));
    MenuArt = 0;
    const QString wirklich = LadeArt == 0
                                 ? QStringLiteral("Wirklich neue Karte laden und Änderungen an der Karte verwerfen?")
                                 : QStringLiteral("Wirklich Morveldateien laden und Änderungen an der Karte verwerfen?");
    if (ungespeichert() && !verwerfenBestaetigt(wirklich))
        return;
    const qint16 ladenVorher = laden, nichtsVorher = GarNichtsMachen;
    laden = 1;
    GarNichtsMachen = 1;
    auto zurueck = [&] {
        laden = ladenVorher;
        GarNichtsMachen = nichtsVorher;
    };

    dateidialog::Frage frage;
    if (LadeArt == 0) {
        frage.titel = QStringLiteral("Befehlswart Karte laden");
        frage.filter = kKartenFilter;
        frage.name = istBwk(DateiEndung) ? g_dialogName : kKarteStandard;
    } else {
        frage.titel = LadeArt == 1 ? QStringLiteral("Eine Morveldatei laden") : Titel;
        frage.filter = kMorvelFilter;
        frage.name = g_dialogName.compare(kKarteStandard, Qt::CaseInsensitive) == 0 || istBwk(DateiEndung)
                         ? kMorvelStandard
                         : g_dialogName;
    }
    const QString name = dateidialog::zeigen(this, frage);
    KlickSpielen();
    if (name.isEmpty()) { // "Abbrechen" loads nothing
        zurueck();
        return;
    }
    g_dialogName = name;
    DateiEndung = name.right(3);
    MehrfachEndung = DateiEndung;

    if (LadeArt != 0 && istBwk(DateiEndung)) {
        MsgBox(QStringLiteral("Also, eine Morveldatei hat normalerweise nicht die Endung '.bwk'...")
               + QStringLiteral("\r\n") + QStringLiteral("Denk' mal drüber nach."));
        laden = GarNichtsMachen = 0;
        return;
    }
    if (LadeArt == 0 && !istBwk(DateiEndung)) {
        MsgBox(QStringLiteral("Also, eine 'Befehlswart Karte hat normalerweise die Endung '.bwk'...")
               + QStringLiteral("\r\n") + QStringLiteral("Denk' mal drüber nach."));
        laden = GarNichtsMachen = 0;
        return;
    }

    if (LadeArt != 0) {
        MorvelDateiLaden();
        if (g_gelesen == 0) { // nothing read, nothing changed
            zurueck();
            return;
        }
        ladenAbschliessen();
        return;
    }

    // The map file is read and checked whole before the map changes.
    std::optional<kartendatei::Karte> karte;
    try {
        QString fehler;
        karte = kartendatei::lies(codepage::readFile(name), &fehler);
        if (!karte) {
            MsgBox(kNichtGeladen + kZeile + fehler);
            zurueck();
            return;
        }
    } catch (const Error &e) {
        MsgBox(kNichtGeladen + kZeile + dateiFehler(e, name, false));
        zurueck();
        return;
    }
    // A size of the header that no drawing could use is not offered.
    const bool groesseBrauchbar = karte->feldBreite >= 1 && karte->feldHoehe >= 1;
    if (groesseBrauchbar && (karte->feldBreite != FeldBreite || karte->feldHoehe != FeldHoehe)
        && MsgBox(QStringLiteral("Sollen die Feldergrössen angepasst werden?"), YesNo, kTitel) == Yes) {
        FeldBreite = karte->feldBreite;
        FeldHoehe = karte->feldHoehe;
    }
    g_letzteKarte = name;
    SteuerElementeEntladen();
    FelderWerteInitialisieren();
    kartendatei::uebernehmen(*karte, {Felder, SpaltenAnzahl, ZeilenAnzahl});
    ladenAbschliessen();
    gespeichert.merken();
}

// The end of every load: the symbols of all fields drawn afresh from the
// records, the grid, and field 1 selected without storing the panel, which
// belongs to no field of the new map.
void Karte::ladenAbschliessen()
{
    const FeldDaten kopf = Felder[0];
    const int w = SpaltenAnzahl;
    const int anzahl = qMin(int(SpaltenAnzahl) * int(ZeilenAnzahl), kMaxFelder);
    laden = 1;
    feldtafel.SteuerElementeEntladen();
    for (int i = 1; i <= anzahl; ++i) {
        AktuellesFeld = qint16(i);
        AktuelleSpalte = qint16((i - 1) % w + 1);
        AktuelleZeile = qint16((i - 1) / w + 1);
        const FeldDaten &f = Felder[i];
        if (f.BurgArt != 0)
            feldtafel.BurgZeichnenBeimLADEN();
        if (f.Terrain != 0)
            feldtafel.TerrainZeichnenBeimLADEN();
        if (f.GubHortFlag != 0)
            feldtafel.GubHortZeichnenBeimLADEN();
        if (f.Besonderheiten != 0)
            feldtafel.BesZeichnenBeimLADEN();
    }
    AktuellesFeld = AktuelleSpalte = AktuelleZeile = 0;
    laden = 0;
    Text1->setText(str(SpaltenAnzahl));
    Text2->setText(str(ZeilenAnzahl));
    KeineMeldung = 1;
    KarteZeichnen();
    KeineMeldung = 0;
    // A first drawing stores the empty panel into the header's record.
    Felder[0] = kopf;
    PositionX = 1.0f;
    PositionY = 1.0f;
    m_gewaehlt = feldtafel.feldWaehlen(1, false);
    spiegeln();
    GarNichtsMachen = 0;
}

// ---- management files

void Karte::MorvelDateiLaden()
{
    if (LadeArt != 1 && LadeArt != 2)
        return;
    // The section and the castle field go on from the import before.
    morveldatei::Zustand z{Datenabschnitt, AktuellerSpieler, LS, SpielerAnzahl};
    morveldatei::Einleser einleser(z, {Felder, SpaltenAnzahl, ZeilenAnzahl});
    g_gelesen = 0;
    Batch takt;
    // After each line: now and then the event loop; an ending program ends the file.
    auto zwischendurch = [&] {
        if (!takt.due())
            return true;
        DoEvents();
        return !programmEndet();
    };
    auto lesen = [&](const QString &datei) {
        try {
            const QByteArray inhalt = codepage::readFile(datei);
            ++g_gelesen;
            einleser.datei(inhalt, zwischendurch);
        } catch (const Error &e) {
            MsgBox(dateiFehler(e, datei, false));
        }
    };
    const QString name = g_dialogName;
    if (LadeArt == 1) {
        lesen(name);
    } else if (name.size() > 3) {
        const QString basis = name.chopped(3);
        const QString f = morveldatei::findeDatei(basis + MehrfachEndung);
        lesen(f.isEmpty() ? basis + MehrfachEndung : f);
        // The series ends at the first missing number, at the latest after z99.
        for (;;) {
            MehrfachEndungSetzen();
            const QString f = MehrfachEndung.isEmpty() ? QString() : morveldatei::findeDatei(basis + MehrfachEndung);
            if (f.isEmpty() || programmEndet())
                break;
            lesen(f);
        }
    }
    Datenabschnitt = z.Datenabschnitt;
    AktuellerSpieler = z.AktuellerSpieler;
    LS = z.LS;
    SpielerAnzahl = z.SpielerAnzahl;
}

void Karte::MehrfachEndungSetzen() { MehrfachEndung = morveldatei::naechsteEndung(MehrfachEndung); }
