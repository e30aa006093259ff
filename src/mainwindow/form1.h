// The main window: report viewer, orders editor and reference pane.
#pragma once

#include "platform/codepage.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QPushButton>
#include <functional>

class QFrame;

// Hidden store of the whole report, byte for byte.
class TextStore : public QWidget {
    Q_OBJECT
public:
    explicit TextStore(QWidget *parent = nullptr) : QWidget(parent) { hide(); }
    QByteArray Text;
};

class Form1 : public Form {
    Q_OBJECT
public:
    static Form1 *instance();
    static bool exists();
    // A file operation refused while another runs; a save under a name or
    // folder that can't take the file.
    static inline const QString kBeschaeftigt = QStringLiteral("Es ist gerade eine Datei geöffnet!");
    static inline const QString kNameFalsch =
        QStringLiteral("Dateiname beinhaltet ungültige Zeichen oder es existiert ein VERZEICHNIS mit gleichem Namen.");

    // ---- controls, by their names
    QFrame *Line1;
    Label *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    Label *Label10, *Label12, *Label13, *Label14, *Label15;
    FileListBox *File1;
    DirListBox *Dir1;
    QLineEdit *Text3, *Text4, *Text5;
    QComboBox *Combo1, *Combo2, *Combo3;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    QWidget *Picture1;
    TextBox *Text1, *Text2, *Text6;
    TextStore *UebergangsText;
    ListBox *List1;

    // ---- menu
    QMenu *d, *befehle, *auswww, *searchforsomething, *drr, *winwindowdow, *mappp, *Fragezeichen;
    QAction *aktu, *beend;
    QAction *hilfe, *speichern, *laden, *zaehlzaehl, *grossbuchstststaben, *befmax, *HBefErst;
    QAction *auswmax, *leerzeichfuegein, *auswertungspeicherrrrn;
    QAction *bevoelkerruuung, *GGold, *zzzauber, *proodukte, *kkontore, *hhhelden, *llandstriche, *sstatistik;
    QAction *auswdruck, *befdruck;
    QAction *winwinmin, *winwinschliess, *winwinanord;
    QAction *starttt, *inf, *hlp;

    // ---- window variables
    QString datei;
    QByteArray Inhalt;   // shown text collected by a load, as report bytes
    qint16 abbruch = 0;
    QByteArray anfang;   // the order head line taken from the report
    QString help;
    qint32 u = 0;        // character set: 0 not decided, 1 Windows, 2 OEM
    qint32 arbeit = 0;
    qint16 verandert = 0;
    qint16 neuedatei = 0;
    qint16 gross = 0;
    double zeitsek = 0;  // timer at load start, later the seconds taken
    qint16 Auswertungsgroesse = 7;
    qint16 Befehlgroesse = 10;
    QByteArray Alles;
    qint16 ZuViel = 0;
    qint16 Teil = 0;
    qint16 Ueberschneidung = 100;
    QByteArray L, LL, LR, R, RR, RL;
    qint32 maximal = 0;
    double addition = 0;
    double zusatz = 0;
    qint16 x1 = 130;
    qint16 y1 = 4430;
    qint32 breite = 100;
    qint32 hoehe = 9600;

    QByteArray store() const { return UebergangsText->Text; }
    // The report's character set for display.
    codepage::Charset reportCharset() const { return u == 2 ? codepage::Charset::Oem : codepage::Charset::Windows; }
    QString reportText(const QByteArray &bytes) const { return codepage::decode(bytes, reportCharset()); }

    // ---- the window itself
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;
    void Form_Unload(qint16 &Cancel) override;
    void Dir1_Change();
    void Dir1_Click();
    void File1_Click();
    void aktu_Click();
    void beend_Click();
    void Command2_Click();
    void ButtonEnde();
    // Ends the program; tests replace it.
    static std::function<void()> endProgram;

    // ---- report loader and store
    void lad();
    void schluss();
    void Command3_Click();
    void ladschnell();
    // A step of the load: the report box takes a text by pieces, and the
    // player's input comes through between them as at the load's other
    // pauses. False when the load ends there: the program ends, or the stop
    // was asked (the box keeps what it shows so far).
    bool berichtZeigen(const QString &text);
    void AuswertungAufteilen(const QByteArray &text);
    void Command1_Click();
    void Command4_Click();
    void leerzeichfuegein_Click();
    void Chr10Pruefen();
    void auswertungspeicherrrrn_Click();

