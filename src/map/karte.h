// The map window: size boxes, scroll buttons and commands on top, the map
// canvas in its frame, the field-data panel on the right, a status bar for
// the load chooser's hints. It is hidden, never destroyed, so the map
// survives closing. The panel's rules and the symbols live in `feldtafel`;
// the window mirrors them.
#pragma once

#include "map/feldtafel.h"
#include "map/kartenleinwand.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

class Karte : public Form {
    Q_OBJECT
public:
    // Creating the window runs its load; it is not shown.
    static Karte *instance();
    static bool exists();

    // The panel's state and rules, the records' symbols, the guards.
    Feldtafel feldtafel;
    // The map as last saved or loaded.
    KartenStand gespeichert;
    // The player would lose changes of the map by ending now, or by Load or
    // New: to its records, size or field size since the last save or map
    // load, or typed into the panel and not yet stored.
    bool ungespeichert() const;

    // ---- controls
    QLineEdit *Text1, *Text2;
    Label *Label1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8;
    QFrame *Line1;
    QWidget *Picture2;
    Kartenleinwand *Picture1;
    Label *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLineEdit *TxtFeldNummer, *TxtFeldName, *TxtBurgklasse, *TxtBesitzer, *TxtSpielerName, *TxtSpielerNummer,
        *TxtOberHerr;
    QComboBox *TxtTerrain, *TxtBesonderheiten, *TxtBurgArt, *TxtSpielerRang, *TxtEchtBit;
    QCheckBox *TxtGubhort, *TxtErzmagier, *TxtDrufelbatze;
    QLineEdit *Text3;
    QStatusBar *StatusBar1;

    // ---- window variables
    qint16 fertig = 0;
    float PositionX = 0, PositionY = 0;
    qint16 &laden = feldtafel.laden;
    qint16 &GarNichtsMachen = feldtafel.GarNichtsMachen;
    QString Datenabschnitt;
    qint16 SpielerAnzahl = 0;
    QString AktuellerSpieler;
    qint16 LS = 0;
    qint16 FelderAnzahl = -2;
    double Kosten = 0;
    qint16 FeldVorher = 0;
    QString MehrfachEndung;
    QString Titel;

    // ---- window events
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;
    void Form_Deactivate() override {}

    // ---- toolbar
    void Command1_Click(); // "New"
    void Command2_Click(); // "Size"
    void Command7_Click(); // "Save", the map file's
    void Command8_Click(); // "Load", the map file's

    // ---- management files of the game
    void MorvelDateiLaden();
    void MehrfachEndungSetzen();
    void Command4_MouseDown();
    void Command3_MouseDown();
    void Command5_MouseDown();
    void Command6_MouseDown();
    void Command4_MouseUp();
    void Command3_MouseUp();
    void Command5_MouseUp();
    void Command6_MouseUp();
    void Text1_Change();
    void Text2_Change();
    void Text1_GotFocus();
    void Text2_GotFocus();

    // ---- the canvas and the selection
    void Picture1_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void AufKarteKlicken();
    // One step of the army path; the wizard's.
    void MacheBefehl();

    // ---- panel
    void FelderWerteInitialisieren();
    void EnableTruen();
    void EnableFalsen();
    void TxtBurgArt_Click();
    void TxtBurgklasse_Change();
    void TxtEchtBit_Click();
    void TxtSpielerRang_Click();
    void TxtTerrain_Click();
    void TxtBesonderheiten_Click();
    void TxtGubhort_Click();
    void TxtFeldName_GotFocus();
    void TxtSpielerName_GotFocus();
    void TxtBesitzer_GotFocus();
    void TxtBurgklasse_GotFocus();
    void TxtOberHerr_GotFocus();
    void TxtSpielerNummer_GotFocus();

    // ---- symbols: all unloaded; one takes or loses the focus, or is pressed
    void SteuerElementeEntladen();
    void symbolGotFocus(kartenmodell::Symbol art, int Index);
    void symbolLostFocus(kartenmodell::Symbol art, int Index);
    void symbolMouseDown(kartenmodell::Symbol art, int Index);

    // The panel's controls show `feldtafel`; the canvas repaints.
    void spiegeln();

    // Window sizes in twips, as the drawing sets them.
    double breiteTwips() const;
    void setFensterGroesseTwips(double breite, double hoehe);
    // The canvas and the frame in twips.
    QRectF bildTwips() const;
    void setBildTwips(const QRectF &r);
    void setRahmenGroesseTwips(double breite, double hoehe);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Karte();
    void buildControls();
    void rollen(QPushButton *richtung);
    void rollenStarten(QPushButton *knopf);
    void rollenStoppen();
    void radDrehen(QWheelEvent *e);
    void ladenAbschliessen();
    // Load and New drop a map that holds changes only when the player
    // answers Yes; `wirklich` is the question's second line.
    bool verwerfenBestaetigt(const QString &wirklich) const;
    QPushButton *m_rollKnopf = nullptr;
    QTimer m_rollTakt;
    QPoint m_rad; // wheel turned, not yet a whole notch
    QRectF m_bild;           // Picture1 in twips, inside the frame
    bool m_spiegeln = false;
    bool m_gewaehlt = false; // the last click selected a field
    // The selection as last painted, so that a change repaints two cells.
    int m_gemalteSpalte = 0, m_gemalteZeile = 0, m_gemaltesFeld = 0;
    void neuMalen();
    std::optional<SymbolTreffer> m_letzterFokus;
};

// ---- drawing of the map, shared by the map window's commands
void KarteZeichnen();
void FeldDatenAnordnen();
void KarteZentrieren();
