#include "platform/dialogs.h"
#include "platform/form.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace platform {

namespace {
MsgBoxHook g_msgHook;
InputBoxHook g_inputHook;
int g_dialogDepth = 0;
QPointer<QWidget> g_hauptfenster;

// While a box is open. Once it is answered, the window it opened over comes
// to the front again: the system may have left the focus nowhere, or with
// another window, when the box came while none was active.
struct DialogGuard {
    QPointer<QWidget> ueber = boxFenster();
    DialogGuard() { ++g_dialogDepth; }
    ~DialogGuard()
    {
        --g_dialogDepth;
        if (!Form::offen(ueber) || QApplication::activeWindow() == ueber)
            return;
        if (auto *form = qobject_cast<Form *>(ueber.data())) {
            form->SetFocus();
        } else {
            ueber->raise();
            ueber->activateWindow();
        }
    }
};
} // namespace

void setMsgBoxHook(MsgBoxHook hook) { g_msgHook = std::move(hook); }
void setInputBoxHook(InputBoxHook hook) { g_inputHook = std::move(hook); }
bool dialogOpen() { return g_dialogDepth > 0; }
void setHauptfenster(QWidget *w) { g_hauptfenster = w; }

QWidget *boxFenster()
{
    if (QWidget *w = Form::aktivesFenster())
        return w;
    // None active: a file dialog has just closed and the system has not yet
    // given the focus back to the window the player worked in.
    if (QWidget *w = Form::zuletztOffen())
        return w;
    return Form::offen(g_hauptfenster) ? g_hauptfenster.data() : nullptr;
}

int MsgBox(const QString &prompt, int buttons, const QString &title)
{
    DialogGuard guard;
    if (g_msgHook)
        return g_msgHook(prompt, buttons, title);

    QMessageBox box(guard.ueber);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    switch (buttons & 0x70) {
    case Critical: box.setIcon(QMessageBox::Critical); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case Warning: box.setIcon(QMessageBox::Warning); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons & 0x0F) {
    case YesNo: {
        QAbstractButton *ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QAbstractButton *nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(qobject_cast<QPushButton *>(ja));
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? Yes : No;
    }
    case OkCancel: {
        QAbstractButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QAbstractButton *ab = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setEscapeButton(ab);
        box.exec();
        return box.clickedButton() == ok ? Ok : Cancel;
    }
    default:
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Ok;
    }
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    DialogGuard guard;
    if (g_inputHook)
        return g_inputHook(prompt, title, defaultText);
    QInputDialog dlg(guard.ueber);
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}

} // namespace platform
