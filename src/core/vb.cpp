#include "core/vb.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QPalette>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <cmath>
#include <limits>

namespace vb {

namespace {
MsgBoxHook g_msgHook;
InputBoxHook g_inputHook;
int g_dialogDepth = 0;

struct DialogGuard {
    DialogGuard() { ++g_dialogDepth; }
    ~DialogGuard() { --g_dialogDepth; }
};

QElapsedTimer &clock()
{
    static QElapsedTimer t = [] { QElapsedTimer e; e.start(); return e; }();
    return t;
}

double logicalDpiX()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchX();
    return 96.0;
}
double logicalDpiY()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchY();
    return 96.0;
}
} // namespace

QString errorDescription(int number)
{
    switch (number) {
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 52: return QStringLiteral("Bad file name or number");
    case 53: return QStringLiteral("File not found");
    case 55: return QStringLiteral("File already open");
    case 57: return QStringLiteral("Device I/O error");
    case 61: return QStringLiteral("Disk full");
    case 62: return QStringLiteral("Input past end of file");
    case 68: return QStringLiteral("Device unavailable");
    case 70: return QStringLiteral("Permission denied");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 380: return QStringLiteral("Invalid property value");
    case 482: return QStringLiteral("Printer error");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

void raise(int number) { throw Error(number, errorDescription(number)); }

void setMsgBoxHook(MsgBoxHook hook) { g_msgHook = std::move(hook); }
void setInputBoxHook(InputBoxHook hook) { g_inputHook = std::move(hook); }
bool dialogOpen() { return g_dialogDepth > 0; }

int MsgBox(const QString &prompt, int buttons, const QString &title)
{
    DialogGuard guard;
    if (g_msgHook)
        return g_msgHook(prompt, buttons, title);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    switch (buttons & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons & 0x0F) {
    case vbYesNo: {
        QAbstractButton *ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QAbstractButton *nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(qobject_cast<QPushButton *>(ja));
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? vbYes : vbNo;
    }
    case vbOKCancel: {
        QAbstractButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QAbstractButton *ab = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setEscapeButton(ab);
        box.exec();
        return box.clickedButton() == ok ? vbOK : vbCancel;
    }
    default:
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return vbOK;
    }
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    DialogGuard guard;
    if (g_inputHook)
        return g_inputHook(prompt, title, defaultText);
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The first call is due at once, so a request made just before long work
// starts is seen at its first step.
Batch::Batch(int milliseconds) : m_next(clock().elapsed()), m_ms(milliseconds) {}

bool Batch::due()
{
    const qint64 now = clock().elapsed();
    if (now < m_next)
        return false;
    m_next = now + m_ms;
    return true;
}

void Batch::restart() { m_next = clock().elapsed() + m_ms; }

void Sleep(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(5, milliseconds - t.elapsed() > 0 ? milliseconds - t.elapsed() : 0)));
    }
}

double Timer()
{
    const QTime t = QTime::currentTime();
    return t.msecsSinceStartOfDay() / 1000.0;
}

double secondsSince(double start)
{
    double d = Timer() - start;
    // A start rounded up to the next second is a little ahead of now; only a
    // larger gap means the day has turned.
    if (d < -1.0)
        d += 86400.0;
    return std::max(d, 0.0);
}

double roundEven(double v) { return std::nearbyint(v); }

qint16 CInt(double v)
{
    if (std::isnan(v))
        raise(6);
    const double r = roundEven(v);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        raise(6);
    return static_cast<qint16>(r);
}

qint32 CLng(double v)
{
    if (std::isnan(v))
        raise(6);
    const double r = roundEven(v);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        raise(6);
    return static_cast<qint32>(r);
}

double toNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        raise(13);
    bool ok = false;
    const QLocale loc;
    double v = loc.toDouble(t, &ok);
    if (!ok) {
        // Numbers written with a point stay readable under a comma locale.
        v = QLocale::c().toDouble(t, &ok);
    }
    if (!ok || std::isnan(v) || std::isinf(v))
        raise(13);
    return v;
}

QString str(qint64 v) { return QString::number(v); }

int twipsX(double twips) { return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0)); }
int twipsY(double twips) { return static_cast<int>(std::lround(twips * logicalDpiY() / 1440.0)); }
double pixelsToTwipsX(int px) { return px * 1440.0 / logicalDpiX(); }

QRect twipsRect(double left, double top, double width, double height)
{
    const int l = twipsX(left), t = twipsY(top);
    return QRect(l, t, twipsX(left + width) - l, twipsY(top + height) - t);
}

void place(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

QColor color(quint32 v)
{
    if (v & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (v & 0xFFu) {
        case 0x0F: return pal.color(QPalette::Button);          // button face
        case 0x12: return pal.color(QPalette::ButtonText);      // button text
        case 0x0D: return pal.color(QPalette::Highlight);       // highlight
        case 0x09: return pal.color(QPalette::HighlightedText); // highlighted / title text
        case 0x0C: return pal.color(QPalette::Dark);            // application workspace
        case 0x0A: return pal.color(QPalette::Mid);             // active border
        case 0x05: return pal.color(QPalette::Base);            // window background
        case 0x08: return pal.color(QPalette::Text);            // window text
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace vb
