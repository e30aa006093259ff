// What a new player meets first in the main window: Esc in an open list,
// the window's place, exact selections between CR and LF, capitals, a
// stopped load's font, German error texts and quitting during a load.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "testsupport.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TstErsteSchritte : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;

    void lade(const QString &name, const QByteArray &bytes)
    {
        schreibeDatei(dir.filePath(name), bytes);
        f->File1->refresh();
        f->File1->selectFile(name);
    }

private slots:
    void initTestCase();
    void init();
    void escInOffenerListeBeendetNicht_data();
    void escInOffenerListeBeendetNicht();
};

void TstErsteSchritte::initTestCase()
{
    QVERIFY(dir.isValid());
    dlg = new Dialoge;
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    f = Form1::instance();
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void TstErsteSchritte::init()
{
    dlg->leeren();
    dlg->antworten.clear();
    dlg->standardAntwort = platform::No;
}

void TstErsteSchritte::escInOffenerListeBeendetNicht_data()
{
    QTest::addColumn<QString>("liste");
    QTest::newRow("Combo3") << "Combo3";
    QTest::newRow("Combo2") << "Combo2";
}

void TstErsteSchritte::escInOffenerListeBeendetNicht()
{
    QFETCH(QString, liste);
    auto *box = f->findChild<QComboBox *>(liste);
    QVERIFY(box);
    box->setFocus();
    box->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget());
    // The key as the window system brings it: to the popup's own window.
    QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY2(dlg->boxen.isEmpty(), qPrintable(dlg->letzter()));
    // With nothing open, Esc is the quit button again.
    QTest::qWait(1);
    f->findChild<QAction *>(QStringLiteral("Command2_Cancel"))->trigger();
    QCOMPARE(dlg->boxen.size(), 1);
    QVERIFY(dlg->letzter().endsWith(QStringLiteral("Wirklich beenden?")));
}

QTEST_MAIN(TstErsteSchritte)
#include "tst_erste_schritte.moc"
