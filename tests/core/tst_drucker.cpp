// Printing for real on the system's default printer: the PDF printer that
// the test set-up installs writes each job as a file, which must come with
// all its pages.
#include "core/drucken.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "pdftext.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

namespace {
// Where the PDF printer puts the jobs of this user.
QString ausgabeOrdner()
{
    const passwd *pw = getpwuid(getuid());
    return QString::fromLocal8Bit(pw ? pw->pw_dir : qgetenv("HOME").constData()) + QStringLiteral("/PDF");
}

QStringList pdfs(const QString &ordner)
{
    return QDir(ordner).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}
} // namespace

class TstDrucker : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge dlg;

private slots:
    void initTestCase();
    void ordersReachThePrinterWithAllPages();
};

void TstDrucker::initTestCase()
{
    QVERIFY(dir.isValid());
    if (QPrinterInfo::defaultPrinter().isNull())
        QSKIP("Kein Standarddrucker eingerichtet (scripts/print-setup.sh)");
    if (!pdfWerkzeugeDa())
        QSKIP("pdfinfo fehlt (poppler-utils)");
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    Form1::instance()->Dir1->setPath(dir.path());
}

void TstDrucker::ordersReachThePrinterWithAllPages()
{
    Form1 *f = Form1::instance();
    QStringList befehle{QStringLiteral("#BEF 42 17 7")};
    for (int i = 1; i <= 150; ++i)
        befehle << QStringLiteral("AB %1 Körner nach Feld %2").arg(i).arg(1000 + i);
    f->Text1->setText(befehle.join(QStringLiteral("\r\n")));

    // The same printout into a file of the printer's own page size.
    const QString vergleich = dir.filePath(QStringLiteral("vergleich.pdf"));
    auto echt = druckerOeffnen;
    druckerOeffnen = [&] {
        auto p = echt();
        const QPageLayout seite = p->pageLayout();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setPageLayout(seite);
        p->setOutputFileName(vergleich);
        return p;
    };
    dlg.eingaben << QStringLiteral("Nix");
    f->befdruck_Click();
    druckerOeffnen = echt;
    const int seiten = pdfSeiten(vergleich);
    QVERIFY2(seiten >= 3, qPrintable(QString::number(seiten)));

    const QString ordner = ausgabeOrdner();
    const QStringList vorher = pdfs(ordner);
    f->Label3->setCaption(QString());
    dlg.leeren();
    dlg.eingaben << QStringLiteral("Nix");
    f->befdruck_Click();
    QCOMPARE(dlg.prompts(), QStringList());
    QCOMPARE(f->Label3->caption(), QStringLiteral("GEDRUCKT"));

    // The job goes through the print system on its own time; it gets a
    // minute at most.
    QString neu;
    qint64 groesse = -1;
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 60000) {
        for (const QString &n : pdfs(ordner))
            if (!vorher.contains(n))
                neu = QDir(ordner).filePath(n);
        if (!neu.isEmpty()) {
            const qint64 jetzt = QFileInfo(neu).size();
            if (jetzt > 0 && jetzt == groesse && pdfSeiten(neu) > 0)
                break;
            groesse = jetzt;
        }
        QTest::qWait(250);
    }
    QVERIFY2(!neu.isEmpty(), qPrintable(QStringLiteral("kein neuer Ausdruck in ") + ordner));
    QCOMPARE(pdfSeiten(neu), seiten);
    QFile::remove(neu);
}

QTEST_MAIN(TstDrucker)
#include "tst_drucker.moc"
