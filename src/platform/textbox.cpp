#include "platform/textbox.h"
#include "platform/controls.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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

// Whether the editor puts a key's text in, as Qt decides: a key it edits or
// moves with goes its own way; of the rest, it takes printable text unless
// Ctrl (without Alt) came with it.
bool tipptText(const QKeyEvent *k)
{
    const QString t = k->text();
    if (t.isEmpty())
        return false;
    const QChar c = t.front();
    const Qt::KeyboardModifiers m = k->modifiers();
    const bool text = c.category() == QChar::Other_Format
                      || (m != Qt::ControlModifier && m != (Qt::ShiftModifier | Qt::ControlModifier)
                          && (c.isPrint() || c == u'\t' || c.category() == QChar::Other_PrivateUse
                              || (c.isHighSurrogate() && t.size() > 1 && t.at(1).isLowSurrogate())));
    if (!text)
        return false;
    for (int s = QKeySequence::HelpContents; s <= QKeySequence::Cancel; ++s)
        if (k->matches(QKeySequence::StandardKey(s)))
            return false;
    return true;
}
} // namespace

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFont(platform::font(m_fontName, m_fontSize));
    // Where an edit of the player's changed the shown text, so that a lone
    // CR and a lone LF it brings together are shown as the line end they are.
    connect(document(), &QTextDocument::contentsChange, this, [this](int pos, int, int dazu) {
        if (m_setting)
            return;
        m_nahtVon = m_nahtVon < 0 ? pos : std::min(m_nahtVon, pos);
        m_nahtBis = std::max(m_nahtBis, pos + dazu);
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_setting)
            return;
        if (m_nahtVon >= 0) {
            const int von = m_nahtVon, bis = m_nahtBis;
            m_nahtVon = m_nahtBis = -1;
            paareVerbinden(von, bis);
        }
        m_dirty = true;
        m_auswahl.start = -1;
        if (!m_ohneAenderung)
            emit changed();
    });
    // Text put in at the caret in an empty line after a break of the box's
    // own takes that break's format; a line break in it would pass for one
    // of them. Only the caret's format is reset: set on a selection, it
    // would strip the mark of a break inside it.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        const QTextCursor c = textCursor();
        if (m_mitUmbruechen && !c.hasSelection() && c.charFormat().hasProperty(kEigenerUmbruch))
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
    {
        const QScopedValueRollback<bool> vonCode(m_setting, true);
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
            sperren(true);
            return;
        }
        setPlainText(m_fuellung.gezeigt);
    }
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
        const QScopedValueRollback<bool> vonCode(m_setting, true);
        QTextCursor c(document());
        c.movePosition(QTextCursor::End);
        c.insertText(gezeigt.mid(von, m_fuellung.bis - von));
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

void TextBox::anhaengen(const QString &stueck, bool alsSchritt)
{
    if (stueck.isEmpty())
        return;
    // A text still going in is completed with the piece.
    if (m_fuellung.laeuft) {
        setText(m_text + stueck);
        return;
    }
    text(); // brings the text and the breaks up to date after the player's edits
    QTextDocument *doc = document();
    // The last shown line is shown anew with the piece: a CR at its end may
    // pair with an LF at the piece's start, and a break of the box's own
    // just before it may now stand before such a pair.
    QTextBlock anfang = doc->lastBlock();
    if (!m_umbrueche.isEmpty() && m_umbrueche.last() == anfang.position() - 1)
        anfang = anfang.previous();
    const int von = anfang.position();
    QString alt = anfang.text();
    QList<int> eigene;
    for (QTextBlock b = anfang.next(); b.isValid(); b = b.next()) {
        eigene.append(int(alt.size()));
        alt += u'\n' + b.text();
    }
    QList<int> neueUmbrueche;
    const QString neu = toDisplay(fromDisplay(alt, eigene) + stueck, neueUmbrueche);
    const qsizetype gleich = std::mismatch(alt.cbegin(), alt.cend(), neu.cbegin(), neu.cend()).first - alt.cbegin();

    m_text += stueck;
    m_auswahl.start = -1;
    while (!m_umbrueche.isEmpty() && m_umbrueche.last() >= von)
        m_umbrueche.removeLast();
    qsizetype k = m_umbrueche.size();
    for (const int p : std::as_const(neueUmbrueche))
        m_umbrueche.append(von + p);
    // Undo may bring back breaks of the box's own that the steps before
    // took away; only a dropped history holds none.
    m_mitUmbruechen = !m_umbrueche.isEmpty() || (alsSchritt && m_mitUmbruechen);
    {
        const QScopedValueRollback<bool> vonCode(m_setting, true);
        // Text put in by code is no step to undo, unless it is one whole.
        if (!alsSchritt)
            doc->setUndoRedoEnabled(false);
        QTextCursor c(doc);
        c.beginEditBlock();
        c.setPosition(von + int(gleich));
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.insertText(neu.mid(gleich), QTextCharFormat());
        // Each line break of the new part is the box's own or the text's.
        for (QTextBlock b = doc->findBlock(von).next(); b.isValid(); b = b.next()) {
            const bool eigen = k < m_umbrueche.size() && m_umbrueche.at(k) == b.position() - 1;
            k += eigen;
            if (b.charFormat().hasProperty(kEigenerUmbruch) == eigen)
                continue;
            QTextCharFormat f = b.charFormat();
            if (eigen)
                f.setProperty(kEigenerUmbruch, true);
            else
                f.clearProperty(kEigenerUmbruch);
            QTextCursor(b).setBlockCharFormat(f);
        }
        c.endEditBlock();
        if (!alsSchritt)
            doc->setUndoRedoEnabled(true);
    }
    emit changed();
}

