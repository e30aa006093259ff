// Orders editor and orders file.
#include "mainwindow/form1.h"
#include "mainwindow/befehlsdatei.h"

#include "core/globals.h"
#include "core/sound.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/numbers.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <new>
#include <optional>

using namespace platform;

std::function<QByteArray(const QString &)> Form1::befehleLesen = [](const QString &pfad) {
    return codepage::readFile(pfad);
};

namespace {

// The orders box takes in a piece at some microseconds a line: a piece of
// many short lines goes in by parts of this many lines, so that the window
// stays live whatever the lines' length.
constexpr int kZeilenJeStueck = 2000;

// Enter in the file name box.
class TastenFilter : public QObject {
public:
    explicit TastenFilter(Form1 *f) : QObject(f), m_f(f) {}

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_f->Text5 && e->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent *>(e)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                int k = 13;
                m_f->Text5_KeyPress(k);
            }
        }
        return false;
    }

private:
    Form1 *m_f;
};

// Label8 back to the screen note once the size warning has done its work.
void bildschirmZeile(Form1 &f)
{
    f.Label8->setCaption(QString());
    f.Label8->setForeColor(0x80000012);
    f.Label8->setCaption(QStringLiteral("Bildschirmauflösung: ") + str(BildschirmBreite) + QStringLiteral("x")
                         + str(BildschirmHoehe));
}

// Every failure of the load ends the same way, so no error leaves the
// window busy with its file menus off.
void ladenFehler(Form1 &f, int number, bool menusAus)
{
    f.Command3->hide();
    f.eraseBar();
    f.Label3->setCaption(QStringLiteral("FEHLER"));
    if (number == 53 || number == 75)
        MsgBox(QStringLiteral("Datei nicht vorhanden."));
    f.arbeit = 0;
    if (menusAus)
        f.enableFileMenus(true);
}

} // namespace

void Form1::connectOrderHandlers()
{
    Text5->installEventFilter(new TastenFilter(this));
    // The orders box shows what the orders file will hold, whatever way a
    // text comes in; typed letters pass the key handler.
    Text1->setZeichensatz(codepage::Charset::Windows);
    Text1->setTasten([this](const QString &getippt) {
        QString r;
        for (const QChar c : getippt) {
            int k = c.unicode();
            Text1_KeyPress(k);
            if (k != 0)
                r += QChar(char16_t(k));
        }
        return r;
    });
}

void Form1::Text1_Change()
{
    if (verandert == 0) {
        verandert = 1;
        speichern->setEnabled(true);
    }
    if (arbeit == 0 && TippKlangAn == 1)
        Abspielen(klangspieler().MMControl4);
}

void Form1::Text1_KeyPress(int &KeyAscii)
{
    if (gross != 1)
        return;
    // Only a capital the orders file can hold: 'µ' and 'ƒ' have none in
    // windows-1252 and stay as typed.
    const QString grossBuchstabe = QString(QChar(char16_t(KeyAscii))).toUpper();
    if (grossBuchstabe.size() == 1 && codepage::encodable(grossBuchstabe))
        KeyAscii = grossBuchstabe.at(0).unicode();
}

void Form1::Text5_Change()
{
    StandardBefehlsdatei = Text5->text();
    if (verandert == 0) {
        verandert = 1;
        speichern->setEnabled(true);
    }
}

void Form1::Text5_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 13)
        Text1->setFocus();
}

void Form1::speichern_Click()
{
    KlickSpielen();
    if (arbeit == 1) {
        MsgBox(kBeschaeftigt);
        return;
    }
    try {
        if (QFileInfo(StandardBefehlsdatei).isFile()
            && MsgBox(QStringLiteral("Alte Datei wirklich überschreiben?"), YesNo) != Yes)
            return;
        arbeit = 1;
        enableFileMenus(false);
        // Written whole or not at all: a failed save keeps the old orders.
        codepage::writeFile(StandardBefehlsdatei, befehlsdatei::inhalt(Text1->text(), KontaktSeite, KontaktMail));
        arbeit = 0;
        verandert = 0;
        aktu->setEnabled(true);
        speichern->setEnabled(false);
        laden->setEnabled(true);
        auswertungspeicherrrrn->setEnabled(true);
        Label3->setCaption(QStringLiteral("GESPEICHERT"));
        if (BestaetigungsKlangAn == 1)
            Abspielen(klangspieler().MMControl3);
    } catch (const platform::Error &e) {
        // The orders stay unsaved: "speichern" stays on, the status as it was.
        MsgBox(speicherFehler(e, QStringLiteral("Die Befehle wurden nicht gespeichert."), kNameFalsch));
        arbeit = 0;
        enableFileMenus(true);
    }
}

