// Font name and size of the orders box and the report box.
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "testsupport.h"

#include <QFontDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kUngueltig = QStringLiteral("Keine gültige Eingabe.");
const QString kNichtVerfuegbar = QStringLiteral("Schriftart nicht verfügbar");
} // namespace

class TstSchriften : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;

    // A listed font other than the one the box shows now.
    int andereSchrift(QComboBox *box)
    {
        for (int i = 0; i < box->count(); ++i)
            if (i != box->currentIndex() && box->itemText(i) != QLatin1String("Courier New"))
                return i;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(dir.isValid());
        dlg = new Dialoge;
        f = hauptfenster(dir.path());
    }
    void init()
    {
        f->Text3->setText(QStringLiteral("7"));
        f->Text4->setText(QStringLiteral("10"));
        dlg->leeren();
    }

    void listsHoldTheSystemFonts()
    {
        const QStringList schriften = QFontDatabase::families();
        QVERIFY(!schriften.isEmpty());
        // Every system family is there, under its name without foundry tag.
        for (const QString &fam : schriften) {
            const QString name = fam.section(QStringLiteral(" ["), 0, 0);
            QVERIFY2(f->Combo1->findText(name, Qt::MatchFixedString) >= 0, qPrintable(name));
            QVERIFY2(f->Combo2->findText(name, Qt::MatchFixedString) >= 0, qPrintable(name));
        }
        // Filling the lists chose nothing: the start fonts stand.
        QCOMPARE(f->Combo1->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(f->Combo2->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(f->Text1->fontName(), QStringLiteral("Courier New"));
        QCOMPARE(f->Text1->fontSize(), 10.0);
        QCOMPARE(f->Text2->fontSize(), 7.0);
    }

    void eachBoxFollowsItsChooser()
    {
        const int i = andereSchrift(f->Combo1), j = andereSchrift(f->Combo2);
        QVERIFY(i >= 0 && j >= 0);
        f->Text4->setText(QStringLiteral("12"));
        f->Combo1->setCurrentIndex(i);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        QCOMPARE(f->Text1->font().family(), QFont(f->Combo1->itemText(i)).family());
        QCOMPARE(f->Text1->fontSize(), 12.0);
        QCOMPARE(f->Text2->fontName(), QStringLiteral("Courier New"));
        f->Combo2->setCurrentIndex(j);
        QCOMPARE(f->Text2->fontName(), f->Combo2->itemText(j));
        QCOMPARE(f->Text2->fontSize(), 7.0);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        // The player picks the entry already shown: only activated is reported.
        QTest::qWait(1);
        f->Text1->setFontName(QStringLiteral("Courier New"));
        emit f->Combo1->activated(i);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        QVERIFY(dlg->boxen.isEmpty());
    }

    void courierForTheReportResetsItsSize()
    {
        f->Text3->setText(QStringLiteral("11"));
        QCOMPARE(f->Text2->fontSize(), 11.0);
        f->Combo2->setEditText(QStringLiteral("courier new"));
        f->Combo2_Click();
        QCOMPARE(f->Text3->text(), QStringLiteral("7"));
        QCOMPARE(f->Text2->fontSize(), 7.0);
        // For the orders a typed size stays.
        f->Text4->setText(QStringLiteral("13"));
        f->Combo1->setEditText(QStringLiteral("Courier New"));
        f->Combo1_Click();
        QCOMPARE(f->Text4->text(), QStringLiteral("13"));
        QCOMPARE(f->Text1->fontSize(), 13.0);
        QVERIFY(dlg->boxen.isEmpty());
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<double>("groesse");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("7,5") << QStringLiteral("7,5") << 7.5 << QString();
        QTest::newRow("14") << QStringLiteral("14") << 14.0 << QString();
        QTest::newRow("leer") << QString() << 9.0 << QString();
        for (const char *falsch : {"x", "0", "-3", "2161"})
            QTest::newRow(falsch) << QString::fromLatin1(falsch) << 9.0 << kUngueltig;
    }
    void sizes()
    {
        QFETCH(QString, eingabe);
        QFETCH(double, groesse);
        QFETCH(QString, meldung);
        for (auto [box, text] : {std::pair{f->Text3, f->Text2}, std::pair{f->Text4, f->Text1}}) {
            box->setText(QStringLiteral("9"));
            dlg->leeren();
            box->setText(eingabe);
            QCOMPARE(text->fontSize(), groesse);
            QCOMPARE(dlg->prompts(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        }
    }

    void sizeKeepsTheFontName()
    {
        f->Text2->setFontName(QStringLiteral("DejaVu Sans"));
        f->Text3->setText(QStringLiteral("8"));
        QCOMPARE(f->Combo2->currentText(), QStringLiteral("DejaVu Sans"));
        f->Text2->setFontName(QStringLiteral("Courier New"));
    }

    void badSizeOnChoice()
    {
        f->Text4->setText(QStringLiteral("x"));
        f->Text1->setFontSize(10);
        dlg->leeren();
        const int i = andereSchrift(f->Combo1);
        f->Combo1->setCurrentIndex(i);
        // The name is taken before the size fails.
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        QCOMPARE(f->Text1->fontSize(), 10.0);
        f->Text4->setText(QStringLiteral("10"));
        f->Combo1->setEditText(QStringLiteral("  "));
        f->Combo1_Click();
        QCOMPARE(dlg->prompts(), QStringList(2, kNichtVerfuegbar));
    }

    void clickSelectsTheSize()
    {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->Text3->setText(QStringLiteral("12"));
        f->Text3->deselect();
        QTest::mouseClick(f->Text3, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(f->Text3->selectedText(), QStringLiteral("12"));
        f->Text4_Click();
        QCOMPARE(f->Text4->selectedText(), f->Text4->text());
        f->hide();
    }
};

QTEST_MAIN(TstSchriften)
#include "tst_schriften.moc"