void TextBox::fuellungAbschliessen()
{
    m_fuellung.laeuft = false;
    m_fuellung.gezeigt.clear();
    if (isReadOnly() != m_fuellung.gesperrt)
        sperren(m_fuellung.gesperrt);
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
        sperren(locked);
}

// A locked box is still read with the keys: the caret moves, Shift selects,
// Ctrl+C copies; only typing changes nothing.
void TextBox::sperren(bool gesperrt)
{
    setReadOnly(gesperrt);
    if (gesperrt)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool TextBox::event(QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        // Tab moves the focus on, with Ctrl too; with Shift back.
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            && !(k->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
            focusNextPrevChild(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (isReadOnly())
            return QPlainTextEdit::event(e);
        // Return ends a line with any modifier: Shift would put in a break
        // inside the line that no file holds.
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            einfuegen(QStringLiteral("\n"));
            return true;
        }
        // Every key whose text goes in passes the gate, whatever its
        // modifiers; a refused letter changes nothing.
        if (tipptText(k)) {
            const QString t = k->text();
            const QString r = eingang(t, true);
            if (r.isEmpty())
                return true;
            // The mark of a lone CR or LF goes in as pasted text does.
            if (r.contains(QChar(kCrMark)) || r.contains(QChar(kLfMark))) {
                einfuegen(r);
                return true;
            }
            if (r == t && !(k->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
                return QPlainTextEdit::event(e);
            // What passes goes in as a plain typed key, undone with its run.
            QKeyEvent getippt(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, r, k->isAutoRepeat(), k->count());
            QPlainTextEdit::event(&getippt);
            return true;
        }
        if (loeschen(k))
            return true;
    }
    return QPlainTextEdit::event(e);
}

bool TextBox::eigenerUmbruch(int p) const
{
    const QTextDocument *doc = document();
    return p >= 0 && p < doc->characterCount() - 1 && doc->characterAt(p) == QChar::ParagraphSeparator
           && doc->findBlock(p + 1).charFormat().hasProperty(kEigenerUmbruch);
}

// A character deleted by key, with no selection. A run of these is one
// step to undo, across line ends too, as long as nothing else happens in
// between; a deletion that brings a lone CR and a lone LF together is a
// step of its own, so that undo takes back the line end it makes with it.
// Taking away a break of the box's own leaves the text as it is.
bool TextBox::loeschen(QKeyEvent *k)
{
    const bool zurueck = (k->key() == Qt::Key_Backspace && !(k->modifiers() & ~Qt::ShiftModifier))
                         || k->matches(QKeySequence::Backspace);
    const bool vor = !zurueck && k->matches(QKeySequence::Delete);
    QTextCursor c = textCursor();
    if ((!zurueck && !vor) || c.hasSelection())
        return false;
    QTextDocument *doc = document();
    const int ende = doc->characterCount() - 1;
    int von = c.position(), bis = von;
    if (zurueck) {
        if (von == 0)
            return false;
        --von;
        if (von > 0 && doc->characterAt(von).isLowSurrogate() && doc->characterAt(von - 1).isHighSurrogate())
            --von;
    } else {
        if (bis >= ende)
            return false;
        c.movePosition(QTextCursor::NextCharacter);
        bis = c.position();
    }
    int links = von - 1, rechts = bis;
    while (eigenerUmbruch(links))
        --links;
    while (eigenerUmbruch(rechts))
        ++rechts;
    const bool paar = links >= 0 && rechts < ende && doc->characterAt(links) == QChar(kCrMark)
                      && doc->characterAt(rechts) == QChar(kLfMark);
    const bool weiter = !paar && m_loeschReihe.revision == doc->revision()
                        && m_loeschReihe.caret == textCursor().position() && doc->isUndoAvailable();
    {
        const QScopedValueRollback<bool> bleibt(m_ohneAenderung, bis - von == 1 && eigenerUmbruch(von));
        // Deleted here as the editor deletes, as the editor cannot while the step is open.
        c = textCursor();
        if (weiter)
            c.joinPreviousEditBlock();
        else
            c.beginEditBlock();
        if (zurueck)
            c.deletePreviousChar();
        else
            c.deleteChar();
        c.endEditBlock();
    }
    setTextCursor(c);
    ensureCursorVisible();
    m_loeschReihe = {paar ? -1 : doc->revision(), c.position()};
    return true;
}

// An input method's letters (a dead key's, a compose sequence's) are typed
// text: they go in by the gate, as plain text, at the place the input
// method names. What it shows while it composes is no part of the text.
void TextBox::inputMethodEvent(QInputMethodEvent *e)
{
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    if (e->commitString().isEmpty() && e->replacementLength() > 0) {
        QPlainTextEdit::inputMethodEvent(e); // the input method deletes
        return;
    }
    // A commit the gate empties replaces nothing.
    if (!e->commitString().isEmpty())
        einfuegen(eingang(e->commitString(), true), e->replacementStart(), e->replacementLength());
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    {
        // Showing it takes away a selection, as typing would; nothing else.
        const QScopedValueRollback<bool> bleibt(m_ohneAenderung, !textCursor().hasSelection());
        QPlainTextEdit::inputMethodEvent(&rest);
    }
    e->accept();
}

// A locked box is no place for an input method: a dead key then comes as
// a key, which the box refuses.
QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled && isReadOnly())
        return false;
    return QPlainTextEdit::inputMethodQuery(query);
}

// Pasted or dropped text (a middle click too) goes in by the gate, as it is:
// a separator ends a line, and only what the box may hold goes in.
void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source || !source->hasText())
        return;
    einfuegen(eingang(source->text(), false));
}

