// Long lines kept within the page, and printing for real on the test set-up's PDF printer: every line reaches it.
#include "core/drucken.h"
#include "mainwindow/form1.h"
#include "pdftext.h"
#include "testmain.h"
#include "testsupport.h"

#include <QPainter>
#include <QPrinterInfo>
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

class TstDrucker : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
private slots:
    void ordersReachThePrinterWithAllPages()
    {
        QVERIFY2(QPrinterInfo::defaultPrinter().printerName() == qEnvironmentVariable("PRINTER", "-"),
                 "PRINTER nennt keine Warteschlange; nur auf ihr wird gedruckt (scripts/run-tests.sh)");
        PDF_WERKZEUGE_PRUEFEN();
        Form1 *f = Form1::instance();
        QStringList befehle{QStringLiteral("#BEF 42 17 7")};
        for (int i = 1; i <= 150; ++i)
            befehle << QStringLiteral("AB %1 Körner nach Feld %2").arg(i).arg(1000 + i);
        f->Text1->setText(befehle.join(QStringLiteral("\r\n")));
        // A job name of its own tells this job from others.
        const QString name = QStringLiteral("BefehlswartProbe%1").arg(QCoreApplication::applicationPid());
        const auto echt = druckerOeffnen;
        druckerOeffnen = [&] {
            auto p = echt();
            p->setDocName(name);
            return p;
        };
        dlg.leeren();
        dlg.eingaben = {QStringLiteral("Nix")};
        f->befdruck_Click();
        druckerOeffnen = echt;
        QVERIFY(dlg.prompts().isEmpty() && f->Label3->caption() == QStringLiteral("GEDRUCKT"));
        // The PDF printer writes into the folder PDF in the user's home, in its own time.
        const passwd *pw = getpwuid(getuid());
        const QString ordner = QString::fromLocal8Bit(pw ? pw->pw_dir : qgetenv("HOME").constData()) + "/PDF/";
        QString neu;
        const auto gedruckt = [&] {
            const QStringList n = QDir(ordner).entryList({name + QStringLiteral("*.pdf")}, QDir::Files);
            return !n.isEmpty() && pdfSeiten(neu = ordner + n.last()) > 0;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(gedruckt(), qPrintable(QStringLiteral("kein Ausdruck in ") + ordner), 60000);
        // The head's four lines, then every order once, over more than two pages.
        QStringList zeilen = pdfZeilen(neu);
        QCOMPARE(zeilen.size(), 4 + befehle.size());
        QCOMPARE(zeilen.removeDuplicates(), 0);
        QVERIFY(pdfSeiten(neu) >= 3);
        QFile::remove(neu);
    }

    // On a page one line high and as wide as "xxxxxx xxx" every line takes a page of its own: a long line goes on
    // after its last blank that fits, the rule stops at the edge, and nothing reaches beyond it.
    void longLinesWrapWithinThePage()
    {
        QImage bild(1200, 100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        const QFont schrift(QStringLiteral("Courier New"), 12);
        const QFontMetricsF fm(schrift, &bild);
        const QSizeF seite(fm.horizontalAdvance(QStringLiteral("xxxxxx xxx")), fm.lineSpacing());
        ausdruck::Setzer s(p, seite, [] { return true; });
        s.schrift(schrift);
        QVERIFY(s.zeile(QStringLiteral("xxxxxx xxxxxx xxxxxx")) && s.linie(ausdruck::kLinie));
        QCOMPARE(s.seiten(), 4);
        const QImage gesetzt = bild.copy();
        p.fillRect(QRectF(seite.width() + 1, 0, bild.width(), bild.height()), Qt::white);
        p.end();
        QCOMPARE(bild, gesetzt);
    }
};

BW_TEST_MAIN(TstDrucker)
#include "tst_drucker.moc"
