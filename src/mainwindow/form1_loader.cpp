// Report load, parts and paging, line-end repair and saving back.
#include "mainwindow/form1.h"
#include "mainwindow/leer.h"
#include "mainwindow/report.h"

#include "core/form3.h"
#include "core/globals.h"
#include "core/sound.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/numbers.h"
#include "platform/units.h"

#include <QDir>
#include <new>
#include <optional>

using namespace platform;

namespace {
QString zeitText(double s) { return QStringLiteral("Benötigte Zeit: ") + str(qint64(s)) + QStringLiteral(" Sekunden"); }
} // namespace

void Form1::lad()
{
    Label14->setCaption(QString());

    if (arbeit == 1) {
        // Only a running report load can be stopped for another one.
        if (!m_berichtLaedt) {
            MsgBox(QStringLiteral("Es wird gerade eine andere Datei geladen/gespeichert."));
            return;
        }
        if (MsgBox(QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?"), YesNo) == Yes) {
            abbruch = 1;
            neuedatei = 1;
        }
        return;
    }

    // The orders box takes the report's head line once it is found, over
    // what would be typed there meanwhile: it is locked while the line is
    // sought, and takes keys again once it is found, at the end of a report
    // without one, at a stop or at a fault.
    std::optional<Sperre> sperre;
    try {
        arbeit = 0;
        u = 0;
        // Nothing of the previous report may be paged in during this load.
        keineTeile();
        Teil = 0;

        m_ausListe = !File1->fileName().isEmpty();
        if (m_ausListe)
            eraseBar();

        if (m_ausListe) {
            Label1->setCaption(QDir(Dir1->path()).filePath(File1->fileName()));
            datei = Label1->caption();
        } else {
            // Kept absolute, so a later change of folder doesn't lose it.
            datei = QDir::current().absoluteFilePath(StartAuswertung);
            Label1->setCaption(QDir(StandardPfad.isEmpty() ? QDir::currentPath() : StandardPfad).filePath(StartAuswertung));
        }

        Text2->setText(QString());
        UebergangsText->Text.clear();
        Label3->setCaption(QStringLiteral("LÄDT"));
        Inhalt.clear();
        anfang.clear();
        Text1->setText(QString());
        sperre.emplace(Text1);
        Command3->show();

        const QByteArray daten = codepage::readFile(datei);
        const qint64 laenge = daten.size();
        if (m_ausListe) {
            maximal = CLng(double(laenge) + 1);
            addition = hoehe / double(maximal);
        } else {
            Form3::instance()->ProgressBar1->setMax(double(laenge) + 1);
            addition = hoehe / (double(laenge) + 1);
        }
        zusatz = 1.0;

        Label1->setAutoSize(true);
        Label1->setCaption(Label1->caption() + QStringLiteral(" , ") + str(laenge) + QStringLiteral(" Bytes"));
        Label2->setVisible(pixelsToTwipsX(Label1->width()) <= 4000);

        enableFileMenus(false);
        zeitsek = CLng(Timer());
        arbeit = 1;
        m_berichtLaedt = true;

        report::HeadScan scan;
        int angezeigt = 0; // character set whose fonts are shown
        Batch batch;
        const unsigned char *p = reinterpret_cast<const unsigned char *>(daten.constData());
        ProgressBar *startBalken = Form3::instance()->ProgressBar1;
        double startWert = startBalken->value();

        auto zeigeFortschritt = [&] {
            if (m_ausListe) {
                const qint32 prozent = CLng((hoehe - y1 + zusatz - 5171) / 96.0);
                Label13->setCaption(str(prozent) + QStringLiteral("%"));
                drawBar(zusatz, true);
            } else {
                startBalken->setValue(startWert);
            }
        };
        auto zeigeZeichensatz = [&] {
            if (scan.charset() == angezeigt)
                return;
            angezeigt = scan.charset();
            u = angezeigt;
            if (u == 1) {
                Label5->setCaption(QStringLiteral("Windows - Zeichensatz"));
                Combo2->setEditText(QStringLiteral("Courier New"));
                Text2->setFontName(Combo2->currentText());
            } else if (u == 2) {
                Label5->setCaption(QStringLiteral("Oem - Zeichensatz (DOS)"));
                Combo2->setEditText(QStringLiteral("Terminal"));
                Text2->setFontName(Combo2->currentText());
                // A size that is no number keeps the report's default size.
                double groesse = Auswertungsgroesse;
                try {
                    groesse = schriftGroesse(Text3->text());
                } catch (const platform::Error &) {
                }
                Text2->setFontSize(groesse);
            }
        };

        for (qsizetype i = 0;; ++i) {
            if (i >= laenge) {
                // Slow path: no complete head line in the file; it is shown as scanned.
                sperre.reset();
                Inhalt = scan.shown();
                zeigeZeichensatz();
                if (!berichtZeigen(reportText(Inhalt))) {
                    if (!programmEndet())
                        ladStopp(false);
                    return;
                }
                ladFertig();
                return;
            }
            const report::HeadScan::Step step = scan.feed(p[i]);
            if (step == report::HeadScan::Step::HeadComplete) {
                zeigeZeichensatz();
                zeigeFortschritt();
                Inhalt = scan.shown();
                anfang = scan.headLine();
                Text1->setText(codepage::decode(anfang));
                sperre.reset();
                ladschnell();
                return;
            }
            zusatz += addition;
            startWert += 1;
            if (batch.due()) {
                zeigeZeichensatz();
                zeigeFortschritt();
                // The text read so far is taken only at a stop: a copy at
                // every pause would copy it again and again.
                if (!ladPause([&] {
                        Inhalt = scan.shown();
                        schluss();
                    }))
                    return;
            }
        }
    } catch (const platform::Error &e) {
        ladFehler(Ladeschritt::Kopfsuche, e.number, e.description);
    } catch (const std::bad_alloc &) {
        ladFehler(Ladeschritt::Kopfsuche, 7, errorDescription(7));
    }
}

// A failed load stops and says why, and a new load can start. The head scan
// stops through schluss and names the fault in the player's words; the line
// load says so first and stops without loading a file chosen meanwhile; a
// fault in the file click around both is told as it stands.
void Form1::ladFehler(Ladeschritt wo, int number, const QString &description)
{
    switch (wo) {
    case Ladeschritt::Kopfsuche:
        enableFileMenus(true);
        Command3->hide();
        Label14->setCaption(QString());
        schluss();
        if (number == 62)
            Label3->setCaption(QStringLiteral("FERTIG"));
        else if (number == 7)
            MsgBox(QStringLiteral("Die geladene Datei ist zu gross."));
        else if (number == 53)
            MsgBox(QStringLiteral("Datei nicht gefunden: ") + datei);
        else
            MsgBox(QStringLiteral("Fehler ") + str(number) + QStringLiteral(": ") + description
                   + QStringLiteral(". Bitte mir eine Mail schreiben."));
        return;
    case Ladeschritt::Zeilen:
        MsgBox(QStringLiteral("Laufzeitfehler Nr.") + str(number) + QStringLiteral(": ") + description);
        try {
            Text2->setText(reportText(Alles));
        } catch (...) {
        }
        Inhalt.clear();
        Alles.clear();
        abbruch = 0;
        arbeit = 0;
        neuedatei = 0;
        m_berichtLaedt = false;
        break;
    case Ladeschritt::Klick:
        schluss();
        MsgBox(description);
        break;
    }
    Label13->setCaption(QString());
    enableFileMenus(true);
    Label3->setCaption(QStringLiteral("FEHLER"));
    eraseBar();
    Command3->hide();
}

// The end of a load that read its report through, by either road.
void Form1::ladFertig()
{
    arbeit = 0;
    m_berichtLaedt = false;
    zeitsek = CLng(secondsSince(zeitsek));
    Label14->setCaption(zeitText(zeitsek));
    Label13->setCaption(QString());
    enableFileMenus(true);
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl1);
    Label3->setCaption(QStringLiteral("FERTIG"));
    eraseBar();
    Command3->hide();
    if (u == 0)
        keinZeichensatz(QStringLiteral("Kein eindeutiges Format"));
}

