// Printing for real on the default printer: the PDF printer that the test
// set-up installs writes each job as a file, which must have all its pages.
#include "core/drucken.h"
#include "mainwindow/form1.h"
#include "pdftext.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTemporaryDir>
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
        if (QPrinterInfo::defaultPrinter().isNull() || !pdfWerkzeugeDa())
            QSKIP("Kein Standarddrucker (scripts/print-setup.sh) oder kein pdfinfo");
        Form1 *f = Form1::instance();
        QStringList befehle{QStringLiteral("#BEF 42 17 7")};
        for (int i = 1; i <= 150; ++i)
            befehle << QStringLiteral("AB %1 Körner nach Feld %2").arg(i).arg(1000 + i);
        f->Text1->setText(befehle.join(QStringLiteral("\r\n")));
        // Once into a file on the printer's own page size, once to the printer
        // under a name of its own, which tells this job from others.
        const QString vergleich = dir.filePath(QStringLiteral("vergleich.pdf"));
        const QString name = QStringLiteral("BefehlswartProbe%1").arg(QCoreApplication::applicationPid());
        const auto echt = druckerOeffnen;
        for (bool inDatei : {true, false}) {
            druckerOeffnen = [&] {
                auto p = echt();
                const QPageLayout seite = p->pageLayout();
                if (inDatei) {
                    p->setOutputFormat(QPrinter::PdfFormat);
                    p->setPageLayout(seite);
                    p->setOutputFileName(vergleich);
                } else {
                    p->setDocName(name);
                }
                return p;
            };
            f->Label3->setCaption(QString());
            dlg.leeren();
            dlg.eingaben = {QStringLiteral("Nix")};
            f->befdruck_Click();
            druckerOeffnen = echt;
            QVERIFY(dlg.prompts().isEmpty() && f->Label3->caption() == QStringLiteral("GEDRUCKT"));
        }
        const int seiten = pdfSeiten(vergleich);
        QVERIFY2(seiten >= 3, qPrintable(QString::number(seiten)));
        // The PDF printer writes into the folder PDF in the user's home, in its own time.
        const passwd *pw = getpwuid(getuid());
        QDir ordner(QString::fromLocal8Bit(pw ? pw->pw_dir : qgetenv("HOME").constData()) + QStringLiteral("/PDF"));
        QString neu;
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 60000 && (neu.isEmpty() || pdfSeiten(neu) <= 0)) {
            QTest::qWait(250);
            ordner.refresh();
            for (const QString &n : ordner.entryList({name + QStringLiteral("*.pdf")}, QDir::Files))
                neu = ordner.filePath(n);
        }
        QVERIFY2(!neu.isEmpty(), qPrintable(QStringLiteral("kein neuer Ausdruck in ") + ordner.path()));
        QCOMPARE(pdfSeiten(neu), seiten);
        QFile::remove(neu);
    }
};

BW_TEST_MAIN(TstDrucker)
#include "tst_drucker.moc"