// A text of which the gate leaves nothing is not taken: a drag of it is
// refused where it enters.
bool TextBox::canInsertFromMimeData(const QMimeData *source) const
{
    if (isReadOnly() || !source || !source->hasText())
        return false;
    const QString text = source->text();
    if (text != m_ablage.text) {
        bool weggelassen = false;
        const bool leer = eingang(text, false, &weggelassen).isEmpty();
        m_ablage = {text, !weggelassen, leer};
    }
    return !m_ablage.leer;
}

void TextBox::dragEnterEvent(QDragEnterEvent *e)
{
    QPlainTextEdit::dragEnterEvent(e);
    ablegenPruefen(e);
}

void TextBox::dragMoveEvent(QDragMoveEvent *e)
{
    QPlainTextEdit::dragMoveEvent(e);
    ablegenPruefen(e);
}

void TextBox::dropEvent(QDropEvent *e)
{
    const QScopedValueRollback<bool> ablegen(m_ablegen, true);
    QPlainTextEdit::dropEvent(e);
    ablegenPruefen(e);
}

// A drop the box takes only in part is a copy: a move would take from its
// source what the box left out. A drag that offers no copy is refused.
void TextBox::ablegenPruefen(QDropEvent *e)
{
    if (!e->isAccepted() || e->dropAction() != Qt::MoveAction || !canInsertFromMimeData(e->mimeData())
        || m_ablage.ganz)
        return;
    if (e->possibleActions() & Qt::CopyAction)
        e->setDropAction(Qt::CopyAction);
    else
        e->ignore();
}

