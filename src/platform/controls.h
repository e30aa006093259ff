// The controls the windows are built of, with the properties the program uses.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "platform/units.h"

namespace platform {
// A font by the name the program uses. Names Linux lacks are drawn with an
// installed font of about the same widths, so captions keep their length.
QFont font(const QString &name, double pointSize);
// The names the program itself uses ("Courier New", "Terminal", ...).
QStringList programmSchriften();
// Names for a font chooser: the program's own and the system's families,
// once each, without foundry tags, sorted without regard to case.
QStringList schriftAuswahl();
// The one picture of the picture buttons (84 x 95 pixels), and a button
// made one: the picture, no caption.
QIcon bildknopfBild();
void alsBildknopf(QPushButton *knopf);
}

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

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString &replacement);

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
    bool event(QEvent *e) override;

private:
    int displayPos(int exact) const;
    int exactPos(int display) const;
    void setSelection(int start, int length);
    bool auswahlWieGesetzt() const;

    void umbruecheMarkieren();
    void fuellungAbschliessen();

    mutable QString m_text;
    // Where the shown text holds a break of the box's own, in order.
    mutable QList<int> m_umbrueche;
    // The text was shown with such breaks: edits must look for them.
    bool m_mitUmbruechen = false;
    mutable bool m_dirty = false;
    bool m_setting = false;
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

// A label whose caption is plain text.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString &c);
    // Labels with AutoSize grow to fit their caption on one line.
    void setAutoSize(bool on);
    void setForeColor(quint32 bbggrr);
    void setBackColor(quint32 bbggrr);
private:
    bool m_autoSize = false;
};

// List of single choice: a click chooses an entry, with Ctrl held too;
// nothing but another choice takes the chosen one back. With nothing
// chosen, the first Down, Up or Home chooses the first entry.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);
protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *e) override;
};

// File list of one folder: hidden files left out, sorted without case.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
    void refresh();
    // The selected file's bare name, or empty.
    QString fileName() const;
    // Selecting by code runs the click handler, as a user's click would.
    void setListIndex(int index);
    void selectFile(const QString &name) ;
signals:
    void clicked();
protected:
    void changeEvent(QEvent *e) override;
private:
    QString m_path;
};

// Folder tree: the folders from the root down to the current one, then the
// current one's subfolders. A double click opens a folder.
class DirListBox : public ListBox {
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    // A new path lists it and runs the change handler.
    void setPath(const QString &path);
    void refresh();
    // The folder of an entry; of the selected one when index < 0.
    QString entryPath(int index = -1) const;
signals:
    void clicked();
    void changed();
protected:
    void changeEvent(QEvent *e) override;
private:
    QString m_path;
    QStringList m_paths;
    int m_currentRow = -1;
};

// Progress bar with Max and Value (kept within its range).
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);
    double max() const { return m_max; }
    double min() const { return m_min; }
    double value() const { return m_value; }
    void setMax(double m);
    void setValue(double v);
private:
    void show_();
    double m_min = 0, m_max = 100, m_value = 0;
};

namespace platform {
// A control of a window: made on its parent, named (tests find it by that
// name) and placed in twips.
template <class W, class... Args>
W *steuerelement(QWidget *parent, const QString &name, double left, double top, double width, double height,
                 Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    place(w, left, top, width, height);
    return w;
}
// A label with its caption.
inline Label *beschriftung(QWidget *parent, const QString &name, double left, double top, double width,
                           double height, const QString &caption)
{
    Label *l = steuerelement<Label>(parent, name, left, top, width, height);
    l->setCaption(caption);
    return l;
}
} // namespace platform
