// Start settings window: folder, orders file and start report, the sound
// switches, the settings file, the contact links. It opens the eight sound
// players, carries the progress bar of the load at start, and stays loaded
// for the whole run.
#pragma once

#include "core/sound.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/waveplayer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QUrl>
#include <array>
#include <functional>

class Form3 : public Form {
    Q_OBJECT
public:
    // Creating the window runs its load; it is not shown.
    static Form3 *instance();
    static bool exists();
    ~Form3() override;

    // ---- controls
    Label *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label9, *Label10;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QLineEdit *Text1, *Text2, *Text3;
    QCheckBox *Check1, *Check2, *Check3, *Check4;
    std::array<QPushButton *, 3> Command1;
    QPushButton *Command2, *Command3, *Command4, *Command5;
    DirListBox *Dir1;
    // The targets of the web and mail shortcut files, once linked.
    QUrl OLE1, OLE2;

    // The program's sound players, which this window opens at its load.
    WavePlayer *const MMControl1 = klangspieler().MMControl1;
    WavePlayer *const MMControl2 = klangspieler().MMControl2;
    WavePlayer *const MMControl3 = klangspieler().MMControl3;
    WavePlayer *const MMControl4 = klangspieler().MMControl4;
    WavePlayer *const MMControl5 = klangspieler().MMControl5;
    WavePlayer *const MMControl6 = klangspieler().MMControl6;
    WavePlayer *const MMControl7 = klangspieler().MMControl7;
    WavePlayer *const MMControl8 = klangspieler().MMControl8;
    ProgressBar *ProgressBar1;

    // ---- window variables
    qint16 warten = 0;
    qint16 auto_ = 0; // "auto" of the settings; the name is taken by C++
    qint16 vorhandentipp = 0;
    qint16 vorhandenbest = 0;
    qint16 vorhandenklick = 0;
    qint16 schluss = 0;
    qint16 manuell = 0;

    // Opens a contact link with the system's program for it; false when
    // none could. Tests replace it.
    static std::function<bool(const QUrl &)> linkOeffnen;

    // ---- handlers
    void Form_Load();
    void Form_Unload(qint16 &Cancel) override;
    void Check1_Click();
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Label4_Click();
    void Label5_Click();
    void Label4_MouseDown();
    void Label4_MouseUp();
    void Label5_MouseDown();
    void Label5_MouseUp();
    void Label10_Click();
    void Label10_MouseDown();
    void Label10_MouseMove();
    void Label10_MouseUp();
    void Form_MouseMove();

    // sound switches and test
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check2_LostFocus();
    void Check3_LostFocus();
    void Check4_LostFocus();
    void Check2_MouseDown();
    void Check3_MouseDown();
    void Check4_MouseDown();
    void Command5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form3();
    void buildControls();
    void spielerOeffnen();
    void einstellungenLesen();
    void kontaktOeffnen(const QUrl &ziel, const QString &fehlerText);
    void schalterKlick(QCheckBox *box, bool dateiFehlt, qint16 &schalter);
    bool klangDa(const QString &name) const;
    QColor m_label10Farbe;
};
