#include "platform/controls.h"
#include "platform/units.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {
constexpr char16_t kCrMark = 0x240D; // shown for a lone CR
constexpr char16_t kLfMark = 0x240A; // shown for a lone LF
// Qt lays out and paints a line whole; a shown line of this length breaks
// after its next mark of a lone CR or LF, or at twice it anywhere.
constexpr int kZeileBricht = 4096;
// The box's own breaks carry this in their format, so edits and undo keep
// them apart from the text's line breaks.
constexpr int kEigenerUmbruch = QTextFormat::UserProperty + 1;
// Qt takes in a text at some microseconds a line: a text of millions of
// lines goes in by pieces of this many lines (or characters), so that a
// caller can keep the window live between them.
constexpr int kStueckZeilen = 20000;
constexpr qsizetype kStueckZeichen = qsizetype(1) << 20;

// End of the piece of the shown text that starts at von: after a line break.
qsizetype stueckEnde(const QString &s, qsizetype von)
{
    const qsizetype grenze = std::min(s.size(), von + kStueckZeichen);
    if (grenze == s.size() && s.size() - von <= kStueckZeilen)
        return grenze;
    qsizetype letzte = -1;
    int zeilen = 0;
    for (qsizetype i = von; i < grenze; ++i) {
        if (s[i] == u'\n') {
            letzte = i + 1;
            if (++zeilen == kStueckZeilen)
                return letzte;
        }
    }
    if (grenze == s.size())
        return grenze;
    // The box breaks its shown lines long before, so there is a break.
    return letzte > von ? letzte : grenze;
}

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

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFont(platform::font(m_fontName, m_fontSize));
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_setting)
            return;
        m_dirty = true;
        m_auswahl.start = -1;
        emit changed();
    });
    // Text pasted into an empty line after a break of the box's own takes
    // that break's format; a line break in it would pass for one of them.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (m_mitUmbruechen && textCursor().charFormat().hasProperty(kEigenerUmbruch))
            setCurrentCharFormat(QTextCharFormat());
    });
}

QString TextBox::toDisplay(const QString &exact, QList<int> &umbrueche)
{
    umbrueche.clear();
    const qsizetype n = exact.size();
    // At most one break of the box's own per kZeileBricht characters.
    QString out(n + n / kZeileBricht + 1, Qt::Uninitialized);
    QChar *d = out.data();
    const QChar *s = exact.constData();
    qsizetype j = 0;
    qsizetype zeile = 0; // characters shown since the last break
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        bool marke = false;
        if (c == u'\r') {
            if (i + 1 < n && s[i + 1].unicode() == u'\n') {
                d[j++] = QLatin1Char('\n');
                ++i;
                zeile = 0;
                continue;
            }
            d[j++] = QChar(kCrMark);
            marke = true;
        } else if (c == u'\n') {
            d[j++] = QChar(kLfMark);
            marke = true;
        } else {
            d[j++] = s[i];
        }
        ++zeile;
        // Never at the end, before a line break or inside a pair of surrogates.
        if ((zeile >= 2 * kZeileBricht || (marke && zeile >= kZeileBricht)) && i + 1 < n
            && !s[i + 1].isLowSurrogate() && !(s[i + 1] == u'\r' && i + 2 < n && s[i + 2] == u'\n')) {
            umbrueche.append(int(j));
            d[j++] = QLatin1Char('\n');
            zeile = 0;
        }
    }
    out.truncate(j);
    return out;
}

QString TextBox::fromDisplay(const QString &display, const QList<int> &umbrueche)
{
    QString out;
    out.reserve(display.size() + display.size() / 32);
    qsizetype k = 0;
    for (qsizetype i = 0; i < display.size(); ++i) {
        const QChar ch = display.at(i);
        switch (ch.unicode()) {
        case QChar::ParagraphSeparator:
        case u'\n':
            if (k < umbrueche.size() && umbrueche.at(k) == i)
                ++k;
            else
                out.append(QLatin1String("\r\n"));
            break;
        case kCrMark: out.append(QLatin1Char('\r')); break;
        case kLfMark: out.append(QLatin1Char('\n')); break;
        default: out.append(ch);
        }
    }
    return out;
}

QString TextBox::text() const
{
    if (m_dirty) {
        m_umbrueche.clear();
        if (m_mitUmbruechen) {
            for (QTextBlock b = document()->begin().next(); b.isValid(); b = b.next())
                if (b.charFormat().hasProperty(kEigenerUmbruch))
                    m_umbrueche.append(b.position() - 1);
        }
        m_text = fromDisplay(document()->toRawText(), m_umbrueche);
        m_dirty = false;
    }
    return m_text;
}

