// The controls the windows are built of, with the properties the program uses.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "platform/textbox.h"
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
// A list whose entry changes by the player's choice alone: the wheel turned
// while the mouse passes over it changes nothing unless it has the focus.
void nurGewaehlt(QComboBox *liste);
}

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
signals:
    // A click on an entry; a key that chooses another entry, and Return on
    // the chosen one, click too. Return then goes on to the window.
    void clicked();
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
    void selectFile(const QString &name);
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
    void changed();
protected:
    void changeEvent(QEvent *e) override;
private:
    QString m_path;
    QStringList m_paths;
    int m_currentRow = -1;
};

// Progress bar from 0 to Max, with Value kept within.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);
    double max() const { return m_max; }
    double value() const { return m_value; }
    void setMax(double m);
    void setValue(double v);
private:
    void show_();
    double m_max = 100, m_value = 0;
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
