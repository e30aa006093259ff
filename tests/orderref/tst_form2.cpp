// The order-code reference window: list, picked help, secret-order toggle,
// hiding and discarding.
#include "core/form3.h"
#include "core/globals.h"
#include "orderref/form2.h"
#include "orderref/katalog.h"
#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using orderref::Befehl;

namespace {
QStringList titel(const QList<Befehl> &l)
{
    QStringList out;
    for (const Befehl &b : l)
        out << b.titel;
    return out;
}
QStringList listenTitel(const QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}
QString kopf(const QString &t, int nummer) { return t + QStringLiteral(" , Befehl Nummer ") + QString::number(nummer); }
QColor hintergrund(const QWidget *w) { return w->palette().color(QPalette::Window); }
const QColor kGruen(0, 192, 0);
const QColor kRot(255, 0, 0);
} // namespace

class TstForm2 : public QObject {
    Q_OBJECT
private:
    Form2 *f = nullptr;
    Dialoge dlg;
    QTemporaryDir dir;

    // Opens a start-settings player on a file of its own, so that its plays
    // can be counted without a sound device.
    WavePlayer *spieler(WavePlayer *m, const QString &name)
    {
        QFile datei(dir.filePath(name));
        if (!datei.open(QIODevice::WriteOnly))
            return nullptr;
        datei.write("RIFF");
        datei.close();
        m->FileName = datei.fileName();
        m->Command(QStringLiteral("Open"));
        return m;
    }

    void frisch()
    {
        QCOMPARE(f->OnOFF, qint16(1));
        QCOMPARE(listenTitel(f->List1), titel(orderref::katalog()));
        QVERIFY(f->List1->selectedItems().isEmpty());
        QCOMPARE(f->List1->currentRow(), -1);
        QCOMPARE(f->Label1->caption(), QString());
        QCOMPARE(f->Text1->text(), QString());
        QCOMPARE(f->Label2->caption(), QStringLiteral("ON"));
        QCOMPARE(hintergrund(f->Label2), kGruen);
        QCOMPARE(f->Label2Left, 8580.f);
        QCOMPARE(f->Label2Width, 1212.f);
        QVERIFY(f->Command1->isEnabled());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        Form3::instance();
        f = Form2::instance();
    }
    void init()
    {
        BestaetigungsKlangAn = 0;
        KlickKlangAn = 0;
        f->Unload();
    }

    void freshWindowListsAllOrders()
    {
        QCOMPARE(f->windowTitle(), QStringLiteral("Hilfe zu Gub Befehlen"));
        QCOMPARE(f->List1->count(), 98);
        frisch();
    }

    void everyOrderOfTheFullList()
    {
        BestaetigungsKlangAn = 1; // the sound player must take it silently
        const QList<Befehl> &k = orderref::katalog();
        for (int i = 0; i < k.size(); ++i) {
            f->List1->setCurrentRow(i);
            QCOMPARE(f->Label1->caption(), kopf(k[i].titel, i + 1));
            QCOMPARE(f->Text1->text(), orderref::hilfetext(k[i]));
            QVERIFY(f->Text1->text().startsWith(k[i].syntax));
        }
        QCOMPARE(f->Label1->caption(), kopf(k.last().titel, 98));
    }

