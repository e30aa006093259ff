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
      "Jedes Heer kann nur einen Golem haben, auch neben einem Moloch. Ein angreifendes Heer, das mit einem Golem an der Spitze zieht, kann durch SCHIRM nicht aufgehalten werden.",
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
      "Zwinge die Magier, a Einheiten Arkaneum zu schlucken. Das Magieniveau steigt dadurch stark an, allerdings nur für das laufende Jahr.",
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
     {"Fordere beim eigenen Unterhäuptling, der in a wohnt, Unterstützung an und zahle ihm dafür b Gold. Das Gold ist auch dann verloren, wenn die Forderung scheitert.",
      "Es kommen entweder alle Soldaten von a oder keiner, je nachdem, ob Euer Gebot mehr als das Fünffache der Soldaten im Stammesheer des Unterhäuptlings beträgt.",
      "Der Befehl ist nur auf Unterhäuptlinge anwendbar, die vom Computer geführt werden (Bitgubs). Diese merken, wenn sie verraten werden."}},
    // 56
    {"FA", "FA   Unterstrützung von allen BitGub Unterhäuptlingen fordern (GEHEIMBEFEHL)", true, "FA a, (b) [1] (Geheimbefehl)",
     {"Fordere bei allen eigenen Unterhäuptlingen, die vom Computer geführt werden (Bitgubs), Unterstützung an und biete dafür a Gold.",
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
     {"Warne das Heer vor Angriffen der Heere des Spielers, dessen Stamm in a lebt (nur begrenzt oft möglich). Greift dieser Spieler in diesem Jahr wirklich an, verdoppelt sich die Stärke des gewarnten Heeres (nur bei Belagerungen)."}},
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
     {"Stellt den Karawanen, die mit KA verschickt werden, a Wachen zur Verfügung. Die Zahl gilt, bis Ihr sie mit einem neuen WK-Befehl ändert."}},
    // 68
    {"KW", "KW   Karawane schicken", false, "KW a, b, c [wie Stammesburgklasse]",
     {"Schicke eine Karawane mit b Gold zum Landstrich a. Dabei soll die Karawane durch c Soldaten des Stammesheeres bewacht werden.",
      "Der Erfolg hängt von der Entfernung ab. Sie wird nach Pythagoras gemessen: Die Unterschiede dx und dy in Feldern werden quadriert und addiert, und aus der Summe wird die Wurzel gezogen.",
      "Beispiel: KW 58, 1000, 0 aus 33.",
      "Auf einer Karte von 10x10 Feldern ist das die Wurzel aus (25+4), also eine Entfernung von etwa 5,4 Feldern.",
      "Eine Karawane kann höchstens 1000 Goldohren mitnehmen. Pro Entfernungsschritt kostet sie 2 Goldohren pro Soldat und 3 e Holz für die Wagen, und zwar nur für den Hinweg; Bruchteile werden aufgerundet.",
      "Beispiel: Mit 30 Soldaten kostet die obige Karawane 324 G und 17 e Holz (aus 16,2 Einheiten Holz werden 17).",
      "Die Wachen dürfen im selben Jahr schon gekämpft haben, denn die Karawanen ziehen nach den Feldzügen. Karawanen können auf dem Hinweg von Räubern und auf dem Rückweg von Spielern überfallen werden.",
      "Eine Karawane zu einem Landstrich, in dem kein Stamm lebt, bricht gar nicht erst auf und verliert nichts."}},
    // 69
    {"KA", "KA   Mehrere Karawanen schicken (GEHEIMBEFEHL)", true, "KA a, b, c, d, e [5] (Geheimbefehl)",
     {"Verschicke mehrere Karawanen nach a, b, c, d, e mit einem Befehl.",
      "Die Parameter sind die Zielorte; überzählige Parameter läßt man einfach weg.",
      "Es werden Staatskarawanen nach Standard verschickt: jede mit 1000 Goldohren und ohne Wachen (Wachen teilt Ihr mit WK zu).",
      "KW kann weiterhin verwendet werden; die Höchstzahl an Karawanen, die Eure Burgklasse vorgibt, gilt aber auch für KA.",
      "Beispiel:",
      "KA 34, 56, 78 - Schicke Karawanen nach 34, 56 und 78, jeweils mit 1000 Goldohren und 0 Wachen."}},
    // 70
    {"HI", "HI   Karawane überfallen", false, "HI a, b, c [1]",
     {"Überfalle eine Karawane von a nach b mit c Soldaten des Stammesheeres. Es gibt keine Einschränkungen: Auch eigene Karawanen und solche, die in Euren eigenen Landstrich ziehen, können überfallen werden.",
      "Der Überfall gelingt, wenn eine Karawane von a nach b (nicht umgekehrt) gefunden wird und ihre Wachen weniger sind als die Angreifer. Überfallen mehrere Spieler dieselbe Karawane, siegt die höhere Heereserfahrung, bei Gleichstand entscheidet der Zufall; jede Karawane wird nur einmal überfallen."}},
    // 71
    {"EK", "EK   Einrichtung von Kontor", false, "EK a [1]",
     {"Richte im Landstrich a ein Kontor ein; a muß ein Stammeslandstrich sein.",
      "In jedem Stammeslandstrich dürfen höchstens zehn Kontore anderer Stämme stehen; Ihr dürft auch mehrere Kontore beim selben Stamm haben.",
      "Ein Kontor kostet 10 Bauern, 10 Kaufleute, 100 Goldohren, 10 e Holz und 10 e Stein.",
      "Das Budget des Gastgeberstammes sinkt pro Kontor um 10 Prozent, höchstens jedoch um 30 Prozent."}},
    // 72
    {"PW", "PW   Produkte für Kontortabelle festlegen", false, "PW a, b, c, d, e [1]",
     QStringList{"Lege die Produkte fest, deren Preise in der Kontortabelle aufgeführt werden. Der Befehl kann ein bis fünf Parameter haben, jeder davon ist ein Produktcode."}
     + produktCodes()
     + QStringList{
      "Beispiel: PW 4, 7, 8, 9, 10",
      "Damit werden die Preise für Salz, Lebensmittel, Schnaps, Schwefel und Natternblut aufgeführt.",
      "Die Auswahl gilt bis zum nächsten PW-Befehl."}},
    // 73
    {"UW", "UW   Freiwillige Unterwerfung", false, "UW a [1]",
     {"Unterwerft Euch freiwillig dem Spieler, der in a wohnt. Ihr könnt dann nicht mehr vergiftet werden; dieser Schutz endet, wenn ein anderer Spieler Euch gewaltsam unterwirft.",
      "Die Unterwerfung ist nur erlaubt, wenn Eure Grimpelwertung des letzten Jahres höchstens 75 Prozent der Wertung Eures künftigen Oberherrn betrug.",
      "Eine solche Wertung gibt es auch dann, wenn sie nicht angezeigt wird, und auch für Computerstämme."}},
    // 74
    {"VB", "VB   Zufütterung", false, "VB a [1]",
     {"Versorge die Bauern zusätzlich mit a LE. Das erhöht ihren Zuwachs.",
      "Am besten gebt Ihr so viele LE, wie Ihr Bauern habt; mehr als doppelt so viele können die Bauern krank machen."}},
    // 75
    {"OH", "OH   Gubhorte erstellen / verstärken", false, "OH a, b [1]",
     {"Schicke b Soldaten in einen Gubhort in a; gibt es dort noch keinen, wird er gegründet. Pro Soldat fallen 50 Gold Aufrüstungskosten an.",
      "Das geht in jedem Landstrich, Ihr müßt ihn nicht kontrollieren. Es können nur Soldaten des Stammesheeres geschickt werden.",
      "Pro Jahr und Hort sind höchstens 500 Soldaten erlaubt; auch ihre Qualität zählt.",
      "Ein Hort überfällt fremde Heere, die über ihn hinwegziehen: Der Besitzer erhält Informationen, der Durchziehende erleidet Verluste.",
      "Horte sparen Nachschubkosten Eurer eigenen Heere."}},
    // 76
    {"HV", "HV   Verlegen von Soldaten", false, "HV a, b, c [5]",
     {"Verlege c Soldaten von a nach b.",
      "Das Verlegen kostet 2 Gold pro Soldat und Feld Entfernung zwischen a und b; die Entfernung wird wie bei den Karawanen in Luftlinie gemessen."}},
    // 77
    {"ZZ", "ZZ   Zaubersprüche sprechen", false, "ZZ a(, b) [1]",
     {"Sprich den Zauberspruch a, falls nötig mit dem Parameter b (b ist immer ein Landstrich). Alle gesprochenen Zaubersprüche, auch die mit SR, müssen verschieden sein.",
      "",
      ""}},
    // 78
    {"SR", "SR   Zaubersprüche von Spruchrolle", false, "SR a, b [3]",
     {"Sprich den Zauberspruch a von einer Spruchrolle, falls nötig mit dem Parameter b. Auf diese Weise dürfen höchstens drei Spruchrollen verwendet werden; alle Zaubersprüche, auch der mit ZZ, müssen verschieden sein, und die Spruchrolle ist in jedem Fall verbraucht.",
      "",
      ""}},
    // 79
    {"HW", "HW   Anwerben von Helden", false, "HW [5]",
     {"Werbe einen weiteren Helden an.",
      "Vorhandene Helden 0 - Kosten 1000",
      "Vorhandene Helden 1 - Kosten 2000",
      "Vorhandene Helden 2 - Kosten 4000",
      "Vorhandene Helden 3 - Kosten 8000",
      "Vorhandene Helden 4 - Kosten 16000",
      "Vorhandene Helden 5 - Kosten 32000",
      "Vorhandene Helden 6 - Kosten 64000",
      "Die Kosten betragen 2 hoch Zahl der Helden, die Ihr schon in Sold habt, mal 1000 Goldohren."}},
    // 80
    {"HT", "HT   Produktion vonTruhenschlüssel", false, "HT [1]",
     {"Stelle einen Truhenschlüssel her: zuerst den Schlüssel für Kupfertruhen, dann den für Silbertruhen, dann den für Goldtruhen.",
      "Kupfer   20 Eisen, 10 Schwefel",
      "Silber   5 Expensium, 1 Glibber, 3 Helden",
      "Gold   20 Expensium, 10 Glibber, 3 Helden, davon einer in Level 8",
      "Außerdem muß jeweils eine Truhe der entsprechenden Farbe in Eurem Besitz sein.",
      "",
      ""}},
    // 81
    {"TS", "TS   Tönerne Schlange", false, "TS a [1]",
     {"Beschwöre die Tönerne Schlange, damit sie den eigenen Unterhäuptling in a tötet.",
      "Die Schlange erhaltet Ihr nach sieben erfolgreichen Belagerungen; die Auswertung teilt es Euch mit. Ihr behaltet sie, bis Ihr sie einsetzt; danach braucht Ihr wieder sieben Belagerungen.",
      "Die Beschwörung gelingt immer, es sei denn, der Unterhäuptling schützt sich mit SU oder zieht rechtzeitig um."}},
    // 82
    {"DR", "DR   Drache anwerben", false, "DR a, b [1]",
     {"Biete b Gold dafür, daß der Drache den Landstrich a heimsucht. Der Drache folgt dem Meistbietenden; die Höhe des Gebots ist beliebig.",
      "In einem unbewohnten Waldlandstrich verbrennt er das Holz, und der Wald wird zur Ebene; andere unbewohnte Landstriche trifft nichts. Bei einer Nebenburg leiden Soldaten und Forsten; in einem Stammeslandstrich raubt er außerdem Gold, verbrennt Holz, und Bauern und Sklaven sterben."}},
    // 83
    {"DT", "DT   Drachentöter anwerben", false, "DT a [1]",
     {"Biete a Gold dafür, daß der Drachentöter alle eigenen Landstriche schützt.",
      "Die Höhe des Gebots ist beliebig."}},
    // 84
    {"SG", "SG   Versuch, Zauberspruch auf Schriftrolle zu schreiben", false, "SG a, b [1]",
     {"Versuche, den Zauberspruch a mit b Einheiten Natternblut auf eine Schriftrolle zu schreiben. Je mehr Natternblut, desto besser die Chance; mit dem Dreifachen der nötigen Menge gelingt es sicher.",
      "Dabei stirbt der Magier mit einer Wahrscheinlichkeit von 25 Prozent; ein hohes Magieniveau hilft. Ohne Magier geschieht nichts, und stirbt der letzte Magier, fällt das Magieniveau auf 0."}},
    // 85
    {"ED", "ED   Erzmagier-Befehl (GEHEIMBEFEHL)", true, "ED z, ANatt, VNatt [1] (Geheimbefehl)",
     {"Fordere den Erzmagier des Stammesführers, der in z wohnt, zu einem Duell heraus; er kann nicht ablehnen.",
      "Beide Seiten brauchen einen Erzmagier, also ein MN von mindestens 60.",
      "Der Angriffswert wird zufällig zwischen 1 und der Angriffsfähigkeit des Angreifers bestimmt.",
      "Der Verteidigungswert wird zufällig zwischen 1 und der Verteidigungsfähigkeit des Verteidigers bestimmt. Der höhere Wert gewinnt; bei Gleichstand wird das Duell wiederholt.",
      "ANatt erhöht Euren Angriffswert um 1 pro Einheit Natternblut.",
      "VNatt erhöht Euren Verteidigungswert um 1 pro Einheit Natternblut; dieses Natternblut wird nur verbraucht, wenn Ihr angegriffen werdet.",
      "Zu beiden Werten wird die Erfahrung addiert (+1 für jeden Angriff und jede Verteidigung).",
      "Der Sieger nimmt dem Verlierer einen Magier, eine Einheit Natternblut und einen Punkt MN ab, sofern dieser sie hat.",
      "Greifen sich zwei Erzmagier gegenseitig an, gibt es zwei Duelle.",
      "Der erfahrenere Angreifer ist dabei zuerst an der Reihe; bei gleicher Erfahrung entscheidet der Zufall.",
      "Wird Euer Erzmagier mehrmals angegriffen, wird VNatt gleichmäßig (gerundet) auf die Duelle verteilt.",
      "Mit ED s, 0, VNatt, wobei s Euer eigener Stammeslandstrich ist, erhaltet Ihr vor den Duellen einen neuen Erzmagier mit neuen Fähigkeiten und der Erfahrung 0.",
      "Mit ED 0, 0, VNatt verteidigt Ihr Euch nur.",
      "Gegen denselben Erzmagier dürft Ihr nicht zwei Jahre hintereinander antreten.",
      "Die Angriffsfähigkeit liegt meist zwischen 10 und 18, am häufigsten bei 14; die Verteidigungsfähigkeit ist meist etwas niedriger.",
      "Auch die Bitgubs duellieren sich.",
      "Die Duelle finden unmittelbar vor den SP-Befehlen statt."}},
    // 86
    {"SP", "SP   Ausspähen eines Feldes", false, "SP a, b [5]",
     {"Spähe das Feld a aus und zahle dafür b Goldohren. Je mehr Gold, desto bessere Berichte."}},
    // 87
    {"EM", "EM   Empörung gegen Oberherrn", false, "EM a [1]",
     {"Empört Euch gegen Euren Oberherrn. Das geht nicht in dem Jahr, in dem Ihr Unterhäuptling geworden seid.",
      "Die Chance ist am besten, wenn a möglichst nahe an der Zahl der Soldaten liegt, die Euer Oberherr in seinem Stammesheer hat, wenn die Empörung abgearbeitet wird. Gunstbeweise erhöhen die Chance.",
      "Die Empörung kostet das Doppelte des Tributs, ob sie gelingt oder nicht.",
      "Beispiel: Hat Euer Oberherr dann 200 Soldaten im Stammesheer, ist 'EM 200' richtig; 400 oder 100 sind gleich schlecht."}},
    // 88
    {"MR", "MR   Einen Ring verzaubern --> magischer Ring (GEHEIMBEFEHL)", true, "MR [1] Geheimbefehl",
     {"Verzaubere einen Ring. Der Befehl hat keinen Parameter.",
      "Die Wirkung ist nicht vorherzusagen, meistens aber gut.",
      "Ihr braucht ein WN von 99 oder mehr, ein MN von mindestens 60 und einen Erzmagier; verbraucht werden ein Ring und eine Einheit Arkaneum."}},
    // 89
    {"BN", "BN   Heirat anbieten (GEHEIMBEFEHL)", true, "BN a [1] (Geheimbefehl)",
     {"Biete dem Stammesführer im Stammeslandstrich a die Hand der eigenen Lieblingstänzerin an. Er kann das Angebot in der unmittelbar folgenden Runde annehmen.",
      "Von da an dürft Ihr ihn nicht töten: keine Plünderung, keine Vergiftung, kein entscheidender zweiter Todesstrahl und keine Vertreibung, es sei denn, er hat eine Ausweichburg. Andere Feindseligkeiten bleiben erlaubt.",
      "Die Verbindung ist einseitig und unwiderruflich und hält, solange die Tänzerin lebt.",
      "Wird das Angebot angenommen, wirkt die Verbindung schon vor der Feldzugszeit des nächsten Jahres.",
      "Ein Stammesführer heiratet nur einmal; ob er schon vergeben ist, erfahrt Ihr nur durch einen Versuch."}},
    // 90
    {"ZW", "ZW   Alle Zaubersprüche verwerfen und nach neuen suchen (GEHEIMBEFEHL)", true, "ZW (a) [1] (Geheimbefehl)",
     {"Verwerft alle Zaubersprüche und sucht nach neuen.",
      "Einer der alten Sprüche kann noch mit ZZ gesprochen werden; die übrigen verschwinden und werden meist durch neue ersetzt.",
      "Später im Spiel kann der Befehl einen Parameter haben; er wirkt dann wie ZW und ZN zusammen.",
      "ZW 0 setzt das Zauberniveau auf beliebig zurück; ein ZW ohne Parameter läßt es unverändert."}},
    // 91
    {"GV", "GV   Gunstbeweise für Sprungbeförderungen verwenden (GEHEIMBEFEHL)", true, "GV [1] (Geheimbefehl)",
     {"Diesen Befehl bietet Euch der Hofmarschall Ambrosius Quendel an.",
      "Er wirkt wie ein Schalter: Ihr legt damit fest, ob Eure Gunstbeweise für Sprungbeförderungen verwendet werden.",
      "Steht in den Stammesdaten 'GV (-)', werden sie nicht verwendet."}},
    // 92
    {"ZF", "ZF   Anzeigen lassen, wer der Unterhäuptling von einem ist (GEHEIMBEFEHL)", true, "ZF [?] (Geheimbefehl)",
     {"Zeigt an, wer wessen Unterhäuptling ist."}},
    // 93
    {"ZK", "ZK   Karte vom Schwarzen Reich zeichen (GEHEIMBEFEHL)", true, "ZK [1] (Geheimbefehl)",
     {"Zeichnet eine Karte vom Schwarzen Reich.",
      "Die Karte wird eingelesen, wenn Ihr den Menüpunkt zum Laden einer Auswertung benutzt."}},
    // 94
    {"WZ", "WZ   Versuch, das C-Produkt Ratsel zu lösen (GEHEIMBEFEHL)", true, "WZ a [1] (Geheimbefehl)",
     {"Versuche, das C-Produkt Rätsel zu lösen.",
      "Gesucht sind vier von sechs Substanzen, von jeder eine Unze, in einer festen Reihenfolge:",
      "Alaun (1), Barbarenblut (2), Centaurenlymphe (3), Drothur-Wein (4), Eselsmilch (5), Feenflügelpulver (6).",
      "Der Parameter a ist eine einzige vierstellige Zahl aus den Ziffern 1 bis 6, in der Reihenfolge, in der die Substanzen zugegeben werden.",
      "Nach jedem Versuch erhaltet Ihr Hinweise.",
      "Im Jahr der Lösung braucht Ihr noch einmal die Produktmengen und das WN, die das Rätsel verlangt hat.",
      "Richtig ist: 'WZ 1563'",
      "Falsch ist: 'WZ 1 5 6 3'"}},
    // 95
    {"RU", "RU   Die Rute Zarroks (GEHEIMBEFEHL)", true, "RU a [1] (Geheimbefehl)",
     {"Die Rute Zarroks quält einen Lieblingsfeind, bis die Rute verloren geht.",
      "RU a, wobei a der Landstrich des Stammes ist, der gequält werden soll."}},
    // 96
    {"VG", "VG   Vergeltungsstein (GEHEIMBEFEHL)", true, "VG [1] (Geheimbefehl)",
     {"Eine Geschichte vom Vergeltungsstein:",
      "Der Schattenkönig Vargoth läßt Euch durch einen stummen Boten einen schwarzen Stein überreichen.",
      "In seinem Inneren pulsiert eine finstere Kraft, die nur darauf wartet, entfesselt zu werden.",
      "Bevor Ihr den Boten fragen könnt, ist er im Nebel verschwunden.",
      "Der Stein aber liegt warm in Eurer Hand.",
      "Ihr habt einen neuen Befehl entdeckt: VG",
      "VG hat keine Parameter und kann nur einmal gegeben werden.",
      "Wer Euch in dem Jahr tötet, in dem Ihr VG gebt, den trifft die Vergeltung: Seine Helden erkranken, die Pest bricht bei ihm aus, und sein Magie- und Wissenschaftsniveau sinken. Am Ende dieses Jahres verfliegt die Kraft des Steins."}},
    // 97
    {"MA", "MA   Schwarzer Marshall - Befehl (GEHEIMBEFEHL)", true, "MA S <Verhaeltniszahlen> G <Verhaeltniszahlen> N <Verhaeltniszahlen> [1] (Geheimbefehl)",
     {"Diesen Befehl hat Euch der Schattenkönig Vargoth verliehen, als er Euch zum Schwarzen Marshall ernannte.",
      "Die Schlacht um das Schwarze Reich dauert höchstens fünf Tage.",
      "Gewonnen hat, wer an zwei aufeinanderfolgenden Tagen mit 3:2 überlegen ist; sonst siegt die Seite, die am letzten Tag vorne liegt.",
      "Mit MA verteilt Ihr als Schwarzer Marshall Eure Mittel auf die fünf Tage: Für 'S' (Soldaten), 'G' (Goldohren) und 'N' (Natternblut) gebt Ihr je fünf Verhältniszahlen von 1 bis 9 an.",
      "Beispiel: 'MA S 4 1 3 2 7 G 1 1 1 1 1 N 5 1 1 1 1'",
      "Hier kämpfen am ersten Tag 4/17 der Soldaten, am zweiten 1/17, am dritten 3/17, am vierten 2/17 und am fünften 7/17.",
      "An jedem Tag wird zuerst das eingesetzte Gold verglichen.",
      "Ist d der Unterschied und e das Gold der Seite, die mehr ausgegeben hat, so wird die Heeresstärke der anderen Seite:",
      "HSneu = HSalt * 0,5 + (1 - d/e) * HSalt * 0,5",
      "Das Natternblut wirkt über die Schlachtzauber auf dieselbe Weise.",
      "Die verbleibenden Heeresstärken entscheiden den Tag.",
      "Fehlt der MA-Befehl, gilt die Grundeinstellung:",
      "MA S 1 1 1 1 1 G 1 1 1 1 1 N 1 1 1 1 1"}},
    // 98
    {"KF", "KF   Senden von Spenden in das Vorland (GEHEIMBEFEHL)", true, "KF <Soldaten> <Goldohren> <Natternblut> [1] (Geheimbefehl)",
     {"Sendet Soldaten (aus dem Stammesheer), Goldohren und Natternblut als Spenden in das Vorland.",
      "Die Spenden sind für Euch verloren; sie werden ganz am Ende der Runde abgezogen.",
      "Im vierten Jahr von jetzt an wird die Schlacht um das Schwarze Reich gegen die Weichhäute geschlagen.",
      "Die Schlacht dauert höchstens fünf Tage.",
      "Der Spender mit den meisten Spendenpunkten wird vom Schattenkönig Vargoth zum Schwarzen Marshall ernannt.",
      "So werden die Spendenpunkte berechnet:",
      "In jeder Kategorie (Heeresstärkepunkte, Gold, Natternblut) wird der prozentuale Anteil jedes Spenders an allen Spenden dieser Kategorie ermittelt.",
      "Dieser Anteil mal 10000 ergibt seine Punkte in der Kategorie.",
      "Der größte Spender eines Jahres in einer Kategorie erhält für diese Kategorie doppelte Punkte.",
      "Werden im Durchschnitt weniger als 50 Prozent der Mittel des Feindes gespendet, wird kein Marshall ernannt.",
      "Das Reich verliert dann sofort.",
      "Ist der Marshall Unterhäuptling, wird er befreit.",
      "Im Jahr der Schlacht kann der Marshall nicht mit gewöhnlichen Mitteln getötet werden.",
      "Die Folgen einer Niederlage:",
      "a) Jeder Stamm zahlt jedes Jahr 50 Prozent seines Goldes und seiner A-Produkte, soweit sie einen Freibetrag von 50000 Goldohren übersteigen.",
      "b) Alle Heere werden in diesem Jahr entwaffnet.",
      "c) Der Marshall verliert ein Viertel seiner Bauern und Sklaven.",
      "d) Ein Sieger des Spiels wird nur Regent statt Hochkönig.",
      "e) Der Marshall wird vom Schattenkönig Vargoth trotzdem belohnt.",
      "Die Folgen eines Sieges:",
      "a) Der Marshall wird um einen Rang über jeden anderen Stammesführer befördert.",
      "b) Er darf C-Produkte herstellen.",
      "c) Die Moral aller Heere steigt auf 99.",
      "d) Der schlechteste echte Spender wird sein Unterhäuptling, und der Marshall erhält eine Giftrolle.",
      "Die Bitgubs spenden nicht.",
      "Etwa ein Sechstel jeder Mittelart pro Jahr und echtem Spieler sollte genügen."}},
    };
}

} // namespace orderref