// No character set found: the report box goes back to its default font.
// The name comes first, or the size box's change would copy the font of the
// report before back into the chooser.
void Form1::keinZeichensatz(const QString &format)
{
    Label5->setCaption(format);
    Combo2->setEditText(QStringLiteral("Courier New"));
    Text2->setFontName(Combo2->currentText());
    Text3->setText(str(Auswertungsgroesse));
    Text2->setFontSize(Auswertungsgroesse);
}

void Form1::schluss() { ladStopp(true); }

bool Form1::ladPause(const std::function<void()> &stopp)
{
    DoEvents();
    if (programmEndet())
        return false;
    if (abbruch != 1)
        return true;
    stopp();
    return false;
}

void Form1::keineTeile()
{
    ZuViel = 0;
    place(Text2, 120, 4560, 8772, 3492);
    Command1->hide();
    Command4->hide();
    Label15->hide();
}

void Form1::ladStopp(bool inhaltZeigen)
{
    // The stop is taken; a newer one asked while the text goes in ends only
    // the showing.
    abbruch = 0;
    // At whatever step it came, a stopped load leaves nothing to page and
    // nothing in the store to save back over the report.
    keineTeile();
    UebergangsText->Text.clear();
    if (inhaltZeigen) {
        try {
            if (!berichtZeigen(reportText(Inhalt)) && programmEndet())
                return;
        } catch (...) {
        }
    }
    // Only what is shown stays: the text read and its parts go.
    Inhalt.clear();
    Alles.clear();
    for (QByteArray *teil : {&L, &LL, &LR, &R, &RR, &RL})
        teil->clear();
    Teil = 0;
    Label3->setCaption(QStringLiteral("ABGEBROCHEN"));
    eraseBar();
    abbruch = 0;
    arbeit = 0;
    m_berichtLaedt = false;
    Text2->setFocus();
    if (u == 0)
        keinZeichensatz(QStringLiteral("Unbekanntes Format."));
    if (neuedatei == 1) {
        neuedatei = 0;
        lad();
    }
}