    void mouseAndKeysPickTheLine()
    {
        f->show();
        const QList<Befehl> &k = orderref::katalog();
        QWidget *vp = f->List1->viewport();
        QTest::mouseClick(vp, Qt::LeftButton, {}, f->List1->visualItemRect(f->List1->item(2)).center());
        QCOMPARE(f->Label1->caption(), kopf(k[2].titel, 3));
        QCOMPARE(f->Text1->text(), orderref::hilfetext(k[2]));
        QTest::mouseClick(vp, Qt::LeftButton, {}, f->List1->visualItemRect(f->List1->item(5)).center());
        QCOMPARE(f->Text1->text(), orderref::hilfetext(k[5]));
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->Label1->caption(), kopf(k[6].titel, 7));
        QCOMPARE(f->Text1->text(), orderref::hilfetext(k[6]));
        f->hide();
    }

    void confirmationAndClickSounds()
    {
        WavePlayer *bestaetigung = spieler(Form3::instance()->MMControl4, QStringLiteral("dui.wav"));
        WavePlayer *klick = spieler(Form3::instance()->MMControl5, QStringLiteral("Klick.wav"));
        QVERIFY(bestaetigung && klick);
        QSignalSpy bestaetigt(bestaetigung, &WavePlayer::gespielt);
        QSignalSpy geklickt(klick, &WavePlayer::gespielt);

        BestaetigungsKlangAn = 0;
        f->List1->setCurrentRow(1);
        QCOMPARE(bestaetigt.count(), 0);
        QCOMPARE(f->Label1->caption(), kopf(orderref::katalog().at(1).titel, 2));
        BestaetigungsKlangAn = 1;
        f->List1->setCurrentRow(2);
        QCOMPARE(bestaetigt.count(), 1);
        // toggling plays nothing
        f->Command1_Click();
        QCOMPARE(bestaetigt.count(), 1);
        QCOMPARE(geklickt.count(), 0);

        f->show();
        KlickKlangAn = 0;
        f->Command2_Click();
        QCOMPARE(geklickt.count(), 0);
        f->show();
        KlickKlangAn = 1;
        f->Command2_Click();
        QCOMPARE(geklickt.count(), 1);
        QVERIFY(!f->isVisible());
        bestaetigung->Command(QStringLiteral("Close"));
        klick->Command(QStringLiteral("Close"));
    }

    void everyOrderOfTheHiddenList()
    {
        f->Command1_Click();
        const QList<Befehl> &o = orderref::oeffentlich();
        QCOMPARE(o.size(), 61);
        QCOMPARE(listenTitel(f->List1), titel(o));
        for (int i = 0; i < o.size(); ++i) {
            f->List1->setCurrentRow(i);
            QCOMPARE(f->Label1->caption(), kopf(o[i].titel, i + 1));
            QCOMPARE(f->Text1->text(), orderref::hilfetext(o[i]));
        }
        // VK is fifth here and shows the same text as at place 11 of the full list
        f->List1->setCurrentRow(4);
        QVERIFY(f->Label1->caption().startsWith(QStringLiteral("VK   ")));
        QVERIFY(f->Label1->caption().endsWith(QStringLiteral(" , Befehl Nummer 5")));
        QCOMPARE(f->Text1->text(), orderref::hilfetext(orderref::katalog().at(10)));
    }

    void toggleTwiceReturnsToTheFullList()
    {
        f->Command1_Click();
        QCOMPARE(f->OnOFF, qint16(0));
        QCOMPARE(f->List1->count(), 61);
        QCOMPARE(f->Label2->caption(), QStringLiteral("OFF"));
        QCOMPARE(hintergrund(f->Label2), kRot);
        QVERIFY(f->Command1->isEnabled());
        // 60 steps down to 12, 61 up to 1232: ten twips left of the design
        QCOMPARE(f->Label2Left, 8570.f);
        QCOMPARE(f->Label2Width, 1232.f);

        f->List1->setCurrentRow(2);
        f->Command1_Click();
        QCOMPARE(f->OnOFF, qint16(1));
        QCOMPARE(listenTitel(f->List1), titel(orderref::katalog()));
        QVERIFY(f->List1->selectedItems().isEmpty());
        QCOMPARE(f->Label2->caption(), QStringLiteral("ON"));
        QCOMPARE(hintergrund(f->Label2), kGruen);
        QCOMPARE(f->Label2Left, 8570.f);
        QCOMPARE(f->Label2Width, 1232.f);
    }

    void pickedHelpOutlivesTheToggle()
    {
        const QList<Befehl> &k = orderref::katalog();
        int geheim = -1;
        for (int i = 0; i < k.size() && geheim < 0; ++i)
            if (k[i].geheim)
                geheim = i;
        QVERIFY(geheim >= 0);
        f->List1->setCurrentRow(geheim);
        const QString kopfVorher = f->Label1->caption();
        const QString textVorher = f->Text1->text();
        f->Command1_Click();
        QCOMPARE(f->Label1->caption(), kopfVorher);
        QCOMPARE(f->Text1->text(), textVorher);
        QVERIFY(f->List1->selectedItems().isEmpty());
    }

    void clickWithNothingCurrent()
    {
        f->List1->setCurrentRow(3);
        f->List1->clearSelection();
        f->List1->setCurrentRow(-1);
        BestaetigungsKlangAn = 1;
        f->List1_Click();
        QCOMPARE(f->Label1->caption(), QStringLiteral(" , Befehl Nummer 0"));
        QCOMPARE(f->Text1->text(), QString());
    }

    void secondPressDuringTheAnimationIsNotTaken()
    {
        bool warGesperrt = false;
        QTimer::singleShot(0, f, [&] {
            warGesperrt = !f->Command1->isEnabled();
            f->Command1->click();
            f->Command1_Click();
        });
        f->Command1_Click();
        QVERIFY(warGesperrt);
        QCOMPARE(f->OnOFF, qint16(0));
        QCOMPARE(f->List1->count(), 61);
        QCOMPARE(f->Label2->caption(), QStringLiteral("OFF"));
        QCOMPARE(f->Label2Width, 1232.f);
        QVERIFY(f->Command1->isEnabled());
    }

    void closingDuringTheAnimationLeavesAFreshWindow()
    {
        f->show();
        QTimer::singleShot(0, f, [this] { f->close(); });
        f->Command1_Click();
        QVERIFY(!f->isVisible());
        frisch();
        // and once more through an unload
        QTimer::singleShot(0, f, [this] { f->Unload(); });
        f->Command1_Click();
        frisch();
    }

    void hidingKeepsEverything()
    {
        f->show();
        f->Command1_Click();
        f->List1->setCurrentRow(4);
        const QString kopfVorher = f->Label1->caption();
        f->Command2_Click();
        QVERIFY(!f->isVisible());
        f->show();
        QCOMPARE(f->OnOFF, qint16(0));
        QCOMPARE(f->List1->count(), 61);
        QCOMPARE(f->List1->currentRow(), 4);
        QCOMPARE(f->Label1->caption(), kopfVorher);
        QCOMPARE(f->Label2->caption(), QStringLiteral("OFF"));
    }

    void escapeHides()
    {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->List1->setFocus();
        QTest::keyClick(f->List1, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
    }

    void closingDiscardsTheState()
    {
        f->show();
        f->Command1_Click();
        f->List1->setCurrentRow(1);
        f->close();
        QVERIFY(!f->isVisible());
        f->show();
        frisch();
        f->hide();
    }
};

QTEST_MAIN(TstForm2)
#include "tst_form2.moc"