    // ---- report sections
    void bevoelkerruuung_Click();
    void GGold_Click();
    void zzzauber_Click();
    void proodukte_Click();
    void kkontore_Click();
    void hhhelden_Click();
    void llandstriche_Click();
    void sstatistik_Click();

    // ---- orders editor and orders file (form1_orders.cpp)
    void Text1_Change();
    void Text5_Change();
    void speichern_Click();
    void laden_Click();
    void zaehlzaehl_Click();
    void ZeilenZaehlen();
    void grossbuchstststaben_Click();
    // ---- orders editor: further members
    void Text1_KeyPress(int &KeyAscii);
    void Text5_KeyPress(int &KeyAscii);
    void connectOrderHandlers();
    // Reads the orders file for the load; tests replace it to provoke failures.
    static std::function<QByteArray(const QString &)> befehleLesen;

    // ---- text box fonts (form1_fonts.cpp)
    void connectFontHandlers();
    // ---- text box fonts: further members
    // A font size typed into a size box; raises 380 for what the boxes refuse.
    static double schriftGroesse(const QString &text);
    void Combo1_Click();
    void Combo2_Click();
    void Text3_Change();
    void Text4_Change();
    void Text3_Click();
    void Text4_Click();

    // ---- enlarged view and printing (owned by the enlarged view)
    void befmax_Click();
    void auswmax_Click();
    void auswdruck_Click();
    void befdruck_Click();
    void auswertungmaximieren();
    void befehlmaximieren();

    // ---- window menu, info and help (owned by the window menu routines)
    void winwinmin_Click();
    void winwinschliess_Click();
    void winwinanord_Click();
    void inf_Click();
    void hlp_Click();

    // ---- order-code help (owned by the order-code reference)
    void hilfe_Click();
    void hilfemoeglichkeiten();

    // ---- rules reference pane (owned by the rules reference)
    void listeladenkreuz();
    void connectRulesHandlers();
    void Combo3_Click();
    void List1_Click();
    void listeladenkampfablauf();
    void listeladenheldenaufstieg();
    void listeladenbcdprod();
    void listeladenburgerw();
    void listeladenEigenschaften();
    void listeladeneinzeln();
    void listeladengrprod();
    void listeladennachschub();
    void listeladenrang();
    void listeladenerweiterung();
    void listeladenterrain();
    void listeladenverarbeitung();
    void listeladenzauber();

    // ---- map (owned by the map window)
    void HBefErst_Click();
    void starttt_Click();
    // The map holds changes the end would drop; false while no map window exists.
    bool karteUngespeichert() const;

    // Progress bar on the window's surface.
    void drawBar(double length, bool visible);
    void eraseBar() { drawBar(zusatz, false); }
    void enableFileMenus(bool on);
    void setLoadStatus(const QString &status) { Label3->setCaption(status); }
    bool barVisible() const { return m_barVisible; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1();
    void buildControls();
    void buildMenu();
    void paintBar();
    // Where a load failed: its head scan, its line load, or the file click around both.
    enum class Ladeschritt { Kopfsuche, Zeilen, Klick };
    void ladFehler(Ladeschritt wo, int number, const QString &description);
    void ladFertig();
    // A pause in a step of the load: the player's input comes through. True
    // when the step goes on; false when the program ends, or when a stop was
    // asked, which `stopp` then carries out.
    bool ladPause(const std::function<void()> &stopp);
    // The end of a stopped load; the report box shows Inhalt unless it
    // keeps what the load was showing when the stop came.
    void ladStopp(bool inhaltZeigen);
    // The whole text in the report box: no paging controls.
    void keineTeile();
    // The split into parts and the paging controls; the part to show first.
    QByteArray teileSetzen(const QByteArray &text);
    void keinZeichensatz(const QString &format);
    void ladAbbrechen();
    void abschnitt(int row);

    bool m_ausListe = true;
    bool m_berichtLaedt = false; // arbeit = 1 stems from a report load
    double m_barLength = 0;
    bool m_barVisible = false;
};