// The player stops the running load; it sees abbruch after its current step.
void Form1::ladAbbrechen()
{
    enableFileMenus(true);
    Command3->hide();
    zeitsek = CLng(secondsSince(zeitsek));
    Label14->setCaption(zeitText(zeitsek));
    abbruch = 1;
}

void Form1::Command3_Click()
{
    KlickSpielen();
    ladAbbrechen();
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl2);
}

void Form1::ladschnell()
{
    ProgressBar *startBalken = Form3::instance()->ProgressBar1;
    try {
        if (!m_ausListe)
            startBalken->setMax(hoehe);
        Alles.clear();
        UebergangsText->Text.clear();

        const QByteArray daten = codepage::readFile(datei);
        const double laenge = double(daten.size());
        if (daten.size() > 120000)
            MsgBox(QStringLiteral("Diese Datei kann höchstwahrscheinlich nicht angezeigt werden, da sie zu groß ist.\r\nAm Besten drückst du 'Abbrechen'."));
        if (daten.isEmpty())
            platform::raise(62);
        report::LineLoad zeilen(daten, Alles);

        Batch batch;
        double startWert = startBalken->value();
        do {
            const qsizetype zeilenLaenge = zeilen.step();
            addition = hoehe / (laenge / (double(zeilenLaenge) + 1));
            zusatz += addition;
            startWert += addition - 1;
            if (batch.due()) {
                if (m_ausListe) {
                    Label13->setCaption(str(CLng(double(Alles.size()) / laenge * 100)) + QStringLiteral("%"));
                    drawBar(zusatz, true);
                } else {
                    startBalken->setValue(startWert);
                }
                if (!ladPause([&] {
                        Inhalt = Alles;
                        schluss();
                    }))
                    return;
            }
        } while (!zeilen.done());

        UebergangsText->Text = Alles;
        if (!berichtZeigen(reportText(teileSetzen(Alles)))) {
            if (!programmEndet())
                ladStopp(false);
            return;
        }

        Alles.clear();
        ladFertig();
    } catch (const platform::Error &e) {
        ladFehler(Ladeschritt::Zeilen, e.number, e.description);
    } catch (const std::bad_alloc &) {
        ladFehler(Ladeschritt::Zeilen, 7, errorDescription(7));
    }
}

