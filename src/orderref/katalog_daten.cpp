// The game's 98 order codes as one table in catalogue order: code, list
// title, secret flag, syntax line, help lines. An empty string in the help
// lines is an empty line of the text (or, at the end, its closing break).
#include "orderref/katalog.h"

namespace orderref {

namespace {

// The product codes that VK, VX and PW list; XP may also send gold.
QStringList produktCodes(bool mitGold = false)
{
    QStringList z{"Codierung:"};
    if (mitGold)
        z << "0 - Gold";
    z << "1 - Holz" << "2 - Stein" << "3 - Eisen" << "4 - Salz" << "5 - Diamanten"
      << "6 - Leder" << "7 - Lebensmittel" << "8 - Schnaps" << "9 - Schwefel"
      << "10 - Natternblut";
    return z;
}

// First help line of the four monster and arcaneum orders.
const char *const raetselGeloest =
    "Der Befehl steht zur Verfügung sobald das C-Produkt Rätsel gelöst ist.";

// The five army orders differ only in the kind of campaign.
QStringList heeresbefehl(const QString &feldzug)
{
    return {feldzug + " mit dem Heer aus burg. Stelle vert Verteidiger ab und gebe söld für "
                      "Söldner aus. Das Heer soll sich aus burg nach weg1, dann nach weg2, usw. "
                      "bis ziel bewegen.",
            "Es dürfen nur insgesamt 5 Heeresbefehle gegeben werden! Also nicht fünf BU- und 5 "
            "BV- und 5 RG-Befehle usw., sondern zusammengenommen fünf Befehle, die BU-, BV- usw. "
            "Befehle sein können.",
            "Außerdem muß jeder Heeresbefehl für eine andere Burg gegeben werden."};
}

} // namespace

QList<Befehl> katalogDaten()
{
    return {
    // 1
    {"SU", "SU   Sphäre der Unverletzlichkeit", false, "SU [1]",
     {"Errichte eine Sphäre der Unverletzlichkeit. Der Befehl steht zur Verfügung, wenn Ihr am Ende eines Jahres 50 e Schwefel, 50 e Diamanten und 5000 G vorrätig habt; die Auswertung teilt Euch mit, wann das der Fall ist.",
      "SU darf nur jedes zweite Jahr gegeben werden und kostet jedesmal 50 e Schwefel, 50 e Diamanten und 5000 G. Die Sphäre schützt Euch vollständig gegen die Tönerne Schlange (TS) und gegen den Giftzauber, nicht aber gegen eine Plünderung."}},
    // 2
    {"PT", "PT   Tempelplünderung", false, "PT [1]",
     {"Plündere den Tempel. Das Glaubensniveau fällt dabei auf 0, und alle Priester werden zu Sklaven.",
      "Die Plünderung findet vor den automatischen Abzügen statt; so könnt Ihr damit noch fehlendes Gold beschaffen. Sie bringt mindestens (Glaubensniveau + Jahr) * 200 Goldohren ein, bei einem Glaubensniveau von 0 jedoch gar nichts.",
      "Beispiel: Im Jahr 13 bei einem Glaubensniveau von 37 bringt die Plünderung (13 + 37) * 200 = 10000 Goldohren.",
      "Überlegt es Euch gut: Von einer Tempelplünderung ist dringend abzuraten!"}},
    // 3
    {"KL", "KL   Lebensmittelkauf zum doppelten Preis", false, "KL a [1]",
     {"Kaufe a Einheiten Lebensmittel zum doppelten angegebenen Preis."}},
    // 4
    {"SV", "SV   Schweine schlachten --> LE", false, "SV a [1]",
     {"Schlachte a Schweine.",
      "Jedes geschlachtete Schwein ergibt eine Einheit Lebensmittel (1 LE)."}},
    // 5
    {"IN", "IN   Tormeven-Befehl (GEHEIMBEFEHL)", true, "IN a [1] (Geheimbefehl)",
     {"Mache etwas mit der Insel Tormeven. Der Befehl steht dem zur Verfügung, der den Landstrich der Insel Tormeven beherrscht.",
      "Der Parameter a kann folgende Werte annehmen:",
      "1: Audienz bei der Koenigin",
      "2: Schaendung der Koenigin",
      "3: Einbruch in das Haus des Brieftraegers",
      "4: Plausch mit Anselm, dem Brieftraeger",
      "5: Gugelhupf essen bei Frau Hollerbusch",
      "6: Tormeven abbrennen",
      "Der Befehl bleibt Euch erhalten, solange Ihr die Kontrolle über die Insel behaltet; und die behaltet Ihr, solange das letzte Heer, das durch Tormeven gezogen ist, Euer eigenes war."}},
    // 6
    {"MG", "MG   Magischer Griffel (GEHEIMBEFEHL)", true, "MG [1] (Geheimbefehl)",
     {"Benutze den magischen Griffel: Alle Zaubersprüche, die Euch zu Beginn des Zuges zur Verfügung stehen, werden ohne Kosten an Natternblut auf Spruchrollen gebannt. Die Sprüche können im selben Zug trotzdem noch gesprochen werden; der mit ZZ angegebene Spruch wird jedoch nicht übertragen."}},
    // 7
    {"FX", "FX   Frühexport (GEHEIMBEFEHL)", true, "FX a, b, c [5] (Geheimbefehl)",
     {"Exportiere c Einheiten vom Produkt b zum Landstrich a (a muß ein Stammeslandstrich sein).",
      "Der Befehl hat dieselben Parameter wie XP (auch etwaige zusätzliche Parameter des XP-Befehls gelten hier), wird aber gleich nach den automatischen Abzügen ausgeführt, also noch vor den Produktverkäufen.",
      "So kann ein Freund die Waren noch in derselben Runde zu seinen Preisen verkaufen und Euch den Erlös mit einem XP-Befehl zurückschicken.",
      "Es dürfen höchstens 5 FX-Befehle im Jahr gegeben werden.",
      "Diese zählen zusätzlich zu den XP-Befehlen."}},
    // 8
    {"BB", "BB   Besteche Berater (GEHEIMBEFEHL)", true, "BB a [1] (Geheimbefehl)",
     {"Besteche die Berater des Stammesführers, der in a wohnt.",
      "Sind die Berater bestochen, halten sie ihren Herrn eine Runde lang davon ab, umzuziehen (EX), Angriffszauber zu sprechen, für den Drachen zu bieten (Gebote für den Drachentöter bleiben ihm erlaubt) und mit dem Stammesheer Belagerungsfeldzüge zu führen. Die Wirkung beginnt, sobald Ihr für diesen Landstrich erneut BB gebt.",
      "Ablauf: Auf den ersten BB-Befehl hin erfahrt Ihr, ob die Berater bestechlich sind; sie nennen Euch dann ihren Preis für die nächste Runde. Gebt Ihr in der unmittelbar folgenden Runde erneut BB (später ist es zu spät), wird der Preis automatisch aus Euren Vorräten bezahlt.",
      "Die Berater können danach weitere Forderungen stellen (Bestechungskampagne) und teilen Euch mit, wann sie zufrieden sind. Wird eine Forderung nicht sofort erfüllt, endet die Kampagne.",
      "Versuchen mehrere Spieler dieselben Berater zu bestechen, entscheidet der Zufall. Solange die Kampagne eines anderen Spielers läuft oder ihre Wirkung noch aussteht, ist keine Bestechung möglich.",
      "Der Befehl wird vor den Produktverkäufen abgearbeitet. Pro Runde darf nur ein BB-Befehl gegeben werden."}},
    // 9
    {"AV", "AV   Alle vorrätigen Produkte verkaufen (GEHEIMBEFEHL)", true, "AV a, b, c, d, e [1] (Geheimbefehl)",
     {"Verkaufe alle vorrätigen Einheiten der Produkte a, b, c, d, e, soweit es die üblichen Verkaufsregeln zulassen. Der Befehl kann zwischen einem und fünf Parameter haben, jeder davon ist ein Produktcode.",
      "Beispiel: AV 4, 10 verkauft Euer gesamtes Salz und Natternblut. Der Befehl darf nur einmal im Jahr gegeben werden."}},
    // 10
    {"AX", "AX   Alles zum besten Preis verkaufen (GEHEIMBEFEHL)", true, "AX (E/S) a, b, c, d, e [1] (Geheimbefehl)",
     {"Verkaufe alle vorrätigen Einheiten der Produkte a, b, c, d, e so gut wie möglich unter Einbeziehung der Kontore.",
      "Der Befehl kann zwischen einem und fünf Parameter haben, jeder davon ist ein Produktcode.",
      "Eure Berater verkaufen den ganzen Vorrat jedes genannten Produktes so, daß der Gesamterlös am größten wird; die Kontore werden dabei einbezogen.",
      "Der Befehl darf nur einmal im Jahr gegeben werden.",
      "Nachtrag:",
      "Normalerweise suchen Eure Berater den besten Stückpreis, der nach Abzug der Kontorsteuern übrig bleibt.",
      "Die Kontorsteuern werden jedoch dem Budget der Kaufleute entnommen. Würden sie das Gold schmälern, das Ihr am Ende wirklich erhaltet, sorgen die Berater statt dessen dafür, daß dieses Gold am größten wird.",
      "Das ist typischerweise dann der Fall, wenn Ihr mehr Waren anbietet, als die Kaufleute abnehmen können.",
      "Mit einem ersten Parameter vor den Produktcodes könnt Ihr die Strategie selbst wählen:",
      "'S' (Stückpreis optimieren) oder 'E' (Ertrag optimieren)."}},
    // 11
    {"VK", "VK   Produktverkäufe", false, "VK a, b [5*]",
     QStringList{"Verkaufe b Einheiten des Produktes a."}
     + produktCodes()
     + QStringList{
      "Die Marktpreise hängen von der Landschaftsart Eures Stammeslandstrichs ab, von einem Preisprofil, das für jeden Spieler zu Beginn des Spieles festgelegt wird und bis zum Ende gilt, und von den Verkäufen aller Kaufleute.",
      "Jeder Kaufmann hat ein jährliches Budget, das sich so berechnet:",
      "Budget = (50 + Wirtschaftsklima) * (1 + (Jahr / 50)) * (1 + Bazare / 25)",
      "Das Wirtschaftsklima liegt zwischen 0 und 99; in der Auswertung wird es nur in Worten beschrieben.",
      "Beispiel: 500 Kaufleute, Wirtschaftsklima 99, Jahr 11, 10 Bazare: 500 * (50 + 99) * (1 + 11 / 50) * (1 + 10 / 25) = 127246 Goldohren.",
      "Jedes fremde Kontor in Eurem Stammeslandstrich verringert das Budget um 10 Prozent, insgesamt jedoch um höchstens 30 Prozent.",
      "Beispiel: Mit drei oder mehr fremden Kontoren blieben im obigen Fall nur 89072 Goldohren."}},
    // 12
    {"VX", "VX   Produktverkäufe über Kontor", false, "VX a, b, c [5]",
     QStringList{"Verkaufe über das Kontor, das in a steht, c Einheiten des Produktes b."}
     + produktCodes()
     + QStringList{
      "Verkauft wird zum Preis des Landstrichs a. Der Stammesführer dort erhält davon eine Abgabe in Höhe seines Steuersatzes.",
      "Jedes Kontor hat ein eigenes Budget: 10 Prozent des Rohbudgets des Gastgeberstammes; stehen dort mehr als drei Kontore, teilen sie sich 30 Prozent zu gleichen Teilen. Das Kontorbudget wird zuerst aufgebraucht, erst danach wird Euer eigenes Stammesbudget angegriffen.",
      "Beispiel: VX 88, 4, 50",
      "Salz kostet in 88 45 G, der Steuersatz dort beträgt 10 Prozent. Für 50 * 45 = 2250 G erhaltet Ihr nach Abzug der Steuer 2025 Goldohren, der Stammesführer in 88 erhält 225 Goldohren.",
      "Beträgt das Rohbudget des Stammes in 88 20000 Goldohren, so bleiben dem Stamm selbst 18000 und dem Kontor 2000 Goldohren.",
      "Die 250 Goldohren, die über das Kontorbudget hinausgehen, werden von Eurem eigenen Stammesbudget abgezogen: Aus 30000 werden 29750 Goldohren."}},
    // 13
    {"GB", "GB   Bieten für Sonderangebot", false, "GB a, b [1]",
     {"Biete für a Einheiten des Sonderangebots aus dem letzten Jahr 'Fremde Kaufleute bieten an' b Goldohren.",
      "Das Gebot mit dem höchsten Verhältnis b/a wird zuerst bedient, danach die übrigen in dieser Reihenfolge. Wird ein Gebot nur teilweise bedient, zahlt Ihr auch nur den entsprechenden Anteil."}},
    // 14
    {"AL", "AL   Schweine automatisch schlachten (GEHEIMBEFEHL)", true, "AL (Geheimbefehl)",
     {"Der Befehl wirkt wie ein Schalter.",
      "Normalerweise läßt Meister Gerbold Lohmann, der Vorsteher der Gerbergilde, so viele Schweine schlachten, wie für das Leder der mit VS bestellten Rüstungen nötig sind, wenn Euer Ledervorrat nicht ausreicht.",
      "Mit AL schaltet Ihr das ab.",
      "Dann müßt Ihr schon ab dieser Runde selbst mit PL für das Leder sorgen.",
      "Ein weiterer AL-Befehl schaltet die Automatik wieder ein, und das so oft, wie AL unter den Geheimbefehlen angezeigt wird.",
      "Schweine braucht Ihr in jedem Fall."}},
    // 15
    {"PL", "PL   Lederherstellung aus Schweinen", false, "PL a [1]",
     {"Stelle aus a Schweinen a Einheiten Leder her."}},
    // 16
    {"FS", "FS   Bauen einer Festung (GEHEIMBEFEHL)", true, "FS a [1]",
     {"Baue eine Festung im Landstrich a.",
      "Der Befehl steht nur einem Stamm zur Verfügung, der im Gebirge lebt.",
      "Befestigt wird eine Burg, die Ihr kontrolliert (Stammesburg oder Nebenburg), in dem Gebirgslandstrich a.",
      "Bei einer Belagerung beträgt der Burgfaktor einer Festung 2 + Burgklasse/4 statt 1 + Burgklasse/4.",
      "Der Bau kostet 200 Stein und 5000 Goldohren.",
      "Die Burg bleibt eine Festung, auch wenn sich ihre Burgklasse oder ihr Besitzer ändert.",
      "FS darf nur einmal im Jahr gegeben werden und wird unmittelbar vor den EB-Befehlen abgearbeitet."}},
    // 17
    {"EB", "EB   Burgerweiterung", false, "EB a [5*]",
     {"Erweitere die Burg in a um eine Burgklasse.",
      "Die Burgklasse n kostet n*n*n*500 - (n-1)*(n-1)*(n-1)*500 G und n*50 Einheiten Stein, und Ihr braucht mindestens n Unterhäuptlinge (das gilt nicht für eine neue Nebenburg der Klasse 1).",
      "Von      nach      kostet Gold     Stein     Unterhäuptlinge",
      "0        1         500             50        0",
      "1        2         3500            100       2",
      "2        3         9500            150       3",
      "3        4         18500           200       4",
      "4        5         30500           250       5",
      "5        6         45500           300       6",
      "6        7         63500           350       7",
      "Nebenburgen können auch über die Klasse 7 hinaus erweitert werden; bei der Stammesburg ist das ebenfalls möglich, aber mit einem Risiko verbunden.",
      "Nebenburgen dürfen nicht nebeneinander stehen: In einem Feld, dessen Nachbarfeld am Ende der vorigen Runde eine Burg hatte, darf keine gebaut werden. Diagonal angrenzende Felder gelten dabei nicht als Nachbarn."}},
    // 18
    {"MO", "MO   Einen Moloch zuteilen (GEHEIMBEFEHL)", true, "MO a (Geheimbefehl)",
     {raetselGeloest,
      "Teile dem Heer in a einen Moloch zu. Ein Moloch kostet 50 e Expensium und 200 e Holz; jedes Heer kann nur einen Moloch haben.",
      "Der Moloch verschießt Granaten, die je 1 e Schwefel und 1 e Stein kosten. Zieht ein Moloch mit dem Heer aus, nimmt er pro zehn Soldaten eine Granate mit; die Hälfte des Granatenvorrats bleibt aber immer zu Hause.",
      "Schaden richtet der Moloch nur im Zielfeld eines Feldzuges an. Ohne Feldzug richtet er nichts aus, ebenso wenn ein Unterstützungsfeldzug niemanden zum Unterstützen findet oder das Opfer unterstützen würde.",
      "Das Monster geht verloren, wenn die Burg seines Landstrichs den Besitzer wechselt oder zerstört wird.",
      "In der Auswertung wird ein Heer mit Moloch mit M gekennzeichnet.",
      "Der Befehl wird direkt nach den EB-Befehlen abgearbeitet."}},
    // 19
    {"GO", "GO   Einen Golem zuteilen (GEHEIMBEFEHL)", true, "GO a (Geheimbefehl)",
     {raetselGeloest,
      "Teile dem Heer in a einen Golem zu. Ein Golem kostet 50 e Expensium, 10 e Tinktur und 200 e Stein.",
      "Der Golem verdoppelt die Stärke seines Heeres bei Angriffen, auch wenn das Heer als Unterstützer angreift.",
      "Jedes Heer kann einen Golem haben, auch neben einem Moloch. Ein angreifendes Heer, das mit einem Golem an der Spitze zieht, kann durch SCHIRM nicht aufgehalten werden.",
      "Der Golem geht wie der Moloch verloren, wenn die Burg seines Landstrichs den Besitzer wechselt oder zerstört wird.",
      "In der Auswertung wird ein Heer mit Golem mit G gekennzeichnet.",
      "Der Befehl wird direkt nach den EB-Befehlen abgearbeitet."}},
    // 20
    {"KO", "KO   Einen Koloß zuteilen (GEHEIMBEFEHL)", true, "KO a (Geheimbefehl)",
     {raetselGeloest,
      "Teile dem Heer in a einen Koloß zu. Ein Koloß kostet 200 e Diamanten und 10 e Tinktur.",
      "Zieht ein Heer mit Moloch an einer Burg vorbei, in der ein feindlicher Koloß steht, so bleibt es dort stehen und führt seinen Feldzug gegen diese Burg.",
      "Kämpfen Golems und Molochs gegen einen Koloß, werden die Monster der unterlegenen Seite zerstört: entweder alle angreifenden Golems und Molochs, die der Unterstützer eingeschlossen, oder der Koloß des Heeres, das in der angegriffenen Burg zu Hause ist.",
      "Der Koloß verdoppelt die Stärke der Verteidiger, nicht die der Angreifer. Jedes Heer kann nur einen Koloß haben; ein Heer kann einen Golem, einen Koloß und einen Moloch zugleich haben.",
      "Der Koloß geht wie der Moloch verloren, wenn die Burg seines Landstrichs den Besitzer wechselt oder zerstört wird. In der Auswertung wird ein Heer mit Koloß mit K gekennzeichnet.",
      "Der Befehl wird direkt nach den EB-Befehlen abgearbeitet."}},
    // 21
    {"ZB", "ZB   Bauernrekrutierung", false, "ZB a, b [5*]",
     {"Ziehe b Bauern für die Burg in a ein und mache sie zu Soldaten.",
      "Die Rekrutierung kostet 10 G pro Bauer. Seid Ihr Unterhäuptling, gehen zusätzlich 10 G pro Bauer an Euren Oberherrn."}},
    // 22
    {"ZS", "ZS   Söldner anwerben", false, "ZS a, b [5*]",
     {"Gib b Goldohren für Söldner in a aus, ohne einen Feldzug zu führen.",
      "Gebt Ihr für dieses Heer zusätzlich einen Heeresbefehl, werden beide Beträge ausgegeben. Die Grenze, daß in einem Heer höchstens doppelt so viele Söldner wie Soldaten kämpfen dürfen, läßt sich damit nicht umgehen."}},
    // 23
    {"SM", "SM   Steigerung des Magieniveaus", false, "SM a, b [1]",
     {"Biete b Gold für eine Steigerung des Magieniveaus um a (mindestens 1000 Goldohren, höchstens 30000).",
      "Eine Steigerung von MN x auf MN y kostet etwa y*y*10 - x*x*5 G. Das Gold ist in jedem Fall verloren, und die Gebote schwanken um plus oder minus 20 Prozent.",
      "Jeder SM-Befehl siedelt einen Magier an, ob die Steigerung gelingt oder nicht. Jeder Magier liefert im Jahr 1 e Natternblut."}},
    // 24
    {"ZN", "ZN   Nach bestimmten Zaubersprüchen suchen (GEHEIMBEFEHL)", true, "ZN a (Geheimbefehl)",
     {"Suche nach Zaubersprüchen mit dem Mindestmagieniveau a.",
      "Mit ZN 0 wird der Befehl aufgehoben, und es wird wieder zufällig gesucht. Die Einstellung gilt bis zum nächsten ZN-Befehl."}},
    // 25
    {"BM", "BM   Magier zwingen, Arkaneum zu schlucken (GEHEIMBEFEHL)", true, "BM a (Geheimbefehl)",
     {raetselGeloest,
      "Zwinge Eure Magier, a Einheiten Arkaneum zu schlucken. Das Magieniveau steigt dadurch stark an, allerdings nur für das laufende Jahr.",
      "Der Befehl wird direkt nach den SM-Befehlen abgearbeitet (aber nach ZN)."}},
    // 26
    {"VW", "VW   Steigerung des Wissenschaftsniveaus", false, "VW a [1]",
     {"Versorge die Wissenschaftler mit a Gold. Etwa 50 Gold pro Wissenschaftler ergeben eine Chance von 30 Prozent, daß das Wissenschaftsniveau um 1 steigt.",
      "Das Wissenschaftsniveau (WN) wirkt sich auf die Produktion, auf die Ernte von Lebensmitteln und auf Krankheiten aus.",
      "Es gibt vier Grenzen, die nur unter bestimmten Bedingungen überschritten werden können:",
      "1. Grenze: WN 20",
      "Mindestens 3 Karawanen müssen erfolgreich verschickt worden sein.",
      "2. Grenze: WN 40",
      "Ihr braucht mindestens 4 verschiedene Produktionsstätten, und mindestens zwei Produkte müssen außerhalb Eures Stammeslandstrichs hergestellt werden.",
      "3. Grenze: WN 60",
      "Ihr braucht eine Stammesburg von mindestens Klasse 3 und mindestens zwei Nebenburgen.",
      "4. Grenze: WN 80",
      "Euer Stamm muß einen echten Spieler aus dem Spiel geworfen haben.",
      "Die Bedingungen werden am Ende einer Runde geprüft und müssen später nicht mehr erfüllt sein.",
      "Pro Jahr zählt nur eine Bedingung, nämlich die niedrigste noch nicht erfüllte, und die Grenze steigt um höchstens 20 im Jahr.",
      "Ausgenommen ist die 4. Grenze: Ihr Überschreiten wird in jedem Fall festgehalten."}},
    // 27
    {"VS", "VS   Versorgung der Soldaten mit ...", false, "VS a, b, c, d, e [5*]",
     {"Versorge die Soldaten in der Burg a mit b Goldstücken, c Rüstungen, d Kurzschwertern und e Einheiten Schnaps.",
      "Die Moral kostet 1/2 G pro Soldat und Moralpunkt. Eine Rüstung braucht 1 Einheit Leder, ein Kurzschwert 1 Einheit Eisen. Schnaps wirkt am besten im Verhältnis 1:1 zu den Soldaten."}},
    // 28
    {"ZV", "ZV   Versorgung der Soldaten mit dem maximal Möglichem (GEHEIMBEFEHL)", true, "ZV a, b, c, d, e [1] (Geheimbefehl)",
     {"Versorge die Soldaten in den Burgen a, b, c, d, e mit dem maximal Möglichem.",
      "Der Befehl kann zwischen einem und fünf Parameter haben; jeder Parameter ist ein Landstrich mit einer eigenen Burg.",
      "Jedes Heer dort wird so weit wie möglich mit Schwertern und Rüstungen ausgestattet.",
      "Außerdem erhält es eine Einheit Schnaps pro Soldat und so viel Gold, wie für seine Moral passend ist.",
      "Beispiel: In der Burg in 48 stehen 300 Soldaten mit Moral 76, Rüstung 41 und Bewaffnung 39.",
      "Der Befehl ZV 48 ist dann gleichwertig mit dem Befehl VS 48, 3450, 174, 180, 300"}},
    // 29
    {"AR", "AR   Herstellung von Katapulten und Brandpfeilen", false, "AR a, b, c [5*]",
     {"Baue b Katapulte und stelle c Brandpfeile in a her.",
      "Ein Katapult braucht 5 e Holz und 1 Soldaten, ein Brandpfeil 1 e Holz und 1 e Schwefel."}},
    // 30
    {"BX", "BX   Versklavung von Bauern", false, "BX a [1]",
     {"Versklave a Bauern.",
      ""}},
    // 31
    {"WX", "WX   Versklavung von Wissenschaftlern", false, "WX a [1]",
     {"Versklave a Wissenschaftler.",
      "Das Wissenschaftsniveau sinkt entsprechend."}},
    // 32
    {"KX", "KX   Versklavung von Kaufleuten", false, "KX a [1]",
     {"Versklave a Kaufleute. Die übrigen fliehen."}},
    // 33
    {"SX", "SX   Versklavung von Soldaten", false, "SX a, b [5*]",
     {"Versklave b Soldaten in der Burg a.",
      "Die Moral der Soldaten sinkt dadurch."}},
    // 34
    {"BS", "BS   Befreiung von Sklaven", false, "BS a [1]",
     {"Befreie a Sklaven, die dann zu Bauern werden.",
      "Jeder befreite Sklave kostet 1 LE und 5 G."}},
    // 35
    {"KS", "KS   Kaufen von Sklaven", false, "KS a, b [1]",
     {"Kaufe a Sklaven und zahle dafür insgesamt b Goldohren.",
      "So funktioniert der Sklavenmarkt:",
      "a) Für jedes Gebot (KS) und jedes Angebot (AS) wird der Stückpreis b/a berechnet.",
      "b) Angebote, deren Stückpreis über dem höchsten Gebot liegt, fallen heraus.",
      "c) Der Meistbietende wird zuerst aus den Angeboten bedient, deren Stückpreis höchstens so hoch wie seiner ist, und zwar zu seinem Preis; danach kommen die nächsten Bieter an die Reihe, bis die Angebote aufgebraucht oder zu teuer sind."}},
    // 36
    {"AS", "AS   Verkaufen von Sklaven", false, "AS a, b [1]",
     {"Biete a Sklaven an und verlange dafür (mindestens) b Goldohren insgesamt.",
      "Werden nicht alle Sklaven verkauft, erhaltet Ihr einen entsprechenden Anteil. Der Erlös kann auch höher als Eure Forderung ausfallen (siehe KS)."}},
    // 37
    {"XP", "XP   Exportieren von Produkten", false, "XP a, b, c [5]",
     QStringList{"Exportiere c Einheiten von Produkt b zum Landstrich a (a muß ein Stammeslandstrich sein)."}
     + produktCodes(true)
     + QStringList{
      "Beispiel: XP 23, 0, 500 schickt 500 Goldohren nach 23. Exporte werden manchmal teilweise oder ganz geraubt; wer häufig exportiert, entdeckt aber ein Mittel dagegen."}},
    // 38
    {"XA", "XA   Exportieren von Schätzen", false, "XA a, b, c, d, e, f [5*]",
     {"Exportiere nach a die Artefakte (Schätze) b bis f. Es können mit einem Befehl ein bis fünf Schätze exportiert werden."}},
    // 39
    {"LA", "LA   Bauen des Stein-Labyrinths (GEHEIMBEFEHL)", true, "LA [1] (Geheimbefehl)",
     {"Baue das Stein-Labyrinth. Der Befehl hat keine Parameter und kann nur einmal im Spiel gegeben werden.",
      "Nach der Export-Import-Phase bauen 2500 Sklaven mit 2500 Stein das Labyrinth. Danach kann das Wissenschaftsniveau bis 120 statt nur bis 99 steigen."}},
    // 40
    {"KV", "KV   Kaufen von Schweinen", false, "KV a [1]",
     {"Kaufe a Schweine (10 Gold und 1 LE für ein Schwein)."}},
    // 41
    {"RB", "RB   Einrichtung von Bazaren", false, "RB a [1]",
     {"Richte a Bazare ein.",
      "Jeder Bazar braucht 10+x Kaufleute und 10+x Einheiten Holz und kostet 200+20*x Goldohren, wobei x die Zahl der Bazare ist, die vor ihm schon bestanden.",
      "Der erste Bazar steigert den Steuerertrag der übrigen Kaufleute um etwa 25 Prozent, der zweite um 24, der dritte um 23 Prozent und so weiter; dabei spielt ein Zufallsfaktor mit.",
      "Beispiel: Ihr habt 200 Kaufleute und 3 Bazare und richtet 4 weitere ein. Das kostet 58 Holz, 58 Kaufleute und 1160 Goldohren.",
      "Es bleiben 142 Kaufleute, die etwa 154 Prozent mehr Steuern einbringen."}},
    // 42
    {"TP", "TP   Einen Schweinfrosch zuteilen (GEHEIMBEFEHL)", true, "TP a [1] (Geheimbefehl)",
     {"Baue einen hölzernen Scheinfrosch für das Heer in a.",
      "Der Bau verbraucht 3000 Einheiten Holz und 300 Soldaten dieses Heeres.",
      "Beim nächsten Belagerungsfeldzug des Heeres geschieht folgendes:",
      "a) Der Burgbonus des Verteidigers entfällt.",
      "b) SCHIRM bleibt ohne Wirkung.",
      "c) Schnaps, den der Verteidiger einsetzt, wirkt so stark gegen ihn, wie er ihm sonst geholfen hätte.",
      "Der Frosch kann noch in der Runde des Feldzuges gebaut werden, denn TP wird nach den Bazaren abgearbeitet. Er hält für einen Belagerungsfeldzug und bleibt bis dahin erhalten.",
      "Verteidigt das Heer nur, hat der Frosch keine Wirkung.",
      "Ein Stamm, der einmal hereingelegt wurde, ist beim nächsten Mal vorsichtiger."}},
    // 43
    {"PH", "PH   Herstellung von Produkten (Produktcodes von B-, C-, D- Produkten)", false, "PH p1, m1, p2, m2, p3, m3, p4, m4, p5, m5 [2]",
     {"Produziere m1 Einheiten von Produkt p1, m2 Einheiten von Produkt p2 und so weiter. Es dürfen nur die Produktcodes von B-, C- oder D-Produkten verwendet werden; hintere Paare können weggelassen werden, der Befehl hat also 2 bis 10 Parameter.",
      "Der Befehl steht zu Beginn des Spieles noch nicht zur Verfügung. Die Auswertung teilt Euch mit, wann die Bedingungen für B-Produkte erfüllt sind."}},
    // 44
    {"EE", "EE   Errichtung von Stammeserweiterungen", false, "EE erw, erw, erw, erw, erw [1]",
     {"Errichte Stammeserweiterungen. Jeder der ein bis fünf Parameter ist die Abkürzung (erw) eines Erweiterungsgebäudes; welche Gebäude es gibt, ist von Spiel zu Spiel verschieden.",
      "Abkürzungen:",
      "BIBL - Bibliothek",
      "UNI - Universität",
      "HEX - Hexenküche",
      "TURM - Magierturm",
      "GILD - Handelsgilde",
      "AREN - Arena",
      "ARS - Arsenal",
      "MISS - Mission",
      "NAD - Nadelturm",
      "KRK - Krankenhaus",
      "KON - Konservenfabrik",
      "TAV - Taverne",
      "KAS - Kaserne",
      "GRU - Gubgrube",
      "PFE - Sklavenpferch",
      "Beispiel: EE BIBL AREN AREN KON",
      "Errichte eine Bibliothek, zwei Arenen und eine Konservenfabrik.",
      "Kann der Unterhalt für eine Art von Gebäuden nicht vollständig bezahlt werden, stehen alle Gebäude dieser Art für das ganze Jahr still."}},
    // 45
    {"RP", "RP   Erweiterung von Produktionsstätten", false, "RP a, b [5]",
     {"Erweitere eine Produktionsstätte in a der Art b. Dabei kann b folgende Werte annehmen:",
      "1 - Holz (10 Bauern, 200 Gold)",
      "2 - Stein (10 Sklaven, 100 Gold)",
      "3 - Eisen (10 Bauern, 20 Sklaven, 300 Gold)",
      "4 - Salz (5 Bauern, 5 Sklaven, 400 Gold)",
      "5 - Diamant (10 Bauern, 50 Sklaven, 1500 Gold)",
      "8 - Schnaps (20 Bauern, 10 Sklaven, 600 Gold",
      "9 - Schwefel (30 Bauern, 30 Sklaven, 500 Gold)",
      "Eine Produktionsstätte erhöht den Durchschnittsertrag (DE) um 10 e.",
      "Erlaubt ist das in Eurem Stammeslandstrich oder in einem Nebenlandstrich, den Ihr kontrolliert; eine Burg braucht Ihr dort nicht. In Seen und im Hochgebirge können keine Produktionsstätten errichtet werden.",
      "Wie viele Produktionsstätten ein Landstrich aufnehmen kann, zeigt die große Produktionstabelle in der Regelübersicht."}},
    // 46
    {"GR", "GR   Schlangengrube errichten (GEHEIMBEFEHL)", true, "GR a [1] (Geheimbefehl)",
     {"Errichte im Gebirgslandstrich a eine Schlangengrube.",
      "Der Befehl steht zur Verfügung, sobald Ihr einen Waldlandstrich mit Nattern kontrolliert. Pro Runde darf nur ein GR-Befehl gegeben werden.",
      "Pro 10 DE kostet die Grube 1 Magier, 50 Bauern, 100 Sklaven und 1000 Goldohren.",
      "Sie liefert anfangs 10 e Natternblut und erschöpft sich wie andere Produktionsstätten.",
      "Ab und zu liefert sie eine neue Spruchrolle; die Chance dafür wächst mit der Zahl der Magier und mit der Summe der DE aller Gruben.",
      "Jeder Landstrich mit Schlangengruben braucht in jeder Runde 20 Sklaven (fehlen Sklaven, werden Bauern genommen).",
      "Sie werden gleich nach den automatischen Abzügen abgezogen.",
      "Gruben können nur dort errichtet werden, wo in der Landstrichtabelle unter 'SG' kein 'xx' steht.",
      "Pro Landstrich sind höchstens 20 DE möglich."}},
    // 47
    {"GM", "GM   Goldmine errichten (GEHEIMBEFEHL)", true, "GM a [1] (Geheimbefehl)",
     {"Errichte im Gebirgslandstrich a eine Goldmine.",
      "Der Befehl steht zur Verfügung, sobald Ihr einen Gebirgslandstrich mit Goldadern kontrolliert. Pro Runde darf nur ein GM-Befehl gegeben werden.",
      "Jeder DE-Punkt bringt 1000 Goldohren ein.",
      "Eine Mine mit 10 DE kostet 50 Kaufleute, 100 Bauern, 200 Sklaven und 5000 Goldohren; 300 Bauern müssen Euch danach noch bleiben.",
      "Im ersten Jahr bringt sie 10000 Goldohren, die direkt in die Schatzkammer gehen; manchmal findet man auch weitere Wertsachen.",
      "Die Mine erschöpft sich mit der Zeit.",
      "Minen können nur dort errichtet werden, wo in der Landstrichtabelle unter 'GM' kein 'xx' steht.",
      "Pro Landstrich sind höchstens 20 DE möglich."}},
    // 48
    {"ST", "ST   Steuersatzänderung", false, "ST a [1]",
     {"Setze den Steuersatz auf a% fest.",
      "Die Steuern zahlen Eure Kaufleute und die fremden Karawanen, die bei Euch ankommen.",
      "Hebt Ihr den Steuersatz über 30 Prozent an, gibt es einen Steuerschock: Ihr erhaltet in diesem Jahr nur etwa 60 Prozent der erwarteten Steuern. Das gilt nicht, wenn der neue Satz höchstens 5 Prozent über dem bisherigen liegt.",
      "Die Steuerhinterziehung wächst mit der Dauer des Spieles und mit der Höhe des Steuersatzes."}},
    // 49
    {"KG", "KG   Kopfgeld festsetzen", false, "KG a, b [1]",
     {"Setze ein Kopfgeld von b Goldohren auf den Spieler aus, der in a wohnt.",
      "Kopfgelder summieren sich und gelten bis zum Ende des Spieles; wer ihn tötet, erhält das ganze Kopfgeld. Ab 1000 Goldohren wird ein Kopfgeld öffentlich bekanntgegeben."}},
    // 50
    {"HD", "HD   Allgemeiner Heldenbefehl", false, "HD a, b, c, ... [5*]",
     {"Allgemeiner Heldenbefehl: a ist die Nummer des Helden, danach folgen Paare aus einem Unterbefehl (einem Wort) und einer Zahl.",
      "Kein Unterbefehl darf in einem HD-Befehl zweimal vorkommen (Ausnahmen werden im Spiel bekanntgegeben).",
      "Unterbefehle:",
      "-Duell <Zielort>  Der Held zieht zum Zielort und fordert den ersten Helden der dortigen Heldenliste zum Duell.",
      "-Erkundung <Zielort>  Der Held zieht zum Zielort, bekämpft das Monster, das dort haust, und hebt den Schatz, den es bewacht.",
      "-Anlegen <Schatznummer>  Der Held legt den Schatz <Schatznummer> an.",
      "-Heereshilfe <Status>  Legt fest, ob und wie der Held dem Stammesheer hilft:",
      "       Status 0 - Der Held hilft nicht.",
      "       Status 1 - Der Held hilft beim Verteidigen.",
      "       Status 2 - Der Held hilft beim Angreifen.",
      "-Spionage <Zielort>  Der Held späht den Landstrich aus. Das wirkt wie ein SP-Befehl mit 500 auf diesen Zielort, kostet aber nichts; der Held erhält dafür einen Erfahrungspunkt.",
      "-Fluchtgrenze <Fluchtpunktzahl>  Sobald der Held nur noch so viele Körperpunkte hat, versucht er zu fliehen.",
      "-Plazierung <Neue Platznummer>  Der Held a wird unter den Helden umsortiert und erhält diese Platznummer. Pro Jahr darf nur ein Held umsortiert werden.",
      "-XA <Punktzahl>  Weist so viele der Bonuspunkte, die der Held durch Stufenaufstiege gewonnen hat, seinem Angriffswert zu. Die Punkte sind damit verbraucht, der Angriffswert steigt dauerhaft.",
      "-XV <Punktzahl>  Wie XA, jedoch für den Verteidigungswert des Helden.",
      "-XM <Punktzahl>  Wie XA, jedoch für den Mentalwert des Helden.",
      "",
      "Von den Unterbefehlen Duell, Erkundung und Spionage darf in einem HD-Befehl nur einer vorkommen.",
      "Von einem Unterbefehl zählt nur der erste Buchstabe; nur bei XA, XV und XM zählen beide Buchstaben.",
      "Die folgenden drei Befehle sind daher gleichwertig:",
      "HD 3 Duell 128 Fluchtgrenze 5 Heereshilfe 2",
      "HD 3 D 128 F 5 H 2",
      "HD 3 Düsentrieb 128 Fahrrad 5 Hyggelig 2",
      "Ein weiteres Beispiel:",
      "HD 3 E 135 A 17 XA 1 XV 1",
      "Der Held 3 erkundet den Landstrich 135, legt den Schatz 17 an und weist je einen Bonuspunkt seinem Angriffswert und seinem Verteidigungswert zu."}},
    // 51
    {"SS", "SS   Schätze schmieden (GEHEIMBEFEHL)", true, "SS [1] (Geheimbefehl)",
     {"Schmiede alle herumliegenden Schätze zu einem einzigen Schatz zusammen.",
      "Gemeint sind die Schätze, die nach dem Anlegen und vor dem Erkunden von keinem Helden getragen werden. Der neue Schatz ist um so besser, je mehr und je bessere Schätze Ihr dafür hergebt.",
      "Es müssen mindestens 6 solcher Schätze vorhanden sein."}},
    // 52
    {"AA", "AA   Reservezuordnung von Schätzen", false, "AA a, b, c, d, e [5*]",
     {"Die Artefakte (Schätze) a bis e werden der Reserve zugeordnet. Der Befehl kann weniger als fünf Parameter haben."}},
    // 53
    {"EX", "EX   Umziehen in einen anderen Landstrich", false, "EX a [1]",
     {"Ziehe in den Landstrich a um. Das geht nur in einen Landstrich, in dem Ihr eine eigene Burg habt.",
      "Beim Umzug verliert Ihr im Durchschnitt 10 Prozent der Bauern, 10 Prozent der Kaufleute, 40 Prozent der Sklaven, 40 Prozent jedes Produktvorrats, 50 Prozent der Bazare und 30 Prozent der Schweine.",
      "Außerdem mag der Gott Zarrok keine Umzüge, daher folgen Euch manche Magier vielleicht nicht; das Magieniveau fällt dann etwas niedriger aus."}},
    // 54
    {"DZ", "DZ   Festlegung der Durchzugsbedingungen", false, "DZ a, b [5*]",
     {"Lege die Durchzugsbedingungen für die Burg in a fest. Dabei bedeutet:",
      "b = 0 : Es passiert nichts.",
      "b = 1 : Durchziehende Heere werden überfallen.",
      "b = 2 : Durchziehenden Heeren wird pro Soldat 1 Goldohr abgenommen.",
      "b = 3 : Durchziehenden Heeren werden die Nachschubkosten aus dem eigenen Goldschatz erstattet.",
      "Neue Burgen erhalten immer den Wert der Stammesburg.",
      "Der frühere Kamikaze-Angriff ist nicht mehr möglich."}},
    // 55
    {"FU", "FU   Unterstützung vom Unterhäuptling fordern", false, "FU a, b [10*]",
     {"Fordere bei Eurem Unterhäuptling, der in a wohnt, Unterstützung an und zahle ihm dafür b Gold. Das Gold ist auch dann verloren, wenn die Forderung scheitert.",
      "Es kommen entweder alle Soldaten von a oder keiner, je nachdem, ob Euer Gebot mehr als das Fünffache der Soldaten im Stammesheer des Unterhäuptlings beträgt.",
      "Der Befehl ist nur auf Unterhäuptlinge anwendbar, die vom Computer geführt werden (Bitgubs). Diese merken, wenn sie verraten werden."}},
    // 56
    {"FA", "FA   Unterstrützung von allen BitGub Unterhäuptlingen fordern (GEHEIMBEFEHL)", true, "FA a, (b) [1] (Geheimbefehl)",
     {"Fordere bei allen Euren Unterhäuptlingen, die vom Computer geführt werden (Bitgubs), Unterstützung an und biete dafür a Gold.",
      "Es kommen entweder alle oder keiner.",
      "Das Gebot muß mindestens so hoch sein, wie FU-Befehle an alle Unterhäuptlinge, die auf FU antworten könnten, zusammen gekostet hätten.",
      "FU kann neben FA weiterhin verwendet werden.",
      "Es antworten nur Bitgubs, die sich nicht bitter beklagt haben (das steht in der Auswertung).",
      "Den Parameter b, die Burg, die unterstützt werden soll, gibt es erst später im Spiel."}},
    // 57
    {"DS", "DS   Tempelspende abonnieren (GEHEIMBEFEHL)", true, "DS a (Geheimbefehl)",
     {"Spende dem Tempel jedes Jahr bis auf Widerruf a Goldohren.",
      "Das Abonnement gilt bis zu einem neuen DS-Befehl oder einem TE-Befehl."}},
    // 58
    {"TE", "TE   Tempelspende", false, "TE a [1]",
     {"Spende dem Tempel a Goldstücke (mindestens 100, höchstens 10000).",
      "Dadurch lassen sich mehr Priester nieder, und das Glaubensniveau steigt. Es kann auch vorkommen, daß Magier zu Priestern werden.",
      "Die Priester merken sich die bisher höchste Spende (sie steht in der Auswertung) und sind beleidigt, wenn Ihr weniger spendet.",
      "Das neue Glaubensniveau läßt sich ungefähr so abschätzen:",
      "Neuglaube = Altglaube+Wurzel((Einsatz-Bisherspende)/100)+1",
      "Beispiel: Glaubensniveau 16, bisher höchste Spende 500, jetzt gespendet 2000:",
      "Neuglaube = 16 + Wurzel((2000 - 500) / 100) + 1 = etwa 21",
      "Das tatsächliche Ergebnis kann um ein oder zwei Punkte davon abweichen."}},
    // 59
    {"TD", "TD   Diamantenspende (GEHEIMBEFEHL)", true, "TD a [1]",
     {"Diamantenspende an den Tempel.",
      "Spendet dem Tempel a Einheiten Diamanten."}},
    // 60
    {"AC", "AC   Warnung an Heer", false, "AC a [1]",
     {"Warne Euer Heer vor Angriffen der Heere des Spielers, dessen Stamm in a lebt (nur begrenzt oft möglich). Greift dieser Spieler in diesem Jahr wirklich an, verdoppelt sich die Stärke des gewarnten Heeres (nur bei Belagerungen)."}},
    // 61
    {"UL", "UL   Unheilige Lanze (GEHEIMBEFEHL)", true, "UL a [1]",
     {"Die Priester vertrauen Euch die Unheilige Lanze an.",
      "Mit UL a bestimmt Ihr das Heer (durch die Nummer seines Landstrichs), das die Lanze eine Runde lang trägt.",
      "Die Lanze ist für Angriffe gedacht, und das Heer muß siegreich bleiben, sonst wendet sie sich gegen ihren Besitzer."}},
    // 62
    {"RG", "RG   Goldraubzug", false, "RG B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]",
     heeresbefehl("Goldraubzug")},
    // 63
    {"RS", "RS   Sklavenraubzug", false, "RS B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]",
     heeresbefehl("Sklavenraubzug")},
    // 64
    {"BU", "BU   Unterjochungsfeldzug", false, "BU B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]",
     heeresbefehl("Unterjochungsfeldzug")},
    // 65
    {"BV", "BV   Vertreibungsfeldzug", false, "BV B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]",
     heeresbefehl("Vertreibungsfeldzug")},
    // 66
    {"UN", "UN   Unterstützungsfeldzug", false, "UN B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]",
     heeresbefehl("Unterstützungsfeldzug")},
    // 67
    {"WK", "WK   Den 'KA-Karawanen' Wachen zuteilen (GEHEIMBEFEHL)", true, "WK a [1] (Geheimbefehl)",
     {}},
    // 68
    {"KW", "KW   Karawane schicken", false, "KW a, b, c [wie Stammesburgklasse]",
     {}},
    // 69
    {"KA", "KA   Mehrere Karawanen schicken (GEHEIMBEFEHL)", true, "KA a, b, c, d, e [5] (Geheimbefehl)",
     {}},
    // 70
    {"HI", "HI   Karawane überfallen", false, "HI a, b, c [1]",
     {}},
    // 71
    {"EK", "EK   Einrichtung von Kontor", false, "EK a [1]",
     {}},
    // 72
    {"PW", "PW   Produkte für Kontortabelle festlegen", false, "PW a, b, c, d, e [1]",
     {}},
    // 73
    {"UW", "UW   Freiwillige Unterwerfung", false, "UW a [1]",
     {}},
    // 74
    {"VB", "VB   Zufütterung", false, "VB a [1]",
     {}},
    // 75
    {"OH", "OH   Gubhorte erstellen / verstärken", false, "OH a, b [1]",
     {}},
    // 76
    {"HV", "HV   Verlegen von Soldaten", false, "HV a, b, c [5]",
     {}},
    // 77
    {"ZZ", "ZZ   Zaubersprüche sprechen", false, "ZZ a(, b) [1]",
     {}},
    // 78
    {"SR", "SR   Zaubersprüche von Spruchrolle", false, "SR a, b [3]",
     {}},
    // 79
    {"HW", "HW   Anwerben von Helden", false, "HW [5]",
     {}},
    // 80
    {"HT", "HT   Produktion vonTruhenschlüssel", false, "HT [1]",
     {}},
    // 81
    {"TS", "TS   Tönerne Schlange", false, "TS a [1]",
     {}},
    // 82
    {"DR", "DR   Drache anwerben", false, "DR a, b [1]",
     {}},
    // 83
    {"DT", "DT   Drachentöter anwerben", false, "DT a [1]",
     {}},
    // 84
    {"SG", "SG   Versuch, Zauberspruch auf Schriftrolle zu schreiben", false, "SG a, b [1]",
     {}},
    // 85
    {"ED", "ED   Erzmagier-Befehl (GEHEIMBEFEHL)", true, "ED z, ANatt, VNatt [1] (Geheimbefehl)",
     {}},
    // 86
    {"SP", "SP   Ausspähen eines Feldes", false, "SP a, b [5]",
     {}},
    // 87
    {"EM", "EM   Empörung gegen Oberherrn", false, "EM a [1]",
     {}},
    // 88
    {"MR", "MR   Einen Ring verzaubern --> magischer Ring (GEHEIMBEFEHL)", true, "MR [1] Geheimbefehl",
     {}},
    // 89
    {"BN", "BN   Heirat anbieten (GEHEIMBEFEHL)", true, "BN a [1] (Geheimbefehl)",
     {}},
    // 90
    {"ZW", "ZW   Alle Zaubersprüche verwerfen und nach neuen suchen (GEHEIMBEFEHL)", true, "ZW (a) [1] (Geheimbefehl)",
     {}},
    // 91
    {"GV", "GV   Gunstbeweise für Sprungbeförderungen verwenden (GEHEIMBEFEHL)", true, "GV [1] (Geheimbefehl)",
     {}},
    // 92
    {"ZF", "ZF   Anzeigen lassen, wer der Unterhäuptling von einem ist (GEHEIMBEFEHL)", true, "ZF [?] (Geheimbefehl)",
     {}},
    // 93
    {"ZK", "ZK   Karte vom Schwarzen Reich zeichen (GEHEIMBEFEHL)", true, "ZK [1] (Geheimbefehl)",
     {}},
    // 94
    {"WZ", "WZ   Versuch, das C-Produkt Ratsel zu lösen (GEHEIMBEFEHL)", true, "WZ a [1] (Geheimbefehl)",
     {}},
    // 95
    {"RU", "RU   Die Rute Zarroks (GEHEIMBEFEHL)", true, "RU a [1] (Geheimbefehl)",
     {}},
    // 96
    {"VG", "VG   Vergeltungsstein (GEHEIMBEFEHL)", true, "VG [1] (Geheimbefehl)",
     {}},
    // 97
    {"MA", "MA   Schwarzer Marshall - Befehl (GEHEIMBEFEHL)", true, "MA S <Verhaeltniszahlen> G <Verhaeltniszahlen> N <Verhaeltniszahlen> [1] (Geheimbefehl)",
     {}},
    // 98
    {"KF", "KF   Senden von Spenden in das Vorland (GEHEIMBEFEHL)", true, "KF <Soldaten> <Goldohren> <Natternblut> [1] (Geheimbefehl)",
     {}},
    };
}

} // namespace orderref
