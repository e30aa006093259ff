// Every caption fits its box at 96 dpi, in every window that exists; the
// font names the program uses are drawn with fonts of matching widths.
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
#include "platform/controls.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What a caption needs beside what its control offers, or empty when it fits.
QString zuGross(QWidget *w)
{
    const QFontMetrics fm(w->font());
    QRect platz;
    QString text;
    int flags = Qt::TextShowMnemonic;
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->pixmap().isNull() == false)
            return {};
        text = l->text();
        platz = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto *b = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        text = b->text();
        platz = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        flags |= Qt::AlignCenter;
    } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(c);
        opt.text = c->text();
        text = c->text();
        platz = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, c);
        flags |= Qt::AlignLeft | Qt::AlignVCenter;
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        // The title runs on the frame's top edge, inside its width.
        text = g->title();
        platz = QRect(0, 0, g->width() - 2 * fm.averageCharWidth(), fm.height() + 2);
        flags |= Qt::AlignLeft | Qt::AlignTop;
    } else {
        return {};
    }
    if (text.isEmpty())
        return {};
    // Lines are a fraction of a pixel high; they add up before rounding.
    const QRectF noetig = QFontMetricsF(w->font()).boundingRect(QRectF(0, 0, platz.width(), 100000), flags, text);
    if (noetig.width() <= platz.width() && noetig.height() <= platz.height())
        return {};
    return QStringLiteral("%1.%2 \"%3\": braucht %4x%5, hat %6x%7")
        .arg(w->window()->objectName(), w->objectName(), text)
        .arg(qCeil(noetig.width()))
        .arg(qCeil(noetig.height()))
        .arg(platz.width())
        .arg(platz.height());
}

QStringList alleZuGrossen()
{
    QStringList out;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!qobject_cast<Form *>(top))
            continue;
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(top))
                continue;
            const QString grund = zuGross(w);
            if (!grund.isEmpty())
                out << grund;
        }
    }
    return out;
}

} // namespace

class TstBeschriftungen : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;

private slots:
    void initTestCase();
    void namenHabenIhrenErsatz_data();
    void namenHabenIhrenErsatz();
    void jedeBeschriftungPasst_data();
    void jedeBeschriftungPasst();
    void befehlstitelPassenInDieListe();
    void schriftlistenFuehrenJedenNamenEinmal_data();
    void schriftlistenFuehrenJedenNamenEinmal();
    void ordnerUndDateiZeilenNachSchrift_data();
    void ordnerUndDateiZeilenNachSchrift();
    void bildknoepfeZeigenDasselbeBild();
};

void TstBeschriftungen::initTestCase()
{
    QVERIFY(dir.isValid());
    QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()), 96);
    dlg = new Dialoge;
    dlg->standardAntwort = platform::Yes;
    Form1::endProgram = [] {};
    ProgrammPfad = dir.path() + QLatin1Char('/');
    StandardPfad = dir.path();
    // Every window the program has, so that each is walked.
    Form3::instance();
    Form5::instance();
    Form7::instance();
    Form4::instance();
    Leer::instance();
    Form2::instance();
    Form1::instance();
    Form6::instance();
    // The map's windows, once they have joined the window list.
    for (const char *name : {"Karte", "Groesse", "LadenMenu", "HErst"})
        fensterliste::fenster(QString::fromLatin1(name));
}

void TstBeschriftungen::namenHabenIhrenErsatz_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ersatz");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
    QTest::newRow("System") << "System" << "Liberation Sans";
    QTest::newRow("Small Fonts") << "Small Fonts" << "Liberation Sans";
    QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
    QTest::newRow("Terminal") << "Terminal" << "Liberation Mono";
    QTest::newRow("Verdana") << "Verdana" << "DejaVu Sans";
}

void TstBeschriftungen::namenHabenIhrenErsatz()
{
    QFETCH(QString, name);
    QFETCH(QString, ersatz);
    QCOMPARE(QFontInfo(platform::font(name, 8.25)).family(), ersatz);
    QVERIFY(platform::programmSchriften().contains(name));
}

void TstBeschriftungen::jedeBeschriftungPasst_data()
{
    QTest::addColumn<QByteArray>("bericht");
    QTest::addColumn<QString>("zeichensatz");
    // IBM850: 0x84 'ä' marks the set; a box of double lines around the head.
    QTest::newRow("OEM mit Rahmen")
        << QByteArray("\xC9\xCD\xCD\xCD\xCD\xBB\r\n\xBA M\x84use \xBA\r\n\xC8\xCD\xCD\xCD\xCD\xBC\r\n#BEF 1 2 3\r\nK\x94rner\r\n")
        << "Oem - Zeichensatz (DOS)";
    QTest::newRow("Windows") << QByteArray("K\xF6rner\r\n#BEF 1 2 3\r\n") << "Windows - Zeichensatz";
    QTest::newRow("ohne Zeichensatz") << QByteArray("#BEF 1 2 3\r\nKorn\r\n") << "Kein eindeutiges Format";
}

