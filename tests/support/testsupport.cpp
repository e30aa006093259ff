#include "testsupport.h"

#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "map/karte.h"
#include "map/ladenmenu.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

void schreibeDatei(const QString &pfad, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray liesDatei(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int fehlerNummer(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const platform::Error &e) {
        return e.number;
    }
    return 0;
}

Form1 *hauptfenster(const QString &ordner)
{
    Form1::endProgram = [] {};
    // The start settings change the folder and name a start report when made.
    Form3::instance();
    StandardPfad = ordner;
    StartAuswertung.clear();
    QDir::setCurrent(ordner);
    Form1 *f = Form1::instance();
    f->Dir1->setPath(ordner);
    return f;
}

void ladeBericht(Form1 *f, const QString &name, const QByteArray &bytes)
{
    schreibeDatei(QDir(f->File1->path()).filePath(name), bytes);
    f->File1->refresh();
    f->File1->selectFile(name);
}

bool dateiMenusAn(const Form1 *f)
{
    return f->aktu->isEnabled() && f->speichern->isEnabled() && f->laden->isEnabled()
           && f->auswertungspeicherrrrn->isEnabled();
}

bool dialogGeschlossen()
{
    // Without a parent: over one, the dialog would hand its window the focus as it closes.
    QDialog dialog;
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        return false;
    dialog.hide();
    return Form::aktivesFenster() == nullptr;
}

namespace {
Label *popupEintrag(int eintrag)
{
    LadenMenu *m = LadenMenu::instance();
    return eintrag == 1 ? m->Label1 : eintrag == 2 ? m->Label2 : m->Label3;
}
} // namespace

void popupKlick(int eintrag) { QTest::mouseClick(popupEintrag(eintrag), Qt::LeftButton); }

void neueKarte(int spalten, int zeilen)
{
    Karte *k = Karte::instance();
    k->Text1->setText(QString::number(spalten));
    k->Text2->setText(QString::number(zeilen));
    QTimer::singleShot(0, [] { popupKlick(1); });
    k->Command1_Click();
}

void leereKarte()
{
    FeldBreite = FeldHoehe = 5000;
    Karte *k = Karte::instance();
    k->feldtafel.aenderungenSpeichern();
    k->gespeichert.merken();
    neueKarte(3, 3);
    k->gespeichert.merken();
}

// Sent to the label itself: a moved cursor would reach whatever window lies on top.
void popupUeber(int eintrag)
{
    Label *l = popupEintrag(eintrag);
    const QPointF mitte = l->rect().center();
    QMouseEvent e(QEvent::MouseMove, mitte, l->mapToGlobal(mitte), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(l, &e);
}

Dialoge::Dialoge()
{
    platform::setMsgBoxHook([this](const QString &prompt, int buttons, const QString &title) {
        boxen.append({prompt, buttons, title});
        ueber.append(platform::boxFenster());
        if (!antworten.isEmpty())
            return antworten.takeFirst();
        return (buttons & 0x0F) == platform::OkOnly ? int(platform::Ok) : standardAntwort;
    });
    platform::setInputBoxHook([this](const QString &prompt, const QString &, const QString &) {
        eingabeFragen.append(prompt);
        ueber.append(platform::boxFenster());
        return eingaben.isEmpty() ? QString() : eingaben.takeFirst();
    });
}

Dialoge::~Dialoge()
{
    platform::setMsgBoxHook({});
    platform::setInputBoxHook({});
}

QStringList Dialoge::prompts() const
{
    QStringList out;
    for (const Box &b : boxen)
        out << b.prompt;
    return out;
}

std::array<int, 3> ablegen(TextBox &box, const QPoint &ort, const QMimeData &daten, Qt::DropActions aktionen,
                           Qt::KeyboardModifiers mit)
{
    auto ist = [](const QDropEvent &e) { return e.isAccepted() ? int(e.dropAction()) : 0; };
    QDragEnterEvent hinein(ort, aktionen, &daten, Qt::LeftButton, mit);
    QCoreApplication::sendEvent(box.viewport(), &hinein);
    QDragMoveEvent ueber(ort, aktionen, &daten, Qt::LeftButton, mit);
    QCoreApplication::sendEvent(box.viewport(), &ueber);
    QDropEvent abgelegt(ort, aktionen, &daten, Qt::LeftButton, mit);
    QCoreApplication::sendEvent(box.viewport(), &abgelegt);
    return {ist(hinein), ist(ueber), ist(abgelegt)};
}

// Puts a text into a box as a player can: typed ("Taste"), by an input
// method ("Eingabemethode", a dead key's letter), pasted ("Einfuegen") or
// dropped at the end ("Ablegen").
void eingeben(TextBox &box, const QString &weg, const QString &text)
{
    if (weg.endsWith(QLatin1String("Taste"))) {
        Qt::KeyboardModifiers mit;
        for (const QString &taste : weg.split(u'+')) {
            mit |= taste == QLatin1String("Alt")         ? Qt::AltModifier
                   : taste == QLatin1String("Strg")      ? Qt::ControlModifier
                   : taste == QLatin1String("Umschalt")  ? Qt::ShiftModifier
                   : taste == QLatin1String("Meta")      ? Qt::MetaModifier
                                                         : Qt::NoModifier;
        }
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, mit, text);
        QCoreApplication::sendEvent(&box, &druck);
    } else if (weg == QLatin1String("Eingabemethode")) {
        QInputMethodEvent ein;
        ein.setCommitString(text);
        QCoreApplication::sendEvent(&box, &ein);
    } else if (weg == QLatin1String("Einfuegen")) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else if (weg == QLatin1String("Ablegen")) {
        QMimeData daten;
        daten.setText(text);
        QTextCursor ende(box.document());
        ende.movePosition(QTextCursor::End);
        ablegen(box, box.cursorRect(ende).center(), daten, Qt::CopyAction, Qt::NoModifier);
    } else {
        QTest::qFail("unbekannter Weg", __FILE__, __LINE__);
    }
}
