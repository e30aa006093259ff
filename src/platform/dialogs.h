// Message and input boxes titled with the program's name. Tests answer them
// through hooks instead of a person.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Buttons and icons of a message box; a box takes one of each, added.
inline constexpr int OkOnly = 0, OkCancel = 1, YesNo = 4;
inline constexpr int Critical = 16, Question = 32, Warning = 48, Information = 64;
// What the player answered.
inline constexpr int Ok = 1, Cancel = 2, Yes = 6, No = 7;

inline const QString kTitel = QStringLiteral("Befehlswart");

// Message box: returns Ok, Yes or No. Tests answer through the hook.
int MsgBox(const QString &prompt, int buttons = OkOnly, const QString &title = kTitel);
// Input box: returns the text, or an empty text when cancelled.
QString InputBox(const QString &prompt, const QString &title, const QString &defaultText = QString());

using MsgBoxHook = std::function<int(const QString &prompt, int buttons, const QString &title)>;
using InputBoxHook = std::function<QString(const QString &prompt, const QString &title, const QString &def)>;
void setMsgBoxHook(MsgBoxHook hook);
void setInputBoxHook(InputBoxHook hook);
// Boxes open over the program's active window; with none active, over the
// one active last that is still open, else over this one (the main window)
// while it is open. Once answered, the window a box opened over is in front
// and active again.
void setHauptfenster(QWidget *w);
// The window the next box opens over; nullptr for the middle of the screen.
QWidget *boxFenster();
// True while a message or input box of ours is open (such a box is not a
// window of the program for activation purposes).
bool dialogOpen();

} // namespace platform
