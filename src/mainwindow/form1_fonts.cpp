// Fonts of the report box and the orders box.
#include "mainwindow/form1.h"

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <QMouseEvent>
#include <QTimer>

using namespace platform;

// A size as the box holds it, read with the user's decimal comma. Qt would
// quietly ignore what the boxes refuse: no number, 0 or less, or more
// than 2160 points.
double Form1::schriftGroesse(const QString &text)
{
    const double v = static_cast<float>(toNumber(text));
    if (!(v > 0) || v > 2160)
        platform::raise(380);
    return v;
}

namespace {

void schriftName(TextBox *box, const QString &name)
{
    if (name.trimmed().isEmpty())
        raise(380);
    box->setFontName(name);
}

// Runs a combo box's click handler once per choice. Qt reports a pick from
// the list that changes the entry twice (currentIndexChanged, then
// activated), a pick of the entry already chosen only as activated, and a
// change by code only as currentIndexChanged.
class KlickMelder : public QObject {
public:
    KlickMelder(QComboBox *box, Form1 *f, void (Form1::*klick)()) : QObject(box)
    {
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, f, klick](int i) {
            const int vorher = m_index;
            m_index = i;
            // A list that gets its first entry selects it by itself: no choice.
            if (i < 0 || (vorher < 0 && box->count() == 1))
                return;
            m_eben = i;
            QTimer::singleShot(0, this, [this] { m_eben = -1; });
            (f->*klick)();
        });
        connect(box, &QComboBox::activated, this, [this, f, klick](int i) {
            const bool schonGemeldet = i == m_eben;
            m_eben = -1;
            if (!schonGemeldet)
                (f->*klick)();
        });
    }

private:
    int m_index = -1;
    int m_eben = -1; // reported by currentIndexChanged in this same pick
};

// A click into a size box selects its whole entry.
class GroessenKlick : public QObject {
public:
    explicit GroessenKlick(Form1 *f) : QObject(f), m_f(f) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
            if (o == m_f->Text3)
                m_f->Text3_Click();
            else if (o == m_f->Text4)
                m_f->Text4_Click();
        }
        return false;
    }

private:
    Form1 *m_f;
};

void ganzWaehlen(QLineEdit *box)
{
    box->setFocus();
    box->setSelection(0, box->text().size());
}

} // namespace

void Form1::connectFontHandlers()
{
    new KlickMelder(Combo1, this, &Form1::Combo1_Click);
    new KlickMelder(Combo2, this, &Form1::Combo2_Click);
    connect(Text3, &QLineEdit::textChanged, this, &Form1::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    auto *klick = new GroessenKlick(this);
    Text3->installEventFilter(klick);
    Text4->installEventFilter(klick);
    // The orders box's key handlers are wired here too, at construction.
    connectOrderHandlers();
}

void Form1::Combo1_Click()
{
    try {
        Text1->setFocus();
        schriftName(Text1, Combo1->currentText());
        Text1->setFontSize(schriftGroesse(Text4->text()));
    } catch (const platform::Error &) {
        MsgBox(QStringLiteral("Schriftart nicht verfügbar"));
    }
}

void Form1::Combo2_Click()
{
    try {
        Text2->setFocus();
        schriftName(Text2, Combo2->currentText());
        if (Text2->fontName().compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
            Text2->setFontSize(Auswertungsgroesse);
            Text3->setText(str(Auswertungsgroesse));
        }
        Text2->setFontSize(schriftGroesse(Text3->text()));
    } catch (const platform::Error &) {
        MsgBox(QStringLiteral("Schriftart nicht verfügbar"));
    }
}

void Form1::Text3_Change()
{
    if (Text3->text().isEmpty())
        return;
    try {
        Text2->setFontSize(schriftGroesse(Text3->text()));
        Combo2->setEditText(Text2->fontName());
    } catch (const platform::Error &) {
        MsgBox(QStringLiteral("Keine gültige Eingabe."));
    }
}

void Form1::Text4_Change()
{
    if (Text4->text().isEmpty())
        return;
    try {
        Text1->setFontSize(schriftGroesse(Text4->text()));
        Combo1->setEditText(Text1->fontName());
    } catch (const platform::Error &) {
        MsgBox(QStringLiteral("Keine gültige Eingabe."));
    }
}

void Form1::Text3_Click() { ganzWaehlen(Text3); }
void Form1::Text4_Click() { ganzWaehlen(Text4); }
