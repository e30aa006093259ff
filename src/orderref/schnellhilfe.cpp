#include "orderref/schnellhilfe.h"

#include "platform/dialogs.h"

namespace orderref {

namespace {

using S = QString;

QStringList produktcodes(bool mitGold)
{
    QStringList l{S("Codierung:")};
    if (mitGold)
        l << S("0 - Gold");
    l << S("1 - Holz") << S("2 - Stein") << S("3 - Eisen") << S("4 - Salz") << S("5 - Diamanten") << S("6 - Leder")
      << S("7 - Lebensmittel") << S("8 - Schnaps") << S("9 - Schwefel") << S("10 - Natternblut");
    return l;
}

QString heereszug(const QString &art)
{
    return art + S(" mit dem Heer aus burg. Stelle vert Verteidiger ab und gebe söld für Söldner aus. "
                   "Das Heer soll sich aus burg nach weg1, dann nach weg2, usw. bis ziel bewegen.");
}

const QString kHeeresSyntax = S(" B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]");
const QString kFuenfHeeresbefehle = S("Es dürfen nur insgesamt 5 Heeresbefehle gegeben werden!");
const QString kEinsBisFuenf = S("Der Befehl kann zwischen einem und fünf Parameter haben.");

QString hdSeite2()
{
    return S("Unterbefehle des allgemeinen Heldenbefehls HD a, b, c, ... [5*]    (Fortsetzung):") + S("\n\n")
        + QStringList{
              S("-Fluchtgrenze <Fluchtpunktzahl>  Sobald der Held nur noch so viele Körperkraftpunkte hat, "
                "versucht er zu fliehen."),
              S("-Plazierung <Neue Platznummer>  Der Held a wird unter den Helden neu einsortiert und erhält diese "
                "Platznummer. Pro Jahr darf nur ein Held umsortiert werden."),
              S("-XA <Punktzahl>  Weist so viele der Bonuspunkte, die der Held durch Levelaufstiege erhalten hat, "
                "seinem Angriffswert zu. Die Punkte sind damit verbraucht, der Angriffswert steigt dauerhaft."),
              S("-XV <Punktzahl>  Wie XA, jedoch für den Verteidigungswert des Helden."),
              S("-XM <Punktzahl>  Wie XA, jedoch für den Mentalwert des Helden."),
          }.join(QLatin1Char('\n'))
        + S("\n\n")
        + S("Von den folgenden Unterbefehlen darf in einem HD - Befehl nur einer auftauchen: Duell, Erkundung, "
            "Spionage.");
}

QList<Kurzhilfe> bauen()
{
    const bool G = true, O = false;   // secret / public
    const bool CRLF = true, LF = false;
    QList<Kurzhilfe> t = {
        // public orders
        {S("SU"), O, S("SU [1]"), LF, S("Errichte eine Sphäre der Unverletzlichkeit"), {}, {}},
        {S("PT"), O, S("PT [1]"), LF, S("Plündere den Tempel."), {}, {}},
        {S("KL"), O, S("KL a [1]"), LF, S("Kaufe a Einheiten Lebensmittel für den doppelt angegebenen Preis."), {}, {}},
        {S("SV"), O, S("SV a [1]"), LF, S("Schlachte a Schweine"), {}, {}},
        {S("VK"), O, S("VK a, b [5*]"), LF, S("Verkaufe b Einheiten des Produktes a."), produktcodes(false), {}},
        {S("VX"), O, S("VX a, b, c [5]"), LF,
         S("Verkaufe über das Kontor, das in a steht, c Einheiten des Produktes b."), produktcodes(false), {}},
        {S("GB"), O, S("GB a, b [1]"), LF,
         S("Biete für a Einheiten des Sonderangebots aus dem letzten Jahr 'Fremde Kaufleute bieten an' b Goldohren."),
         {}, {}},
        {S("PL"), O, S("PL a [1]"), LF, S("Stelle aus a Schweinen a Einheiten Leder her."), {}, {}},
        {S("EB"), O, S("EB a [5*]"), LF, S("Erweitere die Burg in a um eine Burgklasse"), {}, {}},
        {S("ZB"), O, S("ZB a, b [5*]"), LF, S("Ziehe b Bauern für die Burg in a ein und mache sie zu Soldaten."), {}, {}},
        {S("ZS"), O, S("ZS a, b [5*]"), LF, S("Gib b Goldohren für Söldner in a aus."), {}, {}},
        {S("SM"), O, S("SM a, b [1]"), LF,
         S("Biete b Gold für eine Steigerung des Magieniveaus um a (Mindestens 1000 Goldohren, höchstens 30000)."), {},
         {}},
        {S("VW"), O, S("VW a [1]"), LF,
         S("Versorge die Wissenschaftler mit a Gold. Bei etwa 50 Gold pro Wissenschaftler steigt das WN mit einer "
           "Wahrscheinlichkeit von 30% um 1. Achte dabei auf die Grenzen!"),
         {}, {}},
        {S("VS"), O, S("VS a, b, c, d, e [5*]"), LF,
         S("Versorge die Soldaten in der Burg a mit b Goldstücken, c Rüstungen, d Kurzschwertern und e Einheiten "
           "Schnaps."),
         {}, {}},
        {S("AR"), O, S("AR a, b, c [5*]"), LF, S("Baue b Katapulte und produziere c Brandspeile in a."), {}, {}},
        {S("BX"), O, S("BX a [1]"), LF, S("Versklave a Bauern."), {}, {}},
        {S("WX"), O, S("WX a [1]"), LF, S("Versklave a Wissenschaftler."), {}, {}},
        {S("KX"), O, S("KX a [1]"), LF, S("Versklave a Kaufleute. Die übrigen fliehen."), {}, {}},
        {S("SX"), O, S("SX a, b [5*]"), LF, S("Versklave b Soldaten in der Burg a."), {}, {}},
        {S("BS"), O, S("BS a [1]"), LF, S("Befreie a Sklaven, die dann zu Bauern werden."), {}, {}},
        {S("KS"), O, S("KS a, b [1]"), LF, S("Kaufe a Sklaven und zahle dafür insgesamt b Goldohren."), {}, {}},
        {S("AS"), O, S("AS a, b [1]"), LF,
         S("Biete a Sklaven an und verlange dafür (mindestens) b Goldohren insgesamt."), {}, {}},
        {S("XP"), O, S("XP a, b, c [5]"), LF,
         S("Exportiere c Einheiten von Produkt b zum Landstrich a (a muss Stammeslandstrich sein)."),
         produktcodes(true), {}},
        {S("XA"), O, S("XA a, b, c, d, e, f [5*]"), LF,
         S("Exportiere nach a die Artefakte (Schätze) b bis f. Es können ein bis fünf Schätze exportiert werden."), {},
         {}},
        {S("KV"), O, S("KV a [1]"), LF, S("Kaufe a Schweine (10 Gold und 1 LE für ein Schwein)."), {}, {}},
        {S("RB"), O, S("RB a [1]"), LF, S("Richte a Bazare ein."), {}, {}},
        {S("PH"), O, S("PH p1, m1, p2, m2, p3, m3, p4, m4, p5, m5 [2]"), LF,
         S("Produziere m1 Einheiten des Produktes p1, m2 Einheiten des Produktes p2 usw. Die Produktcodes müssen die "
           "von B-, C- oder D-Produkten sein. Hintere Parameterpaare dürfen wegfallen, der Befehl hat also 2 bis 10 "
           "Parameter."),
         {}, {}},
        {S("EE"), O, S("EE erw, erw, erw, erw, erw [1]"), LF,
         S("Baue eine Stammeserweiterung. Jeder Parameter ist die Abkürzung eines Erweiterungsgebäudes; welche "
           "Erweiterungen es gibt, ist von Spiel zu Spiel verschieden. Der Befehl kann ein bis fünf Parameter haben."),
         {S("Abkürzungen:"), S("BIBL - Bibliothek"), S("UNI - Universität"), S("HEX - Hexenküche"),
          S("TURM - Magierturm"), S("GILD - Handelsgilde"), S("AREN - Arena"), S("ARS - Arsenal"), S("MISS - Mission"),
          S("NAD - Nadelturm"), S("KRK - Krankenhaus"), S("KON - Konservenfabrik"), S("TAV - Taverne"),
          S("KAS - Kaserne"), S("GRU - Gubgrube"), S("PFE - Sklavenpferch")},
         {}},
        {S("RP"), O, S("RP a, b [5]"), LF,
         S("Erweitere eine Produktionsstätte in a der Art b. Dabei kann b folgende Werte annehmen:"),
         {S("1 - Holz (10 Bauern, 200 Gold)"), S("2 - Stein (10 Sklaven, 100 Gold)"),
          S("3 - Eisen (10 Bauern, 20 Sklaven, 300 Gold)"), S("4 - Salz (5 Bauern, 5 Sklaven, 400 Gold)"),
          S("5 - Diamant (10 Bauern, 50 Sklaven, 1500 Gold)"), S("8 - Schnaps (20 Bauern, 10 Sklaven, 600 Gold"),
          S("9 - Schwefel (30 Bauern, 30 Sklaven, 500 Gold)")},
         {}},
        {S("ST"), O, S("ST a [1]"), LF, S("Setze den Steuersatz auf a% fest."), {}, {}},
        {S("KG"), O, S("KG a, b [1]"), LF,
         S("Setze ein Kopfgeld von b Goldohren auf den Kopf des Spielers aus, der in a wohnt. Kopfgelder bleiben bis "
           "zum Ende des Spiels bestehen; ein Kopfgeld von mindestens 1000 Goldohren wird öffentlich bekanntgegeben."),
         {}, {}},
        {S("HD"), O, S("HD a, b, c, ... [5*]"), LF,
         S("Der allgemeine Heldenbefehl: a ist der Held, danach folgen Paare aus einem Wort (Unterbefehl) und einer "
           "Zahl. Kein Unterbefehl darf in einem HD-Befehl zweimal vorkommen (Ausnahmen werden im Spiel "
           "bekanntgegeben)."),
         {S("Unterbefehle:"),
          S("-Duell <Zielort>  Schicke den Helden zum Zielort, damit er gegen den Helden kämpft, der sich dort "
            "aufhält."),
          S("-Erkundung <Zielort>  Schicke den Helden zum Zielort, damit er gegen ein Monster kämpft und den Schatz "
            "hebt, den es bewacht."),
          S("-Anlegen <Schatznummer>  Der Held legt den Schatz <Schatznummer> an."),
          S("-Heereshilfe <Status>  Legt fest, wie sich der Held zum Stammesheer verhält:"),
          S("       Status 0 - Der Held hilft nicht."), S("       Status 1 - Der Held hilft beim Verteidigen."),
          S("       Status 2 - Der Held hilft beim Angreifen."),
          S("-Spionage <Zielort>  Schicke den Helden, den Landstrich auszuspionieren. Wirkt wie ein SP-Befehl mit "
            "500 auf diesen Zielort, kostet aber nichts. Der Held erhält einen Erfahrungspunkt.")},
         hdSeite2()},
        {S("AA"), O, S("AA a, b, c, d, e [5*]"), LF,
         S("Die Artefakte (Schätze) a bis e werden der Reserve zugeordnet. Der Befehl kann weniger als fünf Parameter "
           "haben."),
         {}, {}},
        {S("EX"), O, S("EX a [1]"), LF, S("Ziehe in der Landstrich a um."), {}, {}},
        {S("DZ"), O, S("DZ a, b [5*]"), LF,
         S("Lege die Durchzugsbedingungen für die Burg in a fest. Dabei bedeutet:"),
         {S("b = 0 : Es passiert nichts."), S("b = 1 : Durchziehende Heere werden überfallen."),
          S("b = 2 : Durchziehenden Heeren wird pro Soldat 1 Goldohr abgenommen."),
          S("b = 3 : Durchziehenden Heeren werden die Nachschubkosten aus dem eigenen Goldschatz erstattet."),
          S("Neue Burgen erhalten immer den Wert für die Stammesburg.")},
         {}},
        {S("FU"), O, S("FU a, b [10*]"), LF,
         S("Bitte Deinen eigenen Unterhäuptling, der in a wohnt, um Unterstützung und zahle dafür b Gold. Das Gold "
           "wird auch bei Misserfolg abgezogen. Es kommen entweder alle Soldaten aus a oder keiner, je nachdem, ob "
           "mehr oder weniger als das Fünffache der Soldatenzahl seines Stammesheeres geboten wurde."),
         {S("Der Befehl ist nur auf Computernterhäuptlinge (Bitgubs) anwendbar!")}, {}},
        {S("TE"), O, S("TE a [1]"), LF, S("Spende dem Tempel a Goldstücke."), {}, {}},
        {S("AC"), O, S("AC a [1]"), LF,
         S("Achte auf einen Angriff der Heere des Spielers, dessen Stamm in a lebt (nur begrenzt oft einsetzbar). "
           "Greift dieser Spieler in diesem Jahr wirklich an, verdoppelt sich die Stärke des gewarnten Heeres (nur "
           "bei Belagerungen)."),
         {}, {}},
        {S("RG"), O, S("RG") + kHeeresSyntax, LF, heereszug(S("Goldraubzug")), {kFuenfHeeresbefehle}, {}},
        {S("RS"), O, S("RS") + kHeeresSyntax, LF, heereszug(S("Sklavenraubzug")), {kFuenfHeeresbefehle}, {}},
        {S("BU"), O, S("BU") + kHeeresSyntax, LF, heereszug(S("Unterjochungsfeldzug")), {kFuenfHeeresbefehle}, {}},
        {S("BV"), O, S("BV") + kHeeresSyntax, LF, heereszug(S("Vertreibungsfeldzug")), {kFuenfHeeresbefehle}, {}},
        {S("UN"), O, S("UN") + kHeeresSyntax, LF, heereszug(S("Unterstützungsfeldzug")), {kFuenfHeeresbefehle}, {}},
        {S("KW"), O, S("KW a, b, c [wie Stammesburgklasse]"), LF,
         S("Schicke eine Karawane mit b Gold zum Landstrich a. Dabei soll die Karawane durch c Soldaten des "
           "Stammesheeres bewacht werden."),
         {}, {}},
        {S("HI"), O, S("HI a, b, c [1]"), LF,
         S("Überfalle eine Karawane von a nach b mit c Soldaten des Stammesheeres."), {}, {}},
        {S("EK"), O, S("EK a [1]"), LF,
         S("Richte in a ein Kontor ein; a muss ein Stammeslandstrich sein. In jedem Stammeslandstrich dürfen "
           "höchstens zehn Kontore anderer Stämme stehen."),
         {}, {}},
        {S("PW"), O, S("PW a, b, c, d, e [1]"), LF,
         S("Der Befehl hat ein bis fünf Parameter, jeder ein Produktcode. Er bestimmt die Produkte, deren Preise in "
           "der Kontortabelle aufgeführt werden."),
         produktcodes(false), {}},
        {S("UW"), O, S("UW a [1]"), LF,
         S("Unterwird dich freiwillig dem Spieler, der in a wohnt. Man kann dann nicht vergiftet werden."), {}, {}},
        {S("VB"), O, S("VB a [1]"), LF, S("Versorge die Bauern zusätzlich mit LE."), {}, {}},
        {S("OH"), O, S("OH a, b [1]"), LF,
         S("Schicke b Soldaten in den Hort in a oder richte dort einen ein, falls es noch keinen gibt. Die "
           "Aufrüstung kostet 50 Gold pro Soldat."),
         {}, {}},
        {S("HV"), O, S("HV a, b, c [5]"), LF,
         S("Verlege c Soldaten von a nach b. Das Verlegen kostet 2 Gold pro Soldat und Feld Entfernung zwischen a und "
           "b."),
         {}, {}},
        {S("ZZ"), O, S("ZZ a(, b) [1]"), LF,
         S("Sprich den Zauberspruch a, wo nötig mit dem Parameter b; b ist immer ein Landstrich. Alle Zaubersprüche "
           "(auch die mit SR) müssen verschieden sein."),
         {}, {}},
        {S("SR"), O, S("SR a, b [3]"), LF,
         S("Sprich den Zauberspruch a von einer Spruchrolle, wo nötig mit dem Parameter b. Höchstens drei "
           "Spruchrollen dürfen so benutzt werden, und alle Zaubersprüche (auch die mit ZZ) müssen verschieden sein. "
           "Die Spruchrolle ist in jedem Fall verbraucht."),
         {}, {}},
        {S("HW"), O, S("HW [5]"), LF, S("Werbe einen weiteren Helden an."),
         {S("Vorhandene Helden 0 - Kosten 1000"), S("Vorhandene Helden 1 - Kosten 2000"),
          S("Vorhandene Helden 2 - Kosten 4000"), S("Vorhandene Helden 3 - Kosten 8000"),
          S("Vorhandene Helden 4 - Kosten 16000"), S("Vorhandene Helden 5 - Kosten 32000"),
          S("Vorhandene Helden 6 - Kosten 64000")},
         {}},
        {S("HT"), O, S("HT [1]"), LF,
         S("Stelle einen Truhenschlüssel her: zuerst den Schlüssel für Kupfertruhen, dann den für Silbertruhen, dann "
           "den für Goldtruhen."),
         {S("Kupfer   20 Eisen, 10 Schwefel"), S("Silber   5 Expensium, 1 Glibber, 3 Helden"),
          S("Gold   20 Expensium, 10 Glibber, 3 Helden, davon einer in Level 8"),
          S("Ausserdem muss jeweils eine Truhe der entsprechenden Farbe im Besitz des Spielers sein.")},
         {}},
        {S("TS"), O, S("TS a [1]"), LF,
         S("Rufe die Tonschlange, damit sie Deinen eigenen Unterhäuptling in a tötet. Man erhält sie durch sieben "
           "erfolgreiche Belagerungen von Stämmen. Die Beschwörung gelingt immer, es sei denn, der Unterhäuptling "
           "schützt sich mit einem SU-Befehl oder zieht rechtzeitig um."),
         {}, {}},
        {S("DR"), O, S("DR a, b [1]"), LF,
         S("Biete b Gold dafür, dass der Drache den Landstrich a heimsucht. Der Drache folgt dem Meistbietendem."), {},
         {}},
        {S("DT"), O, S("DT a [1]"), LF,
         S("Biete a Gold dafür, dass der Drachentöter alle eigenen Landstriche schützt."), {}, {}},
        {S("SG"), O, S("SG a, b [1]"), LF,
         S("Versuche, den Zauberspruch a auf eine Spruchrolle zu schreiben, und setze dafür b Einheiten Natternblut "
           "ein: je mehr Natternblut, desto besser die Aussicht, das Dreifache der nötigen Menge macht es sicher. Der "
           "Magier stirbt mit einer Wahrscheinlichkeit von 25%, ein hohes MN hilft. Ein Magier wird benötigt."),
         {}, {}},
        {S("SP"), O, S("SP a, b [5]"), LF,
         S("Spähe das Feld a aus und zahle dafür b Goldohren. Je mehr Gold desto bessere Berichte."), {}, {}},
        {S("EM"), O, S("EM a [1]"), LF, S("Empöre dich gegen deinen Oberherrn."), {}, {}},

        // secret orders
        {S("IN"), G, S("IN a [1] (Geheimbefehl)"), LF, S("Mache etwas mit der Insel Tormeven."),
         {S("Parameter:"), S("1: Audienz bei der Königin"), S("2: Schändung der Königin"),
          S("3: Einbruch in das Haus des Briefträgers"), S("4: Plausch mit Briefträger Anselm"),
          S("5: Gugelhupfessen bei Frau Hollerbusch"), S("6: Tormeven abbrennen")},
         {}},
        {S("MG"), G, S("MG [1] (Geheimbefehl)"), LF, S("Benutze den magischen Griffel."),
         {S("Alle Zauber werden auf eine Spruchrolle geschrieben.")}, {}},
        {S("FX"), G, S("FX a, b, c [5] (Geheimbefehl)"), CRLF,
         S("Exportiere c Einheiten vom Produkt b zum Landstrich a."), {}, {}},
        {S("BB"), G, S("BB a [1] (Geheimbefehl)"), CRLF, S("Besteche Berater des Stammesführers, der in a wohnt."), {},
         {}},
        {S("AV"), G, S("AV a, b, c, d, e [1] (Geheimbefehl)"), LF,
         S("Verkaufe alle vorrätigen Einheiten der Produkte a, b, c, d, e."), {kEinsBisFuenf}, {}},
        {S("AX"), G, S("AX (E/S) a, b, c, d, e [1] (Geheimbefehl)"), LF,
         S("Verkaufe alle vorrätigen Einheiten der Produkte a, b, c, d, e so gut wie möglich unter Einbeziehung der "
           "Kontore."),
         {kEinsBisFuenf,
          S("Ausserdem kann man entweder den Parameter 'S' (Stückpreis optimieren) oder 'E' (Ertrag optimieren) "
            "angeben.")},
         {}},
        {S("AL"), G, S("AL (Geheimbefehl)"), CRLF,
         S("Die erforderlichen Schweine, die für Rüstungen des VS-Befehls gebraucht werden, werden automatisch "
           "geschlachtet."),
         {S("Der Befehl wirkt wie ein Schalter.")}, {}},
        {S("FS"), G, S("FS a [1] (Geheimbefehl)"), CRLF, S("Baue eine Festung im Landstrich a."), {}, {}},
        {S("MO"), G, S("MO a (Geheimbefehl)"), CRLF, S("Teile dem Heer in a einen Moloch zu."), {}, {}},
        {S("GO"), G, S("GO a (Geheimbefehl)"), CRLF, S("Teile dem Heer in a einen Golem zu."), {}, {}},
        {S("KO"), G, S("KO a (Geheimbefehl)"), CRLF, S("Teile dem Heer in a einen Koloss zu."), {}, {}},
        {S("ZN"), G, S("ZN a (Geheimbefehl)"), LF, S("Suche nach Zaubersprüchen mit dem Mindestmagieniveau a."),
         {S("Der Befehl wird mit ZN 0 wieder aufgehoben.")}, {}},
        {S("BM"), G, S("BM a (Geheimbefehl)"), LF, S("Zwinge Deine Magier a Einheiten Arkaneum zu schlucken."), {}, {}},
        {S("ZV"), G, S("ZV a, b, c, d, e [1] (Geheimbefehl)"), CRLF,
         S("Versorge die Soldaten in den Burgen a, b, c, d, e mit dem maximal Möglichem."), {kEinsBisFuenf}, {}},
        {S("LA"), G, S("LA [1] (Geheimbefehl)"), CRLF, S("Baue das Stein-Labyrinth."), {}, {}},
        {S("TP"), G, S("TP a [1] (Geheimbefehl)"), LF, S("Baue einen Scheinfrosch für das Heer in a."), {}, {}},
        {S("GR"), G, S("GR a [1] (Geheimbefehl)"), LF, S("Errichte im Waldlandstrich a eine Schlangengrube."), {}, {}},
        {S("GM"), G, S("GM a [1] (Geheimbefehl)"), LF, S("Errichte im Gebirgslandstrich a eine Goldmine."), {}, {}},
        {S("SS"), G, S("SS [1] (Geheimbefehl)"), LF,
         S("Wandel die Schätze, die nach dem Anlegen und vor dem Erkunden herumliegen in einen besseren Schatz um."),
         {}, {}},
        {S("FA"), G, S("FA a, (b) [1] (Geheimbefehl)"), LF,
         S("Fordere bei allen Unterhäuptlingen Unterstützung an und biete dafür a Gold."),
         {S("Der Parameter b, die Burg, die unterstützt werden soll, ist nur im fortgeschrittenen Spiel möglich.")},
         {}},
        {S("DS"), G, S("DS a [1] (Geheimbefehl)"), LF, S("Spendet jedes Jahr bis auf Widerruf a Goldohren."), {}, {}},
        {S("TD"), G, S("TD a [1] (Geheimbefehl)"), LF, S("Spendet jedes Jahr bis auf Widerruf a Diamanten."), {}, {}},
        {S("UL"), G, S("UL a [1]"), CRLF, S("Gibt dem Heer aus Burg a die Unheilige Lanze."), {}, {}},
        {S("WK"), G, S("WK a [1] (Geheimbefehl)"), LF,
         S("Stellt den Karawanen, die mit KA verschickt wurden, a Wachen zur Verfügung."), {}, {}},
        {S("KA"), G, S("KA a, b, c, d, e [5] (Geheimbefehl)"), LF,
         S("Mehrere Karawanen nach a, b, c, d, e mit einem Befehl verschicken."),
         {S("Der Befehl kann ein bis fünf Parameter haben.")}, {}},
        {S("ED"), G, S("ED z, ANatt, VNatt [1] (Geheimbefehl)"), LF,
         S("Fordere den Erzmagier in a zu einem Duell heraus und setze dafür ANatt für den Angriff und VNatt für die "
           "Verteidigung ein."),
         {}, {}},
        {S("MR"), G, S("MR [1] (Geheimbefehl)"), LF, S("Verzaubere einen Ring."), {}, {}},
        {S("BN"), G, S("BN a (Geheimbefehl)"), LF, S("Biete dem Stammesführer in a die Hand Deiner (.?.) an."), {}, {}},
        {S("ZW"), G, S("ZW (a) (Geheimbefehl)"), LF, S("Wechsle alle Zaubersprüche aus."),
         {S("Später nimmt der Befehl auch einen Parameter b: dann werden alle Zaubersprüche verworfen und neue "
            "Sprüche der Stufe b erforscht (wirkt wie ZW und ZN zusammen).")},
         {}},
        {S("GV"), G, S("GV (Geheimbefehl)"), LF,
         S("Setze Gunstbeweise als Sprungbeförderungen ein. (Wirkt wie ein Schalter.)"), {}, {}},
        {S("ZF"), G, S("ZF (Geheimbefehl)"), LF, S("Zeigt an, wer wessen Unterhäuptling ist."), {}, {}},
        {S("ZK"), G, S("ZK (Geheimbefehl)"), LF, S("Zeichnet eine Karte vom Schwarzen Reich."), {}, {}},
        {S("WZ"), G, S("WZ a [1] (Geheimbefehl)"), LF, S("Versucht das C-Produkt Rätsel zu lösen."), {}, {}},
        {S("RU"), G, S("RU a [1] (Geheimbefehl)"), CRLF, S("Wendet die Rute Zarroks auf den Landstrich a an."), {}, {}},
        {S("VG"), G, S("VG [1] (Geheimbefehl)"), CRLF, S("Wendet den Vergeltungsstein an."), {}, {}},
        {S("MA"), G, S("MA S <Verhaeltniszahlen> G <Verhaeltniszahlen> N <Verhaeltniszahlen> [1] (Geheimbefehl)"),
         CRLF, S("Schwarzer Marshall - Befehl"), {}, {}},
        {S("KF"), G, S("KF <Soldaten> <Goldohren> <Natternblut>"), LF,
         S("Sende Soldaten, Goldohren und Natternblut in das Vorland."), {}, {}},
    };
    return t;
}

} // namespace

const QList<Kurzhilfe> &kurzhilfen()
{
    static const QList<Kurzhilfe> t = bauen();
    return t;
}

QString kurztext(const Kurzhilfe &k)
{
    QString s = k.syntax + (k.crlf ? S("\r\n") : S("\n")) + k.beschreibung;
    for (const QString &z : k.weitere)
        s += QLatin1Char('\n') + z;
    return s;
}

HilfeAntwort schnellhilfe(const QString &eingabe)
{
    HilfeAntwort a;
    if (eingabe.isEmpty())
        return a;
    // Case is folded the same under every locale; "ß" stays apart from "SS".
    if (eingabe.compare(kAuswahlmenue, Qt::CaseInsensitive) == 0) {
        a.auswahlmenue = true;
        return a;
    }
    const Kurzhilfe *treffer = nullptr;
    for (const Kurzhilfe &k : kurzhilfen()) {
        if (eingabe.compare(k.code, Qt::CaseInsensitive) == 0)
            treffer = &k;
    }
    if (!treffer) {
        a.boxen << HilfeBox{S("Suchindex nicht gefunden."), platform::OkOnly};
        return a;
    }
    a.boxen << HilfeBox{kurztext(*treffer), treffer->geheim ? int(platform::Information) : int(platform::OkOnly)};
    if (!treffer->seite2.isEmpty())
        a.boxen << HilfeBox{treffer->seite2, platform::OkOnly};
    return a;
}

} // namespace orderref
