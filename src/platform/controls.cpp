#include "platform/controls.h"
#include "platform/units.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {
struct Ersatz {
    const char *name;
    const char *ersatz;
};
// Liberation Sans and Mono have the widths of the common sans and typewriter
// faces; DejaVu Sans is as wide as "Verdana".
constexpr Ersatz kErsatz[] = {
    {"Courier New", "Liberation Mono"}, {"MS Sans Serif", "Liberation Sans"},
    {"Terminal", "Liberation Mono"},    {"System", "Liberation Sans"},
    {"Small Fonts", "Liberation Sans"}, {"Verdana", "DejaVu Sans"},
};

void ersatzEinrichten()
{
    static const bool eingerichtet = [] {
        for (const Ersatz &e : kErsatz)
            QFont::insertSubstitution(QString::fromLatin1(e.name), QString::fromLatin1(e.ersatz));
        return true;
    }();
    Q_UNUSED(eingerichtet);
}
} // namespace

QStringList platform::programmSchriften()
{
    QStringList out;
    for (const Ersatz &e : kErsatz)
        out << QString::fromLatin1(e.name);
    return out;
}

QStringList platform::schriftAuswahl()
{
    ersatzEinrichten();
    QStringList out = programmSchriften();
    for (QString f : QFontDatabase::families()) {
        // "Nimbus Sans [urw]": the foundry tag is no part of the name.
        const qsizetype tag = f.indexOf(QLatin1String(" ["));
        if (tag > 0 && f.endsWith(QLatin1Char(']')))
            f.truncate(tag);
        if (!out.contains(f, Qt::CaseInsensitive))
            out << f;
    }
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return out;
}

QFont platform::font(const QString &name, double pointSize)
{
    ersatzEinrichten();
    QFont f(name);
    // Whole-pixel widths, as the layout in twips was made for: a line of
    // 76 typewriter letters at 9 points is 532 pixels, not 546.
    f.setHintingPreference(QFont::PreferFullHinting);
    const QString lower = name.toLower();
    const bool schreibmaschine = lower.contains(QLatin1String("courier")) || lower == QLatin1String("terminal")
                                 || lower.contains(QLatin1String("fixedsys")) || lower.contains(QLatin1String("mono"));
    if (schreibmaschine) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    } else {
        f.setStyleHint(QFont::SansSerif);
    }
    if (pointSize > 0)
        f.setPointSizeF(pointSize);
    if (!schreibmaschine)
        return f;
    // Yet never wider than the face: where whole pixels would round a
    // typewriter letter up (6.6 to 7 at 8 points), it keeps its own width.
    QFont frei = f;
    frei.setHintingPreference(QFont::PreferVerticalHinting);
    return QFontMetricsF(f).horizontalAdvance(u'x') > QFontMetricsF(frei).horizontalAdvance(u'x') ? frei : f;
}

// ---------------------------------------------------------------- picture button