void TstBeschriftungen::jedeBeschriftungPasst()
{
    QFETCH(QByteArray, bericht);
    QFETCH(QString, zeichensatz);
    Form1 *f = Form1::instance();
    schreibeDatei(dir.filePath(QStringLiteral("bericht.txt")), bericht);
    f->File1->refresh();
    f->File1->selectFile(QStringLiteral("bericht.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Label5->caption(), zeichensatz);
    const QStringList fehler = alleZuGrossen();
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

void TstBeschriftungen::befehlstitelPassenInDieListe()
{
    // The row as the list's own delegate lays it out.
    struct Zeile : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } zeile;
    Form2::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form2::instance()));
    QListWidget *liste = Form2::instance()->List1;
    QCOMPARE(liste->count(), 98);
    const QFontMetrics fm(liste->font());
    for (int i = 0; i < liste->count(); ++i) {
        QStyleOptionViewItem opt;
        opt.initFrom(liste);
        opt.font = liste->font();
        opt.rect = QRect(0, 0, liste->viewport()->width(), liste->visualItemRect(liste->item(i)).height());
        zeile.initStyleOption(&opt, liste->model()->index(i, 0));
        const QRect text = liste->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, liste);
        // The row's text area keeps the style's margin on either side.
        const int rand = liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, liste) + 1;
        const int noetig = fm.horizontalAdvance(opt.text) + 2 * rand;
        QVERIFY2(noetig <= text.width(), qPrintable(QStringLiteral("%1: %2 > %3").arg(opt.text).arg(noetig).arg(text.width())));
    }
}

void TstBeschriftungen::schriftlistenFuehrenJedenNamenEinmal_data()
{
    QTest::addColumn<QString>("liste");
    QTest::newRow("Combo1") << "Combo1";
    QTest::newRow("Combo2") << "Combo2";
}

void TstBeschriftungen::schriftlistenFuehrenJedenNamenEinmal()
{
    QFETCH(QString, liste);
    Form1 *f = Form1::instance();
    f->show();
    auto *box = f->findChild<QComboBox *>(liste);
    QStringList namen;
    for (int i = 0; i < box->count(); ++i)
        namen << box->itemText(i).toLower();
    QVERIFY(namen.size() > 3);
    QCOMPARE(namen.removeDuplicates(), 0);
    for (const QString &n : namen)
        QVERIFY2(!n.contains(QLatin1Char('[')), qPrintable(n));
    // The names the program sets itself are there to go back to.
    for (const char *n : {"courier new", "terminal", "ms sans serif"})
        QVERIFY2(namen.contains(QLatin1String(n)), n);
    box->showPopup();
    QAbstractItemView *view = box->view();
    QTRY_VERIFY(view->isVisible());
    QVERIFY2(view->sizeHintForColumn(0) <= view->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(view->sizeHintForColumn(0)).arg(view->viewport()->width())));
    box->hidePopup();
}

void TstBeschriftungen::ordnerUndDateiZeilenNachSchrift_data()
{
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QString>("liste");
    QTest::newRow("Form1.Dir1") << "Form1" << "Dir1";
    QTest::newRow("Form1.File1") << "Form1" << "File1";
    QTest::newRow("Form4.Dir1") << "Form4" << "Dir1";
    QTest::newRow("Form4.File1") << "Form4" << "File1";
}

void TstBeschriftungen::ordnerUndDateiZeilenNachSchrift()
{
    QFETCH(QString, fenster);
    QFETCH(QString, liste);
    QDir(dir.path()).mkpath(QStringLiteral("unter"));
    schreibeDatei(dir.filePath(QStringLiteral("a.txt")), "a");
    QWidget *w = fenster == QLatin1String("Form1") ? static_cast<QWidget *>(Form1::instance()) : Form4::instance();
    auto *l = w->findChild<QListWidget *>(liste);
    if (auto *d = qobject_cast<DirListBox *>(l))
        d->setPath(dir.path());
    else
        static_cast<FileListBox *>(l)->setPath(dir.path());
    QVERIFY(l->count() > 0);
    const int schrift = l->fontMetrics().height();
    QVERIFY(l->iconSize().height() <= schrift);
    // A row is its line of text and a pixel or two of the style's margin.
    QVERIFY2(l->visualItemRect(l->item(0)).height() <= schrift + 4,
             qPrintable(QString::number(l->visualItemRect(l->item(0)).height())));
}

void TstBeschriftungen::bildknoepfeZeigenDasselbeBild()
{
    const QImage bild = platform::bildknopfBild().pixmap(84, 95).toImage();
    for (QPushButton *k : {Form1::instance()->Command2, Form3::instance()->Command4, Form2::instance()->Command2}) {
        QVERIFY(k->text().isEmpty());
        QCOMPARE(k->icon().pixmap(84, 95).toImage(), bild);
    }
}

QTEST_MAIN(TstBeschriftungen)
#include "tst_beschriftungen.moc"