bool Form1::berichtZeigen(const QString &text)
{
    Text2->fuellen(text);
    Batch batch;
    while (Text2->fuellt()) {
        if (batch.due() && !ladPause([this] { Text2->fuellenAnhalten(); }))
            return false;
        Text2->weiterFuellen();
    }
    return true;
}

void Form1::AuswertungAufteilen(const QByteArray &text) { Text2->setText(reportText(teileSetzen(text))); }

// The controls are in place before the text goes in, so that a click made
// meanwhile lands where the player saw it.
QByteArray Form1::teileSetzen(const QByteArray &text)
{
    report::Parts p{ZuViel, L, R, LL, LR, RL, RR};
    report::split(text, Ueberschneidung, p);
    L = p.L;
    R = p.R;
    LL = p.LL;
    LR = p.LR;
    RL = p.RL;
    RR = p.RR;
    if (p.zuViel == 0) {
        keineTeile();
        return store();
    }
    ZuViel = qint16(p.zuViel);
    Teil = 1;
    place(Text2, 120, 4560, 8412, 3492);
    Command1->show();
    Command1->setEnabled(false);
    Command4->show();
    Command4->setEnabled(true);
    Label15->show();
    Label15->setCaption(QStringLiteral("1"));
    return ZuViel == 1 ? L : LL;
}

void Form1::Command4_Click()
{
    if (arbeit != 0)
        return;
    if (ZuViel == 1 && Teil == 1) {
        Text2->setText(reportText(R));
        Teil = 2;
    } else if (ZuViel == 2 && Teil >= 1 && Teil <= 3) {
        Text2->setText(reportText(Teil == 1 ? LR : Teil == 2 ? RL : RR));
        ++Teil;
    }
    Command1->setEnabled(true);
    if ((ZuViel == 1 && Teil == 2) || (ZuViel == 2 && Teil == 4))
        Command4->setEnabled(false);
    Label15->setCaption(str(Teil));
    Text2->setFocus();
    Text2->setSelStart(2 * Ueberschneidung - 1);
    Text2->setSelLength(1);
}

void Form1::Command1_Click()
{
    if (arbeit != 0)
        return;
    if (ZuViel == 1 && Teil == 2) {
        Text2->setText(reportText(L));
        Teil = 1;
    } else if (ZuViel == 2 && Teil >= 2 && Teil <= 4) {
        Text2->setText(reportText(Teil == 4 ? RL : Teil == 3 ? LR : LL));
        --Teil;
    }
    Command4->setEnabled(true);
    if (Teil == 1)
        Command1->setEnabled(false);
    Label15->setCaption(str(Teil));
    Text2->setFocus();
    Text2->setSelStart(Text2->length() - 2 * Ueberschneidung);
    Text2->setSelLength(1);
}

void Form1::leerzeichfuegein_Click()
{
    KlickSpielen();
    // An empty store would blank the display: there is nothing to repair.
    if (Text2->text().isEmpty() || store().isEmpty()) {
        MsgBox(QStringLiteral("Keine Auswertung vorhanden!"));
        return;
    }
    Chr10Pruefen();
}

