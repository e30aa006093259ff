#include "map/feldtafel.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QRegularExpression>

using namespace kartenmodell;

namespace {
// Runs a rule only while it runs code that saves and restores the guard.
struct Waechter {
    qint16 &guard;
    qint16 vorher;
    explicit Waechter(qint16 &g) : guard(g), vorher(g) { guard = 1; }
    ~Waechter() { guard = vorher; }
};

void pruefeListe(int index, const QStringList &liste)
{
    if (index < 0 || index >= liste.size())
        platform::raise(380); // invalid property value
}

void pruefeHaken(int value)
{
    if (value != 0 && value != 1)
        platform::raise(380);
}

// A number box without a whole number of 16 bits (empty, a lone minus while
// typing) keeps its member as it was.
void zahlNach(const QString &text, qint16 &ziel)
{
    try {
        ziel = Feldtafel::ganzeZahl(text);
    } catch (const platform::Error &) {
    }
}

// The whole panel into a record; FeldNummer is never taken from it.
void tafelNach(const Tafel &t, FeldDaten &f)
{
    f.GubHortFlag = t.TxtGubhort.value;
    f.FeldName = festerText(t.TxtFeldName.text);
    f.Terrain = t.TxtTerrain.index;
    f.Besonderheiten = t.TxtBesonderheiten.index;
    f.BurgArt = t.TxtBurgArt.index;
    zahlNach(t.TxtBurgklasse.text, f.Burgklasse);
    f.Besitzer = t.TxtBesitzer.text;
    f.SpielerName = festerText(t.TxtSpielerName.text);
    zahlNach(t.TxtSpielerNummer.text, f.SpielerNummer);
    f.SpielerRang = t.TxtSpielerRang.index;
    zahlNach(t.TxtOberHerr.text, f.OberHerr);
    f.EchtBit = t.TxtEchtBit.index;
    f.Erzmagier = t.TxtErzmagier.value;
    f.Drufelbatze = t.TxtDrufelbatze.value;
}
} // namespace

qint16 Feldtafel::ganzeZahl(const QString &text) { return platform::CInt(platform::toNumber(text)); }

