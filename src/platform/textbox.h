// The multi-line text box that keeps the exact text.
#pragma once

#include "platform/codepage.h"

#include <QPlainTextEdit>
#include <functional>
#include <optional>

// Multi-line text box. Qt's editor turns CR, LF and CR LF each into a line
// break; this box shows a lone CR or LF as a mark and counts CR LF as two
// characters. The exact text is kept here, so positions and written bytes
// stay exact. Qt lays out a line whole, so a very long line (a report with
// lone LFs is one) is shown in pieces, broken where the box chose; those
// breaks are no part of the text. Tab moves the focus on, as in every other
// box; pasted tabs stay.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const;
    // The whole text, at once.
    void setText(const QString &text);
    int length() const { return text().size(); }

    // A text by pieces, so that its caller can keep the window live between
    // them: fuellen puts in the first piece, each weiterFuellen the next,
    // true once the whole text is in (at once for a short text, and when no
    // fill runs). Meanwhile the box takes no typing and text() is the whole
    // text; a newer text replaces the fill.
    void fuellen(const QString &text);
    bool weiterFuellen();
    bool fuellt() const { return m_fuellung.laeuft; }
    // Ends a running fill where it stands: the box then holds what it shows.
    void fuellenAnhalten();
    // Adds a piece at the end, as a change by code; what the player typed
    // stays. Costs the piece and the last shown line, not the whole text.
    // As a step, it is one step to undo and the steps before it stay;
    // otherwise it is none, and the history is dropped.
    void anhaengen(const QString &stueck, bool alsSchritt = false);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString &replacement);

    // What the player puts in, by key, input method, paste or drop, passes
    // one gate; a locked box takes nothing by any way. A separator in it
    // ends a line. Typed text (keys, an input method's letters) passes
    // `tasten` first, which returns what goes in instead.
    using Tasten = std::function<QString(const QString &getippt)>;
    void setTasten(Tasten tasten) { m_tasten = std::move(tasten); }
    // The character set of the file the text is saved to: the box takes no
    // character that it lacks, so that it shows what the file will hold.
    void setZeichensatz(codepage::Charset cs) { m_zeichensatz = cs; }

    // While a fill runs, the lock takes effect at its end.
    void setLocked(bool locked);
    bool locked() const { return m_fuellung.laeuft ? m_fuellung.gesperrt : isReadOnly(); }

    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    void setFontName(const QString &name);
    void setFontSize(double points);

    // The shown text, and the positions of the breaks the box adds to it.
    static QString toDisplay(const QString &exact, QList<int> &umbrueche);
    static QString fromDisplay(const QString &display, const QList<int> &umbrueche);

signals:
    // Any change of the text, by the user or by code.
    void changed();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool event(QEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    int displayPos(int exact) const;
    int exactPos(int display) const;
    void setSelection(int start, int length);
    bool auswahlWieGesetzt() const;

    void sperren(bool gesperrt);
    QString eingang(QString text, bool getippt, bool *weggelassen = nullptr) const;
    void einfuegen(const QString &text, int ersetzenAb = 0, int ersetzenLaenge = 0);
    bool loeschen(QKeyEvent *k);
    bool eigenerUmbruch(int p) const;
    void ablegenPruefen(QDropEvent *e);
    void paareVerbinden(int von, int bis);
    void umbruecheMarkieren();
    void fuellungAbschliessen();

    mutable QString m_text;
    // Where the shown text holds a break of the box's own, in order.
    mutable QList<int> m_umbrueche;
    // The text was shown with such breaks since its history began: edits
    // and undo must look for them.
    bool m_mitUmbruechen = false;
    mutable bool m_dirty = false;
    bool m_setting = false;
    // An edit that leaves the text as it is (an input method's preedit, a
    // break of the box's own deleted): no change of the text.
    bool m_ohneAenderung = false;
    // A drop runs: the editor places the caret after it.
    bool m_ablegen = false;
    Tasten m_tasten;
    std::optional<codepage::Charset> m_zeichensatz;
    // Where the player's last edit changed the shown text, in shown positions.
    int m_nahtVon = -1, m_nahtBis = -1;
    // The document and the caret as the last deletion by key left them: the
    // next one goes on with its run while both are so.
    struct {
        int revision = -1, caret = -1;
    } m_loeschReihe;
    // What the gate makes of the text dragged over the box: the text, and
    // whether it takes all, some or none of it.
    mutable struct {
        QString text;
        bool ganz = false, leer = true;
    } m_ablage;
    // A text going in by pieces: its shown form, how far it is in, and the
    // lock the box takes on at the end.
    struct {
        bool laeuft = false;
        QString gezeigt;
        qsizetype bis = 0;
        bool gesperrt = false;
    } m_fuellung;
    // The selection as code set it, with the editor's cursor it became.
    struct {
        int start = -1, laenge = 0;
        int anker = 0, pos = 0;
    } m_auswahl;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
};

// Locks a box while it lives: the box takes keys again on every way out of
// the work that needs it locked.
class Sperre {
public:
    explicit Sperre(TextBox *box) : m_box(box) { m_box->setLocked(true); }
    ~Sperre() { m_box->setLocked(false); }
    Sperre(const Sperre &) = delete;
    Sperre &operator=(const Sperre &) = delete;

private:
    TextBox *m_box;
};