void Form1::Chr10Pruefen()
{
    Leer *leer = Leer::instance();
    report::LineEndRepair rep(store());
    int fortschrittsZaehler = 1;

    setEnabled(false);
    leer->show();
    leer->ProgressBar1->setMax(double(store().size()));
    leer->SetFocus();
    leer->setFocus();
    DoEvents();
    if (programmEndet())
        return;

    auto fertig = [&](bool eigenerTest) {
        UebergangsText->Text = rep.result();
        AuswertungAufteilen(store());
        setEnabled(true);
        leer->hide();
        if (eigenerTest) {
            SetFocus();
            setFocus();
        }
    };

    try {
        Batch batch;
        QString caption;
        for (;;) {
            if (rep.step() == report::LineEndRepair::Step::NoMoreLineFeed) {
                fertig(false);
                return;
            }
            const double p = double(rep.position());
            const double len = double(rep.length());
            if (leer->ProgressBar1->max() < p)
                leer->ProgressBar1->setMax(len);
            if (fortschrittsZaehler > 30) {
                leer->ProgressBar1->setMax(len);
                leer->ProgressBar1->setValue(p);
                fortschrittsZaehler = 1;
            }
            ++fortschrittsZaehler;
            const bool weiter = rep.more() && leer->LeerAbbruch != 1;
            if (batch.due() || !weiter) {
                leer->setWindowTitle(QStringLiteral("Leerzeichen sinnvoll einfügen, Fortschritt: ")
                                     + str(CLng(p / len * 100)) + QStringLiteral("%"));
                DoEvents();
                if (programmEndet())
                    return;
            }
            if (!(rep.more() && leer->LeerAbbruch != 1))
                break;
        }
        if (leer->LeerAbbruch == 1) {
            leer->LeerAbbruch = 0;
            if (BestaetigungsKlangAn == 1)
                Abspielen(klangspieler().MMControl2);
        } else if (BestaetigungsKlangAn == 1) {
            Abspielen(klangspieler().MMControl1);
        }
        fertig(true);
    } catch (const platform::Error &e) {
        MsgBox(str(e.number) + QStringLiteral(": ") + e.description);
        fertig(false);
    } catch (const std::bad_alloc &) {
        MsgBox(QStringLiteral("7: ") + errorDescription(7));
        fertig(false);
    }
}

void Form1::auswertungspeicherrrrn_Click()
{
    // Never write an empty report over the file it came from.
    if (arbeit != 1 && store().isEmpty()) {
        MsgBox(QStringLiteral("Keine Auswertung vorhanden!"));
        return;
    }
    if (MsgBox(QStringLiteral("Die aktuell geladene Auswertung wird gespeichert unter:\r\n'") + datei
                   + QStringLiteral("'\r\nDie bereits vorhandene Auswertung wird dabei überschrieben.\r\nAlles Ok?"),
               YesNo | Warning, QStringLiteral("Befehlswart")) != Yes)
        return;
    KlickSpielen();
    if (arbeit == 1) {
        MsgBox(kBeschaeftigt);
        return;
    }
    arbeit = 1;
    enableFileMenus(false);
    try {
        // The store begins with the line break that the line load puts before
        // every line; the file gets its lines only, so a report saved back and
        // loaded again is the same report, not one with an empty line more.
        QByteArray daten = store();
        if (daten.startsWith("\r\n"))
            daten.remove(0, 2);
        daten.append("\r\n", 2);
        codepage::writeFile(datei, daten);
    } catch (const platform::Error &e) {
        MsgBox(speicherFehler(e, QStringLiteral("Die Auswertung wurde nicht gespeichert."), kNameFalsch));
        arbeit = 0;
        enableFileMenus(true);
        return;
    }
    arbeit = 0;
    enableFileMenus(true);
    Label3->setCaption(QStringLiteral("GESPEICHERT"));
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl3);
}