double Feldtafel::val(const QString &text)
{
    static const QRegularExpression zahl(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const auto m = zahl.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

FeldDaten &Feldtafel::feld() { return Felder[AktuellesFeld]; }

bool Feldtafel::feldGewaehlt() const
{
    return AktuellesFeld >= 1 && AktuellesFeld <= SpaltenAnzahl * ZeilenAnzahl && AktuelleSpalte != 0
           && AktuelleZeile != 0;
}

// ---- values into controls

void Feldtafel::setTerrain(int index)
{
    pruefeListe(index, kTerrain);
    if (tafel.TxtTerrain.index == index)
        return;
    tafel.TxtTerrain.index = qint16(index);
    TxtTerrain_Click();
}

void Feldtafel::setBesonderheiten(int index)
{
    pruefeListe(index, kBesonderheiten);
    if (tafel.TxtBesonderheiten.index == index)
        return;
    tafel.TxtBesonderheiten.index = qint16(index);
    TxtBesonderheiten_Click();
}

void Feldtafel::setBurgArt(int index)
{
    pruefeListe(index, kBurgArt);
    if (tafel.TxtBurgArt.index == index)
        return;
    tafel.TxtBurgArt.index = qint16(index);
    TxtBurgArt_Click();
}

void Feldtafel::setSpielerRang(int index)
{
    pruefeListe(index, kSpielerRang);
    if (tafel.TxtSpielerRang.index == index)
        return;
    tafel.TxtSpielerRang.index = qint16(index);
    TxtSpielerRang_Click();
}

void Feldtafel::setEchtBit(int index)
{
    pruefeListe(index, kEchtBit);
    if (tafel.TxtEchtBit.index == index)
        return;
    tafel.TxtEchtBit.index = qint16(index);
    TxtEchtBit_Click();
}

void Feldtafel::setGubhort(int value)
{
    pruefeHaken(value);
    if (tafel.TxtGubhort.value == value)
        return;
    tafel.TxtGubhort.value = qint16(value);
    TxtGubhort_Click();
}

void Feldtafel::setErzmagier(int value)
{
    pruefeHaken(value);
    tafel.TxtErzmagier.value = qint16(value);
}

void Feldtafel::setDrufelbatze(int value)
{
    pruefeHaken(value);
    tafel.TxtDrufelbatze.value = qint16(value);
}

void Feldtafel::setBurgklasse(const QString &text)
{
    if (tafel.TxtBurgklasse.text == text)
        return;
    tafel.TxtBurgklasse.text = text;
    TxtBurgklasse_Change();
}

void Feldtafel::setText(TafelText Tafel::*box, const QString &text)
{
    if (box == &Tafel::TxtBurgklasse)
        setBurgklasse(text);
    else
        (tafel.*box).text = text;
}

void Feldtafel::eintragWaehlen(SymbolListe liste, int index)
{
    struct Liste {
        TafelListe Tafel::*box;
        qint16 FeldDaten::*glied;
        void (Feldtafel::*setzen)(int);
        void (Feldtafel::*regel)();
    };
    static constexpr Liste listen[] = { // in the order of SymbolListe
        {&Tafel::TxtTerrain, &FeldDaten::Terrain, &Feldtafel::setTerrain, &Feldtafel::TxtTerrain_Click},
        {&Tafel::TxtBesonderheiten, &FeldDaten::Besonderheiten, &Feldtafel::setBesonderheiten,
         &Feldtafel::TxtBesonderheiten_Click},
        {&Tafel::TxtBurgArt, &FeldDaten::BurgArt, &Feldtafel::setBurgArt, &Feldtafel::TxtBurgArt_Click},
    };
    const Liste &l = listen[int(liste)];
    const bool gezeigt = (tafel.*l.box).index == index;
    (this->*l.setzen)(index); // checks the index; runs the rule on a change
    if (gezeigt && GarNichtsMachen == 0 && feld().*l.glied != index)
        (this->*l.regel)();
}

// ---- panel operations

void Feldtafel::FelderWerteInitialisieren()
{
    Felder.FelderWerteInitialisieren();
    gezeigtesFeld = -1;
    // The reset runs the presets of the rules but stores nothing: the
    // records were just emptied.
    Waechter w(GarNichtsMachen);
    setGubhort(0);
    setText(&Tafel::TxtFeldName, QString());
    setTerrain(0);
    setBesonderheiten(0);
    setBurgArt(0);
    setBurgklasse(QStringLiteral("0"));
    setText(&Tafel::TxtBesitzer, QStringLiteral("0"));
    setText(&Tafel::TxtSpielerName, QString());
    setText(&Tafel::TxtSpielerNummer, QStringLiteral("0"));
    setSpielerRang(0);
    setText(&Tafel::TxtOberHerr, QStringLiteral("0"));
    setEchtBit(0);
    setErzmagier(0);
    setDrufelbatze(0);
}

void Feldtafel::FeldDatenAnzeigen()
{
    const int i = AktuellesFeld;
    Felder[i].FeldNummer = qint16(i);
    gezeigtesFeld = i;
    const FeldDaten f = Felder[i];
    tafel.TxtFeldNummer.text = platform::str(i);
    // A value outside its list (a damaged file) shows as the nearest one,
    // so the whole record is shown and the next store is of one field.
    setGubhort(qBound<int>(0, f.GubHortFlag, 1));
    setText(&Tafel::TxtFeldName, f.FeldName);
    setTerrain(inListe(f.Terrain, kTerrain));
    setBesonderheiten(inListe(f.Besonderheiten, kBesonderheiten));
    setBurgArt(inListe(f.BurgArt, kBurgArt));
    setBurgklasse(platform::str(f.Burgklasse));
    setText(&Tafel::TxtBesitzer, f.Besitzer);
    setText(&Tafel::TxtSpielerName, f.SpielerName);
    setText(&Tafel::TxtSpielerNummer, platform::str(f.SpielerNummer));
    setSpielerRang(inListe(f.SpielerRang, kSpielerRang));
    setText(&Tafel::TxtOberHerr, platform::str(f.OberHerr));
    setEchtBit(inListe(f.EchtBit, kEchtBit));
    setErzmagier(qBound<int>(0, f.Erzmagier, 1));
    setDrufelbatze(qBound<int>(0, f.Drufelbatze, 1));
    m_basis = f;
    tafelNach(tafel, m_basis);
}

void Feldtafel::aenderungenSpeichern()
{
    if (!feldGewaehlt() || gezeigtesFeld != AktuellesFeld)
        return;
    tafelSpeichern(GAlle, true);
}

bool Feldtafel::eingabenOffen() const
{
    if (!feldGewaehlt() || gezeigtesFeld != AktuellesFeld)
        return false;
    FeldDaten jetzt = Felder[AktuellesFeld];
    tafelNach(tafel, jetzt);
    return !(jetzt == m_basis);
}

void Feldtafel::tafelSpeichern(unsigned glieder, bool nurGeaenderte)
{
    // The panel stored into a copy first: a number box without a whole
    // number keeps the record's value there.
    FeldDaten &f = feld();
    FeldDaten jetzt = f;
    tafelNach(tafel, jetzt);
    auto nimm = [&](Glied g, auto m) {
        if (!(glieder & g))
            return;
        if (!nurGeaenderte || jetzt.*m != m_basis.*m)
            f.*m = jetzt.*m;
        m_basis.*m = jetzt.*m;
    };
    nimm(GGubHortFlag, &FeldDaten::GubHortFlag);
    nimm(GFeldName, &FeldDaten::FeldName);
    nimm(GTerrain, &FeldDaten::Terrain);
    nimm(GBesonderheiten, &FeldDaten::Besonderheiten);
    nimm(GBurgArt, &FeldDaten::BurgArt);
    nimm(GBurgklasse, &FeldDaten::Burgklasse);
    nimm(GBesitzer, &FeldDaten::Besitzer);
    nimm(GSpielerName, &FeldDaten::SpielerName);
    nimm(GSpielerNummer, &FeldDaten::SpielerNummer);
    nimm(GSpielerRang, &FeldDaten::SpielerRang);
    nimm(GOberHerr, &FeldDaten::OberHerr);
    nimm(GEchtBit, &FeldDaten::EchtBit);
    nimm(GErzmagier, &FeldDaten::Erzmagier);
    nimm(GDrufelbatze, &FeldDaten::Drufelbatze);
}

void Feldtafel::EnableFalsen()
{
    Tafel &t = tafel;
    for (TafelSteuer *s : {static_cast<TafelSteuer *>(&t.TxtGubhort), static_cast<TafelSteuer *>(&t.TxtErzmagier),
                           static_cast<TafelSteuer *>(&t.TxtDrufelbatze), static_cast<TafelSteuer *>(&t.TxtSpielerName),
                           static_cast<TafelSteuer *>(&t.TxtSpielerNummer), static_cast<TafelSteuer *>(&t.TxtTerrain),
                           static_cast<TafelSteuer *>(&t.TxtBurgArt), static_cast<TafelSteuer *>(&t.TxtBurgklasse),
                           static_cast<TafelSteuer *>(&t.TxtOberHerr), static_cast<TafelSteuer *>(&t.TxtFeldName),
                           static_cast<TafelSteuer *>(&t.TxtEchtBit), static_cast<TafelSteuer *>(&t.TxtBesonderheiten),
                           static_cast<TafelSteuer *>(&t.TxtSpielerRang), static_cast<TafelSteuer *>(&t.TxtBesitzer),
                           &t.Label2, &t.Label3, &t.Label4, &t.Label5, &t.Label6, &t.Label7, &t.Label8})
        s->enabled = false;
    t.TxtFeldNummer.enabled = false;
}

void Feldtafel::EnableTruen()
{
    // Only a shown field of the map takes the panel's choices; without one
    // they would land in the header's record.
    if (!feldGewaehlt() || gezeigtesFeld != AktuellesFeld) {
        EnableFalsen();
        return;
    }
    Tafel &t = tafel;
    t.TxtGubhort.enabled = t.TxtTerrain.enabled = t.TxtBurgArt.enabled = t.TxtFeldName.enabled = true;
    t.TxtBesonderheiten.enabled = t.TxtBesitzer.enabled = true;
    t.Label2.enabled = t.Label4.enabled = t.Label5.enabled = true;
}

// ---- rules

void Feldtafel::TxtBurgArt_Click()
{
    Tafel &t = tafel;
    const int k = t.TxtBurgArt.index;
    const int r = feld().BurgArt;
    if (GarNichtsMachen == 0) {
        if (k == 0 && r != 0)
            BurgEntfernen();
        else if ((k == 1 && r != 1) || (k == 2 && r != 2))
            BurgZeichnen();
    }
    if (k == 0) {
        t.TxtBurgklasse.enabled = false;
        setBurgklasse(QStringLiteral("0"));
        t.TxtBesitzer.text = QStringLiteral("0");
        t.TxtBesitzer.enabled = true;
        t.TxtOberHerr.enabled = false;
        t.TxtOberHerr.text = QStringLiteral("0");
        t.TxtSpielerRang.enabled = false;
        setSpielerRang(0);
        t.TxtEchtBit.enabled = false;
        setEchtBit(0);
        t.TxtErzmagier.enabled = false;
        setErzmagier(0);
        t.TxtDrufelbatze.enabled = false;
        setDrufelbatze(0);
        t.TxtSpielerName.enabled = t.Label6.enabled = false;
        t.TxtSpielerName.text.clear();
        t.TxtSpielerNummer.enabled = t.Label8.enabled = false;
        t.TxtSpielerNummer.text = QStringLiteral("0");
    } else {
        t.TxtBurgklasse.enabled = t.Label3.enabled = true;
        if (val(t.TxtBurgklasse.text) == 0)
            setBurgklasse(QStringLiteral("1"));
        if (k == 1) {
            t.TxtBesitzer.text = platform::str(AktuellesFeld);
            t.TxtBesitzer.enabled = false;
        } else {
            t.TxtBesitzer.enabled = true;
        }
        t.TxtOberHerr.enabled = true;
        t.TxtSpielerRang.enabled = true;
        if (t.TxtSpielerRang.index == 0)
            setSpielerRang(2);
        t.TxtEchtBit.enabled = true;
        if (t.TxtEchtBit.index == 0)
            setEchtBit(1);
        t.TxtErzmagier.enabled = t.TxtDrufelbatze.enabled = (k == 1);
        t.TxtSpielerName.enabled = t.Label6.enabled = true;
        t.TxtSpielerNummer.enabled = t.Label8.enabled = true;
    }
    if (GarNichtsMachen == 0)
        burgSpeichern();
}

void Feldtafel::burgSpeichern() { tafelSpeichern(GBurg, false); }

void Feldtafel::TxtBurgklasse_Change()
{
    double v = 0;
    try {
        v = platform::toNumber(tafel.TxtBurgklasse.text);
    } catch (const platform::Error &) {
        return;
    }
    if (v == 0 && tafel.TxtBurgArt.index != 0)
        setBurgklasse(QStringLiteral("1"));
}

void Feldtafel::TxtEchtBit_Click()
{
    // A StammesBurg without player is no castle; a NebenBurg may stay.
    if (tafel.TxtEchtBit.index == 0 && feld().BurgArt == 1)
        setBurgArt(0);
    if (GarNichtsMachen == 0)
        tafelSpeichern(GEchtBit, false);
}

void Feldtafel::TxtSpielerRang_Click()
{
    const bool unterhaeuptling = tafel.TxtSpielerRang.index == 1;
    if (!unterhaeuptling)
        tafel.TxtOberHerr.text = QStringLiteral("0");
    tafel.TxtOberHerr.enabled = tafel.Label7.enabled = unterhaeuptling;
}

void Feldtafel::TxtTerrain_Click()
{
    Tafel &t = tafel;
    if (GarNichtsMachen == 0) {
        if (t.TxtTerrain.index == 0 && feld().Terrain != 0)
            TerrainEntfernen();
        for (int k = 1; k <= 8; ++k)
            if (t.TxtTerrain.index == k && feld().Terrain != k)
                TerrainZeichnen();
    }
    const int index = t.TxtTerrain.index;
    if (index == 4 || index == 5) {
        if (index == 4) {
            t.TxtBesitzer.enabled = false;
            t.TxtBesitzer.text = QStringLiteral("0");
            t.TxtGubhort.enabled = false;
            setGubhort(0);
            t.TxtBesonderheiten.enabled = false;
            setBesonderheiten(0);
        }
        setBurgklasse(QStringLiteral("0"));
        t.TxtOberHerr.text = QStringLiteral("0");
        setSpielerRang(0);
        setEchtBit(0);
        setErzmagier(0);
        setDrufelbatze(0);
        // Also a castle the panel shows as "Keine Burg" already goes.
        eintragWaehlen(SymbolListe::BurgArt, 0);
        t.TxtSpielerNummer.text = QStringLiteral("0");
        t.TxtErzmagier.enabled = t.TxtDrufelbatze.enabled = false;
        t.TxtSpielerName.enabled = t.TxtSpielerNummer.enabled = t.Label8.enabled = false;
        t.TxtBurgArt.enabled = t.TxtBurgklasse.enabled = t.TxtOberHerr.enabled = false;
        t.TxtEchtBit.enabled = t.TxtSpielerRang.enabled = false;
        // Taking the castle away enabled the owner again; on Hochgebirge
        // nobody owns the field.
        if (index == 4) {
            t.TxtBesitzer.enabled = false;
            t.TxtBesitzer.text = QStringLiteral("0");
        }
    }
    if (t.TxtTerrain.index != 4) {
        if (t.TxtTerrain.index != 5)
            t.TxtBurgArt.enabled = true;
        t.TxtBesitzer.enabled = t.TxtGubhort.enabled = t.TxtBesonderheiten.enabled = true;
    }
    // The terrain is stored; of the rest only what the rules or the player
    // changed, so a castle left alone stays as loaded.
    if (GarNichtsMachen == 0) {
        tafelSpeichern(GTerrain, false);
        tafelSpeichern(GGubHortFlag | GBurg, true);
    }
}

void Feldtafel::TxtBesonderheiten_Click()
{
    if (GarNichtsMachen != 0)
        return;
    const int index = tafel.TxtBesonderheiten.index;
    if (index == 0 && feld().Besonderheiten != 0)
        BesEntfernen();
    else if (index != 0 && feld().Besonderheiten != index)
        BesZeichnen();
    tafelSpeichern(GBesonderheiten, false);
}

void Feldtafel::TxtGubhort_Click()
{
    if (GarNichtsMachen != 0)
        return;
    const int v = tafel.TxtGubhort.value;
    if (feld().GubHortFlag != 0 && v == 0)
        GubHortEntfernen();
    if (feld().GubHortFlag != 1 && v == 1)
        GubHortZeichnen();
    tafelSpeichern(GGubHortFlag, false);
}

// ---- symbols

void Feldtafel::symbolZeichnen(int art)
{
    // No symbol without a field of the map under it.
    if (art < 0 || !feldGewaehlt())
        return;
    const Symbol s = Symbol(art);
    if (symbole.geladen(s, AktuellesFeld)) {
        symbole.zeigen(s, AktuellesFeld, true);
        return;
    }
    symbole.laden(s, AktuellesFeld, symbolOrt(s, AktuelleSpalte, AktuelleZeile), quint32(MarkierFarbe));
    symbole.fokus(s, AktuellesFeld, quint32(MarkierFarbe));
}

void Feldtafel::symbolVerstecken(int art)
{
    if (art < 0 || AktuellesFeld < 1)
        return;
    if (symbole.geladen(Symbol(art), AktuellesFeld))
        symbole.zeigen(Symbol(art), AktuellesFeld, false);
}

void Feldtafel::BurgZeichnen()
{
    if (feld().BurgArt != 0)
        BurgEntfernen();
    symbolZeichnen(burgSymbol(tafel.TxtBurgArt.index));
}

void Feldtafel::BurgEntfernen() { symbolVerstecken(burgSymbol(feld().BurgArt)); }

void Feldtafel::TerrainZeichnen()
{
    if (feld().Terrain != 0)
        TerrainEntfernen();
    symbolZeichnen(terrainSymbol(tafel.TxtTerrain.index));
}

void Feldtafel::TerrainEntfernen() { symbolVerstecken(terrainSymbol(feld().Terrain)); }

void Feldtafel::GubHortZeichnen()
{
    if (tafel.TxtGubhort.value == 1)
        symbolZeichnen(GubHort);
}

void Feldtafel::GubHortEntfernen()
{
    if (feld().GubHortFlag == 1)
        symbolVerstecken(GubHort);
}

void Feldtafel::BesZeichnen()
{
    if (tafel.TxtBesonderheiten.index != 0)
        symbolZeichnen(Bes);
}

void Feldtafel::BesEntfernen()
{
    if (feld().Besonderheiten != 0)
        symbolVerstecken(Bes);
}

void Feldtafel::BurgZeichnenBeimLADEN()
{
    if (feld().BurgArt != 0)
        BurgEntfernen();
    symbolZeichnen(burgSymbol(feld().BurgArt));
}

void Feldtafel::TerrainZeichnenBeimLADEN()
{
    if (feld().Terrain != 0)
        TerrainEntfernen();
    symbolZeichnen(terrainSymbol(feld().Terrain));
}

void Feldtafel::GubHortZeichnenBeimLADEN()
{
    if (feld().GubHortFlag == 1)
        symbolZeichnen(GubHort);
}

void Feldtafel::BesZeichnenBeimLADEN()
{
    if (feld().Besonderheiten != 0)
        symbolZeichnen(Bes);
}

void Feldtafel::SteuerElementeEntladen()
{
    // Every placed symbol goes, whatever map it was placed on.
    symbole.alleEntladen();
}

// ---- selection

bool Feldtafel::AufKarteKlicken(double x, double y)
{
    if (SpaltenAnzahl == 0 || ZeilenAnzahl == 0)
        return false; // no map: nothing to select, the guard as it was
    const int feldNr = feldAus(spalteAusX(x), zeileAusY(y));
    if (feldNr == 0)
        return false; // the strip beside the grid: no field, nothing changes
    return feldWaehlen(feldNr);
}

bool Feldtafel::feldWaehlen(int feldNr, bool speichern)
{
    if (SpaltenAnzahl == 0 || ZeilenAnzahl == 0 || feldNr < 1 || feldNr > SpaltenAnzahl * ZeilenAnzahl)
        return false;
    GarNichtsMachen = 1;
    if (speichern)
        aenderungenSpeichern();
    AktuelleSpalte = qint16(spalteVon(feldNr));
    AktuelleZeile = qint16(zeileVon(feldNr));
    AktuellesFeld = qint16(feldNr);
    try {
        FeldDatenAnzeigen();
    } catch (const platform::Error &) {
    }
    if (laden == 0) {
        const int art = burgSymbol(Felder[feldNr].BurgArt);
        if (art >= 0 && symbole.sichtbar(Symbol(art), feldNr))
            symbole.fokus(Symbol(art), feldNr, quint32(MarkierFarbe));
    }
    GarNichtsMachen = 0;
    return true;
}