// A raised green tile with a little creature: two antennae, large eyes,
// raised hands.
QIcon platform::bildknopfBild()
{
    QPixmap pm(84, 95);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, 82, 93);
    p.fillRect(tile, QColor(60, 170, 70));
    // bevel: light on top and left, dark on bottom and right
    p.setPen(QPen(QColor(170, 235, 170), 3));
    p.drawLine(tile.topLeft() + QPointF(1, 1), tile.topRight() + QPointF(-1, 1));
    p.drawLine(tile.topLeft() + QPointF(1, 1), tile.bottomLeft() + QPointF(1, -1));
    p.setPen(QPen(QColor(20, 90, 30), 3));
    p.drawLine(tile.bottomLeft() + QPointF(1, -1), tile.bottomRight() + QPointF(-1, -1));
    p.drawLine(tile.topRight() + QPointF(-1, 1), tile.bottomRight() + QPointF(-1, -1));

    const QColor ink(25, 35, 25);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // antennae
    p.drawLine(QPointF(35, 32), QPointF(28, 12));
    p.drawLine(QPointF(49, 32), QPointF(56, 12));
    p.setBrush(ink);
    p.drawEllipse(QPointF(28, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(56, 12), 2.5, 2.5);
    // body
    p.setBrush(QColor(140, 215, 120));
    p.drawEllipse(QRectF(24, 30, 36, 48));
    // large eyes
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(35, 45), 7, 8);
    p.drawEllipse(QPointF(49, 45), 7, 8);
    p.setBrush(ink);
    p.drawEllipse(QPointF(36, 46), 2.5, 3);
    p.drawEllipse(QPointF(48, 46), 2.5, 3);
    // mouth
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(36, 56, 12, 8), 200 * 16, 140 * 16);
    // raised arms and hands
    p.drawLine(QPointF(26, 58), QPointF(13, 40));
    p.drawLine(QPointF(58, 58), QPointF(71, 40));
    for (const QPointF &h : {QPointF(13, 40), QPointF(71, 40)}) {
        p.drawLine(h, h + QPointF(-4, -6));
        p.drawLine(h, h + QPointF(0, -8));
        p.drawLine(h, h + QPointF(4, -6));
    }
    // feet
    p.drawLine(QPointF(34, 77), QPointF(31, 86));
    p.drawLine(QPointF(50, 77), QPointF(53, 86));
    p.drawLine(QPointF(31, 86), QPointF(25, 86));
    p.drawLine(QPointF(53, 86), QPointF(59, 86));
    return QIcon(pm);
}

void platform::alsBildknopf(QPushButton *knopf)
{
    knopf->setIcon(bildknopfBild());
    // The picture shrinks to the button where the screen's DPI makes it small.
    knopf->setIconSize(QSize(84, 95).boundedTo(knopf->size() - QSize(6, 6)));
}

namespace {
// Eats the wheel over a list that has no focus.
class RadOhneFokus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        return e->type() == QEvent::Wheel && !static_cast<QWidget *>(o)->hasFocus();
    }
};
} // namespace

void platform::nurGewaehlt(QComboBox *liste)
{
    static RadOhneFokus *filter = new RadOhneFokus(qApp);
    liste->setFocusPolicy(Qt::StrongFocus); // the wheel alone gives no focus
    liste->installEventFilter(filter);
}

// ---------------------------------------------------------------- Label

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setCaption(const QString &c)
{
    setText(c);
    if (m_autoSize)
        resize(sizeHint());
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    setWordWrap(!on);
    if (on)
        resize(sizeHint());
}

void Label::setForeColor(quint32 v)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, platform::color(v));
    setPalette(p);
}

void Label::setBackColor(quint32 v)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::color(v));
    setPalette(p);
    setAutoFillBackground(true);
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit clicked(); });
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags befehl = QListWidget::selectionCommand(index, event);
    // A click beside the entries chooses none, so it takes none back either.
    if (!index.isValid() || (befehl & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return QItemSelectionModel::NoUpdate;
    return befehl;
}

void ListBox::keyPressEvent(QKeyEvent *e)
{
    const QList<QListWidgetItem *> vorher = selectedItems();
    const int taste = e->key();
    const bool ohne = !(e->modifiers() & ~Qt::KeypadModifier);
    // The list sets a current entry of its own when it takes the focus; with
    // nothing chosen that entry is no step to go from.
    if ((taste == Qt::Key_Down || taste == Qt::Key_Up || taste == Qt::Key_Home) && ohne && count() > 0
        && vorher.isEmpty()) {
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(0));
        e->accept();
    } else {
        QListWidget::keyPressEvent(e);
    }
    const bool eingabe = (taste == Qt::Key_Return || taste == Qt::Key_Enter) && ohne;
    if (selectedItems() != vorher || (eingabe && !vorher.isEmpty()))
        emit clicked();
}

