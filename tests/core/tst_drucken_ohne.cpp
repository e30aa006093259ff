// Printing on a system without any printer: the remark is asked, then the
// player is told, and nothing says "GEDRUCKT".
#include "core/drucken.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "testsupport.h"

#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// No print system answers this process.
const bool g_ohneDrucker = [] {
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    return true;
}();

const QString kKeinDrucker = QStringLiteral(
    "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
    "Dies scheint nicht der Fall zu sein.\nMöglich ist auch, dass der Drucker nicht eingeschaltet ist.");
} // namespace

class TstDruckenOhne : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge dlg;

private slots:
    void initTestCase();
    void failureIsToldAfterTheRemark_data();
    void failureIsToldAfterTheRemark();
};

void TstDruckenOhne::initTestCase()
{
    Q_UNUSED(g_ohneDrucker);
    QVERIFY(dir.isValid());
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    Form1::instance()->Dir1->setPath(dir.path());
}

void TstDruckenOhne::failureIsToldAfterTheRemark_data()
{
    QTest::addColumn<int>("wo");
    QTest::newRow("report, F11") << 0;
    QTest::newRow("orders, F12") << 1;
    QTest::newRow("enlarged view") << 2;
}

void TstDruckenOhne::failureIsToldAfterTheRemark()
{
    QFETCH(int, wo);
    Form1 *f = Form1::instance();
    f->Text1->setText(QStringLiteral("#BEF 1 2 3"));
    f->Text2->setText(QStringLiteral("Auswertung"));
    f->Label3->setCaption(QStringLiteral("FERTIG"));
    dlg.leeren();
    dlg.eingaben << QStringLiteral("Zug 17");
    if (wo == 0) {
        f->auswdruck_Click();
    } else if (wo == 1) {
        f->befdruck_Click();
    } else {
        f->befmax_Click();
        Form6::instance()->drr_Click();
    }
    QCOMPARE(dlg.eingabeFragen, QStringList{QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen.")});
    QCOMPARE(dlg.prompts(), QStringList{kKeinDrucker});
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
}

QTEST_MAIN(TstDruckenOhne)
#include "tst_drucken_ohne.moc"
