// Every caption, order title, font name and folder row fits its room; picture buttons match.
#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/form4.h"
#include "core/form5.h"
#include "core/form7.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "mainwindow/leer.h"
#include "orderref/form2.h"
#include "rulesref/referenz.h"
#include "testmain.h"
#include "testsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QtTest>

namespace {
// Whether a caption fits the room its control draws it in.
bool passt(QWidget *w)
{
    QString text;
    QRect platz;
    int flags = Qt::TextShowMnemonic;
    QStyleOptionButton opt;
    opt.initFrom(w);
    if (auto *l = qobject_cast<QLabel *>(w)) {
        text = l->text();
        platz = l->contentsRect();
        flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        text = b->text();
        const bool knopf = qobject_cast<QPushButton *>(w);
        platz = w->style()->subElementRect(knopf ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents, &opt, w);
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        text = g->title();
        platz = QRect(0, 0, g->width() - 2 * g->fontMetrics().averageCharWidth(), g->fontMetrics().height() + 2);
    }
    // Lines are a fraction of a pixel high; they add up before rounding.
    const QRectF noetig = QFontMetricsF(w->font()).boundingRect(QRectF(0, 0, platz.width(), 1e5), flags, text);
    return text.isEmpty() || (noetig.width() <= platz.width() && noetig.height() <= platz.height());
}
} // namespace

class TstBeschriftungen : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    Form1 *f = nullptr;

private slots:
    void initTestCase()
    {
        dlg.standardAntwort = platform::Yes;
        ProgrammPfad = dir.path() + QLatin1Char('/');
        f = hauptfenster(dir.path());
        // Every window the program has, so that each is walked.
        Form5::instance(), Form7::instance(), Form4::instance(), Leer::instance();
        Form2::instance(), Form6::instance();
        for (const char *name : {"Karte", "Groesse", "LadenMenu", "HErst"})
            fensterliste::fenster(QString::fromLatin1(name));
    }

    void jedeBeschriftungPasst_data()
    {
        QTest::addColumn<QByteArray>("bericht");
        // IBM850 with a frame of double lines; 0x84 'ä' marks the set.
        QTest::newRow("OEM") << QByteArray("\xC9\xCD\xBB\r\n\xBA M\x84use \xBA\r\n\xC8\xCD\xBC\r\n#BEF 1 2 3\r\n");
        QTest::newRow("Windows") << QByteArray("K\xF6rner\r\n#BEF 1 2 3\r\n");
        QTest::newRow("ohne Zeichensatz") << QByteArray("#BEF 1 2 3\r\nKorn\r\n");
    }

    void jedeBeschriftungPasst()
    {
        QFETCH(QByteArray, bericht);
        ladeBericht(f, QStringLiteral("bericht.txt"), bericht);
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QStringList fehler;
        for (QWidget *top : QApplication::topLevelWidgets())
            for (QWidget *w : top->findChildren<QWidget *>())
                if (qobject_cast<Form *>(top) && w->isVisibleTo(top) && !passt(w))
                    fehler << top->objectName() + u'.' + w->objectName();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    void spaetereTextePassen()
    {
        // What shows only later: the missing sound, the status words, every heading and category, and each entry
        // of the lists in the typewriter face (long steps are cut; a click shows them whole).
        QStringList zuLang;
        const auto pruefe = [&zuLang](Label *l) { if (!passt(l)) zuLang << l->caption(); };
        f->show();
        QTest::mouseClick(Form3::instance()->Check2, Qt::LeftButton); // no sound file here
        pruefe(Form3::instance()->Label1);
        for (const char *wort : {"LÄDT", "FERTIG", "FEHLER", "ABGEBROCHEN", "GESPEICHERT"})
            f->Label3->setCaption(QString::fromUtf8(wort)), pruefe(f->Label3);
        Form2 *h = Form2::instance();
        for (int mal = 0; mal < 2; ++mal, h->Command1_Click()) // every title, then the public ones
            for (int i = 0; i < h->List1->count(); ++i)
                h->List1->setCurrentRow(i), pruefe(h->Label1);
        QVERIFY(f->Combo3->sizeHint().width() <= f->Combo3->width());
        for (int k = 0; k < f->Combo3->count(); ++k) {
            f->Combo3->setCurrentIndex(k), f->Combo3_Click(), f->List1->setCurrentRow(k ? -1 : rulesref::drumfPosition);
            pruefe(Form6::instance()->Label1);
            QVERIFY2(k == 12 || f->List1->sizeHintForColumn(0) <= f->List1->viewport()->width(), qPrintable(f->Combo3->currentText()));
        }
        QVERIFY2(zuLang.isEmpty(), qPrintable(zuLang.join(u'\n')));
    }

    void listenzeilenPassen()
    {
        // Titles and font names as wide as their lists; folder rows as high as their font, icons no higher.
        Form2::instance()->show();
        QListWidget *liste = Form2::instance()->List1;
        QVERIFY(liste->sizeHintForColumn(0) <= liste->viewport()->width());
        f->show();
        for (QComboBox *box : {f->Combo1, f->Combo2}) {
            QStringList namen;
            for (int i = 0; i < box->count(); ++i)
                namen << box->itemText(i).toLower();
            QCOMPARE(namen.removeDuplicates(), 0);
            QVERIFY(namen.filter(u"[").isEmpty());
            QVERIFY(namen.contains(u"courier new") && namen.contains(u"terminal"));
            box->showPopup();
            QVERIFY(box->view()->sizeHintForColumn(0) <= box->view()->viewport()->width());
            box->hidePopup();
        }
        for (DirListBox *d : {f->Dir1, Form4::instance()->Dir1}) {
            QVERIFY(d->iconSize().height() <= d->fontMetrics().height());
            QVERIFY(d->visualItemRect(d->item(0)).height() <= d->fontMetrics().height() + 4);
        }
    }

    void bildknoepfeZeigenDasselbeBild()
    {
        const QImage bild = platform::bildknopfBild().pixmap(84, 95).toImage();
        for (QPushButton *k : {f->Command2, Form3::instance()->Command4, Form2::instance()->Command2})
            QCOMPARE(k->icon().pixmap(84, 95).toImage(), bild);
    }
};

BW_TEST_MAIN(TstBeschriftungen)
#include "tst_beschriftungen.moc"
