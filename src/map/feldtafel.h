// The field-data panel of the map window as plain data, and its rules: what
// showing a record, storing the panel and each choice in it do to the other
// controls, to the records and to the field symbols. A value put into a
// control runs that control's rule when it changes, whether the player or
// the program put it there; the window only mirrors this state.
#pragma once

#include "map/kartenmodell.h"
#include "map/symbole.h"

// State of one control of the panel.
struct TafelSteuer { bool enabled = false; };
struct TafelText : TafelSteuer { QString text; };
struct TafelListe : TafelSteuer { qint16 index = 0; };
struct TafelHaken : TafelSteuer { qint16 value = 0; };

struct Tafel {
    TafelText TxtFeldNummer;
    TafelListe TxtTerrain;
    TafelHaken TxtGubhort;
    TafelText TxtFeldName;
    TafelListe TxtBesonderheiten;
    TafelListe TxtBurgArt;
    TafelText TxtBurgklasse{{}, QStringLiteral("0")};
    TafelText TxtBesitzer{{}, QStringLiteral("0")};
    TafelText TxtSpielerName;
    TafelText TxtSpielerNummer{{}, QStringLiteral("0")};
    TafelText TxtOberHerr{{}, QStringLiteral("0")};
    TafelListe TxtSpielerRang;
    TafelListe TxtEchtBit;
    TafelHaken TxtErzmagier;
    TafelHaken TxtDrufelbatze;
    TafelSteuer Label2, Label3, Label4, Label5, Label6, Label7, Label8;
};

class Feldtafel {
public:
    Tafel tafel;
    SymbolBestand symbole;
    // 1 while the panel is filled by the program: the rules then store
    // nothing and change no symbol.
    qint16 GarNichtsMachen = 0;
    // 1 while a map file is read: removals only hide, castles take no focus.
    qint16 laden = 0;
    // The field whose record the panel shows; -1 after a reset. A click
    // stores the panel only into that field, so a panel left over from
    // before a load or a reset never lands in another field's record.
    int gezeigtesFeld = -1;

    // ---- values put into the controls; each runs its rule on a change
    void setTerrain(int index);
    void setBesonderheiten(int index);
    void setBurgArt(int index);
    void setSpielerRang(int index);
    void setEchtBit(int index);
    void setGubhort(int value);
    void setErzmagier(int value);
    void setDrufelbatze(int value);
    void setBurgklasse(const QString &text);
    void setText(TafelText Tafel::*box, const QString &text);
    // The lists whose entry puts a symbol on the field.
    enum class SymbolListe { Terrain, Besonderheiten, BurgArt };
    // An entry chosen in such a list, by the player or a rule. Choosing the
    // entry the list shows already runs the rule too while the record holds
    // another value (a StammesBurg shown as "Keine Burg", a value outside
    // the list), so that record and symbol follow the choice.
    void eintragWaehlen(SymbolListe liste, int index);

    // ---- panel operations
    void FelderWerteInitialisieren();
    void FeldDatenAnzeigen();
    // Before a save and when the selection moves on: stores into the shown
    // field only what the player changed since it was shown or stored; the
    // rest of its record stays as loaded, whatever the panel's rules made
    // of it on the screen.
    void aenderungenSpeichern();
    // The player changed the panel since the shown field was shown or
    // stored: a store would change its record.
    bool eingabenOffen() const;
    void EnableTruen();
    void EnableFalsen();

    // ---- rules of the panel's controls
    void TxtBurgArt_Click();
    void TxtBurgklasse_Change();
    void TxtEchtBit_Click();
    void TxtSpielerRang_Click();
    void TxtTerrain_Click();
    void TxtBesonderheiten_Click();
    void TxtGubhort_Click();

    // ---- symbols of the selected field
    void BurgZeichnen();
    void BurgEntfernen();
    void TerrainZeichnen();
    void TerrainEntfernen();
    void GubHortZeichnen();
    void GubHortEntfernen();
    void BesZeichnen();
    void BesEntfernen();
    void BurgZeichnenBeimLADEN();
    void TerrainZeichnenBeimLADEN();
    void GubHortZeichnenBeimLADEN();
    void BesZeichnenBeimLADEN();
    void SteuerElementeEntladen();

    // ---- selection
    // Selects the field under a point of the canvas (twips): stores the
    // panel into the field selected so far and shows the new one. A point
    // off the grid changes nothing. Returns whether a field was selected.
    bool AufKarteKlicken(double x, double y);
    // The same for a field by its number; without storing, the panel's
    // content is dropped (after a load it belongs to no field).
    bool feldWaehlen(int feld, bool speichern = true);

    // Rounds half to even into a 16-bit number; raises 13 or 6.
    static qint16 ganzeZahl(const QString &text);
    // The number a text begins with, 0 when none.
    static double val(const QString &text);

private:
    FeldDaten &feld();
    bool feldGewaehlt() const;
    void symbolZeichnen(int art);
    void symbolVerstecken(int art);
    void burgSpeichern();
    // Members of the record, one bit each, as a store picks them.
    enum Glied : unsigned {
        GSpielerNummer = 1u << 0, GGubHortFlag = 1u << 1, GFeldName = 1u << 2, GTerrain = 1u << 3,
        GBesonderheiten = 1u << 4, GBurgArt = 1u << 5, GBurgklasse = 1u << 6, GBesitzer = 1u << 7,
        GSpielerName = 1u << 8, GSpielerRang = 1u << 9, GOberHerr = 1u << 10, GEchtBit = 1u << 11,
        GErzmagier = 1u << 12, GDrufelbatze = 1u << 13, GAlle = (1u << 14) - 1,
        // what the castle-kind rule stores
        GBurg = GBurgArt | GBurgklasse | GBesitzer | GSpielerName | GSpielerNummer | GSpielerRang | GOberHerr
                | GEchtBit | GErzmagier | GDrufelbatze,
    };
    // The one store of the panel into the current record: the members
    // picked, all of them or only those whose control the player changed
    // since the field was shown or the member last stored.
    void tafelSpeichern(unsigned glieder, bool nurGeaenderte);
    // What the panel stood for when the field was shown, member by member,
    // moved on with every store.
    FeldDaten m_basis;
};