// The gate: what the player puts in, made what the box may hold. A letter
// written as base letter and combining accent is first made one letter.
QString TextBox::eingang(QString text, bool getippt, bool *weggelassen) const
{
    text = text.normalized(QString::NormalizationForm_C);
    text.replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    if (getippt && m_tasten)
        text = m_tasten(text);
    const qsizetype vorher = text.size();
    if (m_zeichensatz) {
        const codepage::Charset cs = *m_zeichensatz;
        // Line ends and the marks of a lone CR or LF stand for bytes of the
        // file; both character sets hold ASCII as it is.
        text.removeIf([cs](QChar c) {
            return c.unicode() >= 0x80 && c != QChar::ParagraphSeparator && c != QChar(kCrMark)
                   && c != QChar(kLfMark) && !codepage::encodable(c, cs);
        });
    }
    if (weggelassen)
        *weggelassen = text.size() != vorher;
    return text;
}

// What the player puts in goes in plain: a line break in it never takes the
// mark of a break of the box's own from a format nearby. It replaces the
// selection, or the stretch an input method names relative to the caret.
// Nothing left of it changes nothing, a selection included.
void TextBox::einfuegen(const QString &text, int ersetzenAb, int ersetzenLaenge)
{
    if (text.isEmpty())
        return;
    const bool ersetzen = ersetzenAb != 0 || ersetzenLaenge != 0;
    // One step to undo, with the line end it may make of a lone CR and LF.
    QTextCursor c = textCursor();
    c.beginEditBlock();
    if (ersetzen) {
        c.removeSelectedText();
        const int ende = document()->characterCount() - 1;
        const int von = std::clamp(c.position() + ersetzenAb, 0, ende);
        c.setPosition(von);
        c.setPosition(std::clamp(von + ersetzenLaenge, von, ende), QTextCursor::KeepAnchor);
    }
    c.insertText(text, QTextCharFormat());
    c.endEditBlock();
    // A drop is put in inside the editor's own step, before the text is
    // laid out anew: the editor places the caret and scrolls once it is in.
    if (m_ablegen)
        return;
    // A replacement leaves the caret where it stood, moved with the text.
    if (!ersetzen)
        setTextCursor(c);
    ensureCursorVisible();
}

// A lone CR and a lone LF that an edit brought together, side by side or
// across breaks of the box's own, are the file's line end: shown as one, in
// the same step to undo as the edit. The text stays as it is. The changed
// stretch is read once; only its CR marks are looked at closer.
void TextBox::paareVerbinden(int von, int bis)
{
    QTextDocument *doc = document();
    const int ende = doc->characterCount() - 1; // the last line's end is no character
    von = std::max(0, von - 1);
    while (von > 0 && eigenerUmbruch(von))
        --von;
    bis = std::min(ende, bis + 1);
    if (bis <= von)
        return;
    // Qt hands out the whole text far faster per character than a stretch.
    QString stueck;
    if (qint64(bis - von) * 8 > ende) {
        stueck = doc->toRawText().mid(von, bis - von);
    } else {
        QTextCursor lesen(doc);
        lesen.setPosition(von);
        lesen.setPosition(bis, QTextCursor::KeepAnchor);
        stueck = lesen.selectedText();
    }
    for (qsizetype i = stueck.lastIndexOf(QChar(kCrMark)); i >= 0;
         i = i > 0 ? stueck.lastIndexOf(QChar(kCrMark), i - 1) : -1) {
        const int p = von + int(i);
        int q = p + 1;
        while (eigenerUmbruch(q))
            ++q;
        if (q >= ende || doc->characterAt(q) != QChar(kLfMark))
            continue;
        const QScopedValueRollback<bool> vonCode(m_setting, true);
        QTextCursor c(doc);
        c.joinPreviousEditBlock();
        c.setPosition(p);
        c.setPosition(q + 1, QTextCursor::KeepAnchor);
        c.insertText(QStringLiteral("\n"), QTextCharFormat());
        c.endEditBlock();
    }
}

// Marks the box's own breaks, out of the undo history: no edit.
void TextBox::umbruecheMarkieren()
{
    const QScopedValueRollback<bool> vonCode(m_setting, true);
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

// Copied text holds the characters as they are (a no-break space stays
// one), its line ends as LF and none of the box's own breaks.
QMimeData *TextBox::createMimeDataFromSelection() const
{
    const QTextCursor c = textCursor();
    QString kopie = c.selectedText();
    if (m_mitUmbruechen) {
        text(); // brings the breaks up to date
        const int von = c.selectionStart(), bis = c.selectionEnd();
        for (qsizetype k = m_umbrueche.size() - 1; k >= 0; --k) {
            const int p = m_umbrueche.at(k);
            if (p >= von && p < bis)
                kopie.remove(p - von, 1);
        }
    }
    kopie.replace(QChar::ParagraphSeparator, u'\n');
    auto *mime = new QMimeData;
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