// ---------------------------------------------------------------- FileListBox

namespace {
// Rows as high as the list's font, with icons of the same height.
void zeilenNachSchrift(QListWidget *liste)
{
    const int h = liste->fontMetrics().height();
    liste->setIconSize(QSize(h, h));
    liste->setUniformItemSizes(true);
}
} // namespace

FileListBox::FileListBox(QWidget *parent) : ListBox(parent)
{
    zeilenNachSchrift(this);
}

void FileListBox::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange)
        zeilenNachSchrift(this);
    QListWidget::changeEvent(e);
}

void FileListBox::setPath(const QString &path)
{
    m_path = QDir(path).absolutePath();
    refresh();
}

void FileListBox::refresh()
{
    QDir d(m_path);
    const QStringList names = d.entryList(QDir::Files | QDir::NoDotAndDotDot,
                                          QDir::Name | QDir::IgnoreCase);
    // An unchanged listing stays as it is, so a click that activates the
    // window (and so refreshes the list) still reaches its item.
    if (names.size() == count()) {
        bool same = true;
        for (int i = 0; same && i < count(); ++i)
            same = item(i)->text() == names.at(i);
        if (same)
            return;
    }
    const QString keep = fileName();
    blockSignals(true);
    clear();
    addItems(names);
    if (!keep.isEmpty()) {
        const auto found = findItems(keep, Qt::MatchExactly);
        if (!found.isEmpty())
            setCurrentItem(found.first());
    }
    blockSignals(false);
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *it = currentItem();
    return it && it->isSelected() ? it->text() : QString();
}

void FileListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
    item(index)->setSelected(true);
    emit clicked();
}

void FileListBox::selectFile(const QString &name)
{
    const auto found = findItems(name, Qt::MatchFixedString);
    setListIndex(found.isEmpty() ? -1 : row(found.first()));
}

// ---------------------------------------------------------------- DirListBox

DirListBox::DirListBox(QWidget *parent) : ListBox(parent), m_path(QDir::currentPath())
{
    zeilenNachSchrift(this);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) {
        setPath(m_paths.value(row(it)));
    });
}

void DirListBox::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange)
        zeilenNachSchrift(this);
    QListWidget::changeEvent(e);
}

void DirListBox::setPath(const QString &path)
{
    const QString p = QDir(path).absolutePath();
    const bool differs = p != m_path;
    m_path = p;
    refresh();
    if (differs)
        emit changed();
}

void DirListBox::refresh()
{
    blockSignals(true);
    clear();
    m_paths.clear();
    QStringList chain;
    QDir d(m_path);
    chain.prepend(d.absolutePath());
    while (!d.isRoot() && d.cdUp())
        chain.prepend(d.absolutePath());
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto *it = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name);
        addItem(it);
        m_paths << p;
        ++depth;
    }
    m_currentRow = count() - 1;
    const QStringList subs = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                    QDir::Name | QDir::IgnoreCase);
    for (const QString &s : subs) {
        addItem(new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + s));
        m_paths << QDir(m_path).filePath(s);
    }
    setCurrentRow(m_currentRow);
    blockSignals(false);
}

QString DirListBox::entryPath(int index) const
{
    if (index < 0)
        index = currentRow();
    return m_paths.value(index, m_path);
}

// ---------------------------------------------------------------- ProgressBar

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent)
{
    QProgressBar::setRange(0, 10000);
    setTextVisible(false);
    show_();
}

void ProgressBar::setMax(double m)
{
    m_max = m;
    setValue(m_value);
}

void ProgressBar::setValue(double v)
{
    m_value = std::clamp(v, 0.0, std::max(m_max, 0.0));
    show_();
}

void ProgressBar::show_()
{
    const int pos = m_max > 0 ? int(std::lround(m_value / m_max * 10000.0)) : 0;
    if (pos != QProgressBar::value())
        QProgressBar::setValue(pos);
}