void Form1::laden_Click()
{
    KlickSpielen();
    Label13->setCaption(QString());
    if (arbeit == 1) {
        MsgBox(kBeschaeftigt);
        return;
    }
    if (verandert == 1 && !Text1->text().isEmpty()
        && MsgBox(QStringLiteral("Neue Datei wirklich laden?"), YesNo) != Yes)
        return;

    bool menusAus = false;
    // Locked while the file goes in, to the load's end, its stop or its
    // fault: a key typed meanwhile would land inside a loaded line.
    std::optional<Sperre> sperre;
    try {
        eraseBar();
        const QFileInfo info(StandardBefehlsdatei);
        if (StandardBefehlsdatei.isEmpty() || !info.exists())
            platform::raise(53);
        if (!info.isFile())
            platform::raise(75);
        const qint64 laenge = info.size();
        maximal = CLng(double(laenge) + 1);
        zusatz = 1.0;
        addition = hoehe / double(maximal);
        Text1->setText(QString());
        Label1->setCaption(StandardBefehlsdatei + QStringLiteral(" , ") + str(laenge) + QStringLiteral(" Bytes"));
        enableFileMenus(false);
        menusAus = true;
        sperre.emplace(Text1);
        zeitsek = CLng(Timer());
        arbeit = 1;
        Command3->show();
        Label3->setCaption(QStringLiteral("LÄDT"));
        if (laenge > befehlsdatei::kWarnGroesse) {
            Label8->setForeColor(0x0000FF);
            Label8->setCaption(QStringLiteral("Ist die Datei nicht ein wenig zu gross, nur für Gub-Befehle?"));
        }

        const QByteArray daten = befehleLesen(StandardBefehlsdatei);
        befehlsdatei::Leser leser;
        QByteArray neu;
        // Appended rather than set: the cost grows with the piece, not with the text.
        auto uebernehmen = [&] {
            if (neu.isEmpty())
                return;
            Text1->anhaengen(codepage::decode(neu));
            neu.clear();
        };
        Batch batch;
        int zeilen = 0;
        for (const char c : daten) {
            leser.lies(static_cast<unsigned char>(c), neu);
            zusatz += addition;
            if (c == '\n' && ++zeilen == kZeilenJeStueck) {
                uebernehmen();
                zeilen = 0;
            }
            if (batch.due()) {
                uebernehmen();
                drawBar(zusatz, true);
                DoEvents();
                if (programmEndet())
                    return;
                if (abbruch == 1) {
                    // Whoever asked for the stop has hidden "Abbruch" already.
                    Command3->hide();
                    bildschirmZeile(*this);
                    Label3->setCaption(QStringLiteral("ABGEBROCHEN"));
                    eraseBar();
                    abbruch = 0;
                    arbeit = 0;
                    enableFileMenus(true);
                    return;
                }
            }
        }
        leser.ende(neu);
        uebernehmen();

        verandert = 0;
        bildschirmZeile(*this);
        arbeit = 0;
        aktu->setEnabled(true);
        speichern->setEnabled(false);
        laden->setEnabled(true);
        auswertungspeicherrrrn->setEnabled(true);
        Command3->hide();
        Label3->setCaption(QStringLiteral("FERTIG"));
        if (BestaetigungsKlangAn == 1)
            Abspielen(klangspieler().MMControl1);
        eraseBar();
    } catch (const platform::Error &e) {
        ladenFehler(*this, e.number, menusAus);
    } catch (const std::bad_alloc &) {
        ladenFehler(*this, 7, menusAus);
    }
}

void Form1::zaehlzaehl_Click()
{
    KlickSpielen();
    ZeilenZaehlen();
}

void Form1::ZeilenZaehlen()
{
    Label13->setCaption(befehlsdatei::zaehlText(Text1->text()));
}

void Form1::grossbuchstststaben_Click()
{
    KlickSpielen();
    gross = gross == 0 ? 1 : 0;
    grossbuchstststaben->setChecked(gross == 1);
}
