// The order-code reference window: list, picked help, secret-order toggle, hiding and discarding.
#include "core/form3.h"
#include "core/globals.h"
#include "orderref/form2.h"
#include "orderref/katalog.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QtTest>

using orderref::Befehl;

namespace {
bool listeZeigt(const QListWidget *l, const QList<Befehl> &befehle)
{
    bool gleich = l->count() == befehle.size();
    for (int i = 0; gleich && i < befehle.size(); ++i)
        gleich = l->item(i)->text() == befehle[i].titel;
    return gleich;
}
QString kopf(const QString &t, int nummer) { return t + QStringLiteral(" , Befehl Nummer ") + QString::number(nummer); }
} // namespace

class TstForm2 : public QObject {
    Q_OBJECT
    Form2 *f = nullptr;
    Dialoge dlg;
    QTemporaryDir dir;

    // The switch shows ON in green or OFF in red; its animation leaves it where it ended.
    void schalter(qint16 an, float links, float breite)
    {
        QCOMPARE(f->OnOFF, an);
        QCOMPARE(f->List1->count(), an ? 98 : 61);
        QCOMPARE(f->Label2->caption(), QString::fromLatin1(an ? "ON" : "OFF"));
        QCOMPARE(f->Label2->palette().color(QPalette::Window), an ? QColor(0, 192, 0) : QColor(255, 0, 0));
        QCOMPARE(f->Label2Left, links);
        QCOMPARE(f->Label2Width, breite);
        QVERIFY(f->Command1->isEnabled());
    }
    void frisch()
    {
        schalter(1, 8580, 1212);
        QVERIFY(listeZeigt(f->List1, orderref::katalog()));
        QVERIFY(f->List1->selectedItems().isEmpty());
        QCOMPARE(f->List1->currentRow(), -1);
        QCOMPARE(f->Label1->caption(), QString());
        QCOMPARE(f->Text1->text(), QString());
    }

private slots:
    void initTestCase()
    {
        Form3::instance();
        f = Form2::instance();
    }
    void init()
    {
        BestaetigungsKlangAn = 0;
        KlickKlangAn = 0;
        f->Unload();
    }

    void everyLineOfTheFreshWindowShowsItsHelp_data()
    {
        QTest::addColumn<bool>("versteckt");
        QTest::newRow("alle") << false;
        QTest::newRow("ohne Geheimbefehle") << true;
    }
    void everyLineOfTheFreshWindowShowsItsHelp()
    {
        QFETCH(bool, versteckt);
        QCOMPARE(f->windowTitle(), QStringLiteral("Hilfe zu Gub Befehlen"));
        frisch();
        BestaetigungsKlangAn = 1; // the sound player must take it silently
        if (versteckt)
            f->Command1_Click();
        const QList<Befehl> &l = versteckt ? orderref::oeffentlich() : orderref::katalog();
        f->show(); // the mouse and the keys pick a line too
        QWidget *vp = f->List1->viewport();
        for (int zeile : {2, 5}) {
            QTest::mouseClick(vp, Qt::LeftButton, {}, f->List1->visualItemRect(f->List1->item(zeile)).center());
            QCOMPARE(f->Label1->caption(), kopf(l[zeile].titel, zeile + 1));
        }
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->Label1->caption(), kopf(l[6].titel, 7));
        for (int i = 0; i < l.size(); ++i) {
            f->List1->setCurrentRow(i);
            QCOMPARE(f->Label1->caption(), kopf(l[i].titel, i + 1));
            QCOMPARE(f->Text1->text(), orderref::hilfetext(l[i]));
        }
        f->List1->clearSelection();
        f->List1->setCurrentRow(-1);
        f->List1_Click(); // with nothing current
        QCOMPARE(f->Label1->caption(), QStringLiteral(" , Befehl Nummer 0"));
        QCOMPARE(f->Text1->text(), QString());
    }

    void confirmationAndClickSounds()
    {
        // Players on files of their own count their plays without a sound device.
        WavePlayer *bestaetigung = Form3::instance()->MMControl4, *klick = Form3::instance()->MMControl5;
        for (auto [m, name] : {std::pair{bestaetigung, "dui.wav"}, std::pair{klick, "Klick.wav"}}) {
            schreibeWave(dir.filePath(QString::fromLatin1(name)), 40);
            m->FileName = dir.filePath(QString::fromLatin1(name));
            m->Command(QStringLiteral("Open"));
        }
        QSignalSpy bestaetigt(bestaetigung, &WavePlayer::gespielt), geklickt(klick, &WavePlayer::gespielt);
        f->List1->setCurrentRow(1);
        QCOMPARE(bestaetigt.count(), 0);
        BestaetigungsKlangAn = 1;
        f->List1->setCurrentRow(2);
        QCOMPARE(bestaetigt.count(), 1);
        f->Command1_Click(); // toggling plays nothing
        QCOMPARE(bestaetigt.count(), 1);
        for (qint16 an : {0, 1}) {
            KlickKlangAn = an;
            f->show();
            f->Command2_Click();
            QCOMPARE(geklickt.count(), int(an));
        }
        bestaetigung->Command(QStringLiteral("Close"));
        klick->Command(QStringLiteral("Close"));
    }

    void toggleTakesOnePressKeepsThePickedHelpAndTwiceReturnsToTheFullList()
    {
        f->List1->setCurrentRow(4); // IN, a secret order
        const QString kopfVorher = f->Label1->caption(), textVorher = f->Text1->text();
        bool warGesperrt = false;
        QTimer::singleShot(0, f, [&] {
            warGesperrt = !f->Command1->isEnabled();
            f->Command1->click();
            f->Command1_Click();
        });
        f->Command1_Click();
        QVERIFY(warGesperrt);
        // 60 steps down to 12, 61 up to 1232: ten twips left of the start.
        schalter(0, 8570, 1232);
        QCOMPARE(f->Label1->caption(), kopfVorher);
        QCOMPARE(f->Text1->text(), textVorher);
        QVERIFY(f->List1->selectedItems().isEmpty());
        f->Command1_Click();
        schalter(1, 8570, 1232);
        QVERIFY(listeZeigt(f->List1, orderref::katalog()));
        QVERIFY(f->List1->selectedItems().isEmpty());
    }

    void escapeHidesAndKeepsEverythingClosingDiscardsItAlsoDuringTheAnimation()
    {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->Command1_Click();
        f->List1->setCurrentRow(4);
        const QString kopfVorher = f->Label1->caption();
        QTest::keyClick(f->List1, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        f->show();
        schalter(0, 8570, 1232);
        QCOMPARE(f->List1->currentRow(), 4);
        QCOMPARE(f->Label1->caption(), kopfVorher);
        f->close();
        QVERIFY(!f->isVisible());
        f->show();
        frisch();
        QTimer::singleShot(0, f, [this] { f->close(); });
        f->Command1_Click();
        QVERIFY(!f->isVisible());
        frisch();
        QTimer::singleShot(0, f, [this] { f->Unload(); });
        f->Command1_Click();
        frisch();
    }
};

BW_TEST_MAIN(TstForm2)
#include "tst_form2.moc"