void TextBox::setText(const QString &t)
{
    // The same text still going in is only completed.
    if (!m_fuellung.laeuft || m_dirty || t != m_text)
        fuellen(t);
    while (!weiterFuellen()) {
    }
}

void TextBox::fuellen(const QString &t)
{
    if (!m_dirty && t == m_text && !m_fuellung.laeuft)
        return;
    m_setting = true;
    m_text = t;
    m_dirty = false;
    m_auswahl.start = -1;
    if (!m_fuellung.laeuft)
        m_fuellung.gesperrt = isReadOnly();
    m_fuellung.gezeigt = toDisplay(t, m_umbrueche);
    m_mitUmbruechen = !m_umbrueche.isEmpty();
    m_fuellung.bis = stueckEnde(m_fuellung.gezeigt, 0);
    m_fuellung.laeuft = true;
    // The pieces are no steps to undo.
    document()->setUndoRedoEnabled(false);
    if (m_fuellung.bis < m_fuellung.gezeigt.size()) {
        setPlainText(m_fuellung.gezeigt.left(m_fuellung.bis));
        setReadOnly(true);
        m_setting = false;
        return;
    }
    setPlainText(m_fuellung.gezeigt);
    m_setting = false;
    fuellungAbschliessen();
}

bool TextBox::weiterFuellen()
{
    if (!m_fuellung.laeuft)
        return true;
    const QString &gezeigt = m_fuellung.gezeigt;
    if (m_fuellung.bis < gezeigt.size()) {
        const qsizetype von = m_fuellung.bis;
        m_fuellung.bis = stueckEnde(gezeigt, von);
        m_setting = true;
        QTextCursor c(document());
        c.movePosition(QTextCursor::End);
        c.insertText(gezeigt.mid(von, m_fuellung.bis - von));
        m_setting = false;
    }
    if (m_fuellung.bis < gezeigt.size())
        return false;
    fuellungAbschliessen();
    return true;
}

void TextBox::fuellenAnhalten()
{
    if (!m_fuellung.laeuft)
        return;
    // The shown part becomes the text, with the box's own breaks in it.
    const qsizetype bis = m_fuellung.bis;
    while (!m_umbrueche.isEmpty() && m_umbrueche.last() >= bis)
        m_umbrueche.removeLast();
    m_mitUmbruechen = !m_umbrueche.isEmpty();
    m_text = fromDisplay(m_fuellung.gezeigt.left(bis), m_umbrueche);
    fuellungAbschliessen();
}

void TextBox::fuellungAbschliessen()
{
    m_fuellung.laeuft = false;
    m_fuellung.gezeigt.clear();
    if (isReadOnly() != m_fuellung.gesperrt)
        setReadOnly(m_fuellung.gesperrt);
    if (m_mitUmbruechen)
        umbruecheMarkieren();
    document()->setUndoRedoEnabled(true);
    emit changed();
}

void TextBox::setLocked(bool locked)
{
    if (m_fuellung.laeuft)
        m_fuellung.gesperrt = locked;
    else
        setReadOnly(locked);
}

