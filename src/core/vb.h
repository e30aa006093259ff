// The small layer that stands in for what the original platform gave every
// window: message and input boxes, yielding, number conversion, twips,
// colours and run-time errors with their numbers.
#pragma once

#include <QColor>
#include <QString>
#include <QRect>
#include <exception>
#include <functional>

class QWidget;

namespace vb {

// Message box styles and answers, by their old values.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

inline const QString kTitel = QStringLiteral("Befehlswart");

// A run-time error with the number the program reacts to.
struct Error : std::exception {
    int number;
    QString description;
    Error(int n, QString d) : number(n), description(std::move(d)) {}
    const char *what() const noexcept override { return "vb::Error"; }
};
// Standard descriptions of the numbers the program knows.
QString errorDescription(int number);
[[noreturn]] void raise(int number);

// Message box: returns vbOK, vbYes or vbNo. Tests answer through the hook.
int MsgBox(const QString &prompt, int buttons = vbOKOnly, const QString &title = kTitel);
// Input box: returns the text, or an empty text when cancelled.
QString InputBox(const QString &prompt, const QString &title, const QString &defaultText = QString());

using MsgBoxHook = std::function<int(const QString &prompt, int buttons, const QString &title)>;
using InputBoxHook = std::function<QString(const QString &prompt, const QString &title, const QString &def)>;
void setMsgBoxHook(MsgBoxHook hook);
void setInputBoxHook(InputBoxHook hook);
// True while a message or input box of ours is open (such a box is not a
// window of the program for activation purposes).
bool dialogOpen();

// Hands control to the event loop now.
void DoEvents();

// Yields at most every few milliseconds: call due() in a loop; when it
// returns true the caller updates its progress display and calls DoEvents().
class Batch {
public:
    explicit Batch(int milliseconds = 8);
    bool due();
    void restart();
private:
    qint64 m_next;
    int m_ms;
};

// Sleep that keeps the window live.
void Sleep(int milliseconds);

// Seconds since midnight, as the old Timer function.
double Timer();
// Seconds elapsed since a Timer() value, counted across midnight.
double secondsSince(double start);

// Nearest whole number, an exact half to the even neighbour.
double roundEven(double v);
// Conversions that raise overflow (6).
qint16 CInt(double v);
qint32 CLng(double v);
// A number typed by the user, read with the user's decimal comma;
// raises type mismatch (13) when it is none.
double toNumber(const QString &text);
// Whole-number text of a value, like the old Str$ without its blank.
QString str(qint64 v);

// Twips to pixels by the screen's logical DPI.
int twipsX(double twips);
int twipsY(double twips);
double pixelsToTwipsX(int px);
QRect twipsRect(double left, double top, double width, double height);
void place(QWidget *w, double left, double top, double width, double height);

// &HBBGGRR, and &H800000nn for the system colours.
QColor color(quint32 bbggrr);

} // namespace vb
