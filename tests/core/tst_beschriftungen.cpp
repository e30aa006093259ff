// Every caption fits its box at 96 dpi, in every window that exists; the
// order titles, the font lists and the folder rows fit too, and the picture
// buttons show one picture.
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
#include "testmain.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// What a caption needs beside the room its control draws it in; empty when it fits.
QString zuGross(QWidget *w)
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
        text = opt.text = b->text();
        const bool knopf = qobject_cast<QPushButton *>(w);
        platz = w->style()->subElementRect(knopf ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents, &opt, w);
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        text = g->title();
        platz = QRect(0, 0, g->width() - 2 * g->fontMetrics().averageCharWidth(), g->fontMetrics().height() + 2);
    }
    if (text.isEmpty())
        return {};
    // Lines are a fraction of a pixel high; they add up before rounding.
    const QRectF noetig = QFontMetricsF(w->font()).boundingRect(QRectF(0, 0, platz.width(), 1e5), flags, text);
    if (noetig.width() <= platz.width() && noetig.height() <= platz.height())
        return {};
    return QStringLiteral("%1.%2 \"%3\" braucht %4x%5, hat %6x%7")
        .arg(w->window()->objectName(), w->objectName(), text)
        .arg(qCeil(noetig.width())).arg(qCeil(noetig.height())).arg(platz.width()).arg(platz.height());
}
} // namespace

class TstBeschriftungen : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;

private slots:
    void initTestCase()
    {
        QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()), 96);
        dlg.standardAntwort = platform::Yes;
        Form1::endProgram = [] {};
        ProgrammPfad = dir.path() + QLatin1Char('/');
        StandardPfad = dir.path();
        // Every window the program has, so that each is walked.
        Form3::instance(), Form5::instance(), Form7::instance(), Form4::instance(), Leer::instance();
        Form2::instance(), Form1::instance(), Form6::instance();
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
        Form1 *f = Form1::instance();
        schreibeDatei(dir.filePath(QStringLiteral("bericht.txt")), bericht);
        f->File1->refresh();
        f->File1->selectFile(QStringLiteral("bericht.txt"));
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QStringList fehler;
        for (QWidget *top : QApplication::topLevelWidgets())
            for (QWidget *w : top->findChildren<QWidget *>())
                if (qobject_cast<Form *>(top) && w->isVisibleTo(top) && !zuGross(w).isEmpty())
                    fehler << zuGross(w);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    void befehlstitelPassenInDieListe()
    {
        struct Zeile : QStyledItemDelegate {
            using QStyledItemDelegate::initStyleOption;
        } zeile;
        Form2::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form2::instance()));
        QListWidget *liste = Form2::instance()->List1;
        // Each row as the list lays it out, less the style's margin each side.
        for (int i = 0; i < liste->count(); ++i) {
            QStyleOptionViewItem opt;
            opt.initFrom(liste);
            opt.font = liste->font();
            opt.rect = QRect(0, 0, liste->viewport()->width(), 20);
            zeile.initStyleOption(&opt, liste->model()->index(i, 0));
            const int rand = liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, liste) + 1;
            const int hat = liste->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, liste).width() - 2 * rand;
            QVERIFY2(liste->fontMetrics().horizontalAdvance(opt.text) <= hat, qPrintable(opt.text));
        }
    }

    void schriftlistenUndOrdnerzeilen()
    {
        Form1 *f = Form1::instance();
        f->show();
        for (QComboBox *box : {f->Combo1, f->Combo2}) {
            QStringList namen;
            for (int i = 0; i < box->count(); ++i)
                namen << box->itemText(i).toLower();
            QCOMPARE(namen.removeDuplicates(), 0);
            QVERIFY(namen.filter(QLatin1String("[")).isEmpty());
            QVERIFY(namen.contains(QLatin1String("courier new")) && namen.contains(QLatin1String("terminal")));
            box->showPopup();
            QTRY_VERIFY(box->view()->isVisible());
            QVERIFY(box->view()->sizeHintForColumn(0) <= box->view()->viewport()->width());
            box->hidePopup();
        }
        // Folder rows as high as their font, with icons no higher.
        for (DirListBox *d : {f->Dir1, Form4::instance()->Dir1}) {
            const int schrift = d->fontMetrics().height();
            QVERIFY(d->iconSize().height() <= schrift);
            QVERIFY(d->visualItemRect(d->item(0)).height() <= schrift + 4);
        }
    }

    void bildknoepfeZeigenDasselbeBild()
    {
        const QImage bild = platform::bildknopfBild().pixmap(84, 95).toImage();
        for (QPushButton *k : {Form1::instance()->Command2, Form3::instance()->Command4, Form2::instance()->Command2})
            QCOMPARE(k->icon().pixmap(84, 95).toImage(), bild);
    }
};

BW_TEST_MAIN(TstBeschriftungen)
#include "tst_beschriftungen.moc"