bool TextBox::event(QEvent *e)
{
    // Tab moves the focus on, with Ctrl too; with Shift back.
    if (e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            && !(k->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
            focusNextPrevChild(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

// Marks the box's own breaks, out of the undo history.
void TextBox::umbruecheMarkieren()
{
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCharFormat eigen;
    eigen.setProperty(kEigenerUmbruch, true);
    QTextCursor c(doc);
    c.beginEditBlock();
    for (const int p : std::as_const(m_umbrueche)) {
        c.setPosition(p + 1);
        c.mergeBlockCharFormat(eigen);
    }
    c.endEditBlock();
    doc->setUndoRedoEnabled(true);
}

// A break of the box's own stands for no character of the text; a position
// just before one is shown after it, at the start of the next shown line.
int TextBox::displayPos(int exact) const
{
    const QString t = text();
    exact = std::clamp(exact, 0, int(t.size()));
    const QChar *s = t.constData();
    const int n = t.size();
    int i = 0, d = 0;
    qsizetype k = 0;
    for (;;) {
        if (k < m_umbrueche.size() && m_umbrueche.at(k) == d) {
            ++k;
            ++d;
            continue;
        }
        if (i >= exact)
            break;
        if (s[i] == QLatin1Char('\r') && i + 1 < n && s[i + 1] == QLatin1Char('\n')) {
            if (i + 2 > exact)
                return d + 1; // between CR and LF: after the line break
            i += 2;
        } else {
            ++i;
        }
        ++d;
    }
    return d;
}

int TextBox::exactPos(int display) const
{
    const QString t = text();
    const QChar *s = t.constData();
    const int n = t.size();
    int i = 0, d = 0;
    qsizetype k = 0;
    while (d < display) {
        if (k < m_umbrueche.size() && m_umbrueche.at(k) == d) {
            ++k;
        } else if (i >= n) {
            break;
        } else if (s[i] == QLatin1Char('\r') && i + 1 < n && s[i + 1] == QLatin1Char('\n')) {
            i += 2;
        } else {
            ++i;
        }
        ++d;
    }
    return i;
}

// Copied text holds none of the box's own breaks.
QMimeData *TextBox::createMimeDataFromSelection() const
{
    QMimeData *mime = QPlainTextEdit::createMimeDataFromSelection();
    if (!m_mitUmbruechen)
        return mime;
    text(); // brings the breaks up to date
    const QTextCursor c = textCursor();
    const int von = c.selectionStart(), bis = c.selectionEnd();
    QString kopie = mime->text();
    if (kopie.size() != bis - von)
        return mime;
    bool entfernt = false;
    for (qsizetype k = m_umbrueche.size() - 1; k >= 0; --k) {
        const int p = m_umbrueche.at(k);
        if (p >= von && p < bis) {
            kopie.remove(p - von, 1);
            entfernt = true;
        }
    }
    if (!entfernt)
        return mime;
    delete mime;
    mime = new QMimeData;
    mime->setText(kopie);
    return mime;
}

bool TextBox::auswahlWieGesetzt() const
{
    const QTextCursor c = textCursor();
    return m_auswahl.start >= 0 && c.anchor() == m_auswahl.anker && c.position() == m_auswahl.pos;
}

int TextBox::selStart() const
{
    if (auswahlWieGesetzt())
        return m_auswahl.start;
    const QTextCursor c = textCursor();
    return exactPos(c.selectionStart());
}

int TextBox::selLength() const
{
    if (auswahlWieGesetzt())
        return m_auswahl.laenge;
    const QTextCursor c = textCursor();
    return exactPos(c.selectionEnd()) - exactPos(c.selectionStart());
}

QString TextBox::selText() const { return text().mid(selStart(), selLength()); }

void TextBox::setSelection(int start, int length)
{
    const int n = text().size();
    start = std::clamp(start, 0, n);
    length = std::clamp(length, 0, n - start);
    // A selection past what a running fill has put in brings the text in
    // up to there.
    const int ende = displayPos(start + length);
    while (m_fuellung.laeuft && ende >= document()->characterCount())
        weiterFuellen();
    QTextCursor c(document());
    c.setPosition(displayPos(start));
    c.setPosition(ende, QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
    // The editor shows CR LF as one break, so a selection that starts or
    // ends between the two is shown as near as it can be and kept here as
    // set, until the player moves it.
    m_auswahl = {start, length, textCursor().anchor(), textCursor().position()};
}

void TextBox::setSelStart(int start) { setSelection(start, 0); }
void TextBox::setSelLength(int length) { setSelection(selStart(), length); }

void TextBox::setSelText(const QString &replacement)
{
    const int s = selStart();
    const QString t = text();
    setText(t.left(s) + replacement + t.mid(s + selLength()));
    setSelection(s + replacement.size(), 0);
}

void TextBox::setFontName(const QString &name)
{
    m_fontName = name;
    setFont(platform::font(m_fontName, m_fontSize));
}

void TextBox::setFontSize(double points)
{
    m_fontSize = points;
    setFont(platform::font(m_fontName, m_fontSize));
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

ListBox::ListBox(QWidget *parent) : QListWidget(parent) { setSelectionMode(QAbstractItemView::SingleSelection); }

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags befehl = QListWidget::selectionCommand(index, event);
    if (befehl & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return befehl;
}

void ListBox::keyPressEvent(QKeyEvent *e)
{
    // The list sets a current entry of its own when it takes the focus; with
    // nothing chosen that entry is no step to go from.
    const int taste = e->key();
    if ((taste == Qt::Key_Down || taste == Qt::Key_Up || taste == Qt::Key_Home)
        && !(e->modifiers() & ~Qt::KeypadModifier) && count() > 0 && selectedItems().isEmpty()) {
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(0));
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
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
    connect(this, &QListWidget::itemClicked, this, [this] { emit clicked(); });
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
    connect(this, &QListWidget::itemClicked, this, [this] { emit clicked(); });
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
    if (m_min > m_max)
        m_min = m_max;
    m_value = std::clamp(m_value, m_min, m_max);
    show_();
}

void ProgressBar::setValue(double v)
{
    m_value = std::clamp(v, m_min, m_max);
    show_();
}

void ProgressBar::show_()
{
    const double span = m_max - m_min;
    const int pos = span > 0 ? int(std::lround((m_value - m_min) / span * 10000.0)) : 0;
    if (pos != QProgressBar::value())
        QProgressBar::setValue(pos);
}
