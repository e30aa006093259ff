// Printing where no printer answers: the remark is asked, then the player is
// told, and nothing says "GEDRUCKT".
#include "core/drucken.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "testsupport.h"

#include <QPrinterInfo>
#include <QtTest>

namespace {
// No print system answers this process.
const bool g_ohneDrucker = [] { return qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); }();
} // namespace

class TstDruckenOhne : public QObject {
    Q_OBJECT
    Dialoge dlg;
private slots:
    void failureIsToldAfterTheRemark_data()
    {
        QTest::addColumn<int>("wo"); // F11, F12, the enlarged view's menu
        QTest::addColumn<bool>("startetNicht");
        QTest::newRow("no printer, F11") << 0 << false;
        QTest::newRow("no printer, enlarged view") << 2 << false;
        QTest::newRow("printer that cannot start") << 1 << true;
    }
    void failureIsToldAfterTheRemark()
    {
        QFETCH(int, wo);
        QFETCH(bool, startetNicht);
        QVERIFY(g_ohneDrucker && QPrinterInfo::defaultPrinter().isNull());
        const auto echt = druckerOeffnen;
        if (startetNicht)
            druckerOeffnen = [] {
                auto p = std::make_unique<QPrinter>();
                p->setOutputFileName(QStringLiteral("/nicht/da/druck.pdf"));
                return p;
            };
        Form1 *f = Form1::instance();
        f->Text1->setText(QStringLiteral("#BEF 1 2 3"));
        f->Text2->setText(QStringLiteral("Auswertung"));
        f->Label3->setCaption(QStringLiteral("FERTIG"));
        dlg.leeren();
        dlg.eingaben = {QStringLiteral("Zug 17")};
        wo == 0 ? f->auswdruck_Click() : wo == 1 ? f->befdruck_Click() : (f->befmax_Click(), Form6::instance()->drr_Click());
        druckerOeffnen = echt;
        QCOMPARE(dlg.eingabeFragen, QStringList{QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen.")});
        QCOMPARE(dlg.prompts(), QStringList{QStringLiteral(
            "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
            "Dies scheint nicht der Fall zu sein.\nMöglich ist auch, dass der Drucker nicht eingeschaltet ist.")});
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    }
};

QTEST_MAIN(TstDruckenOhne)
#include "tst_drucken_ohne.moc"
