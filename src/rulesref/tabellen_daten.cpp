// The eleven rules tables: each table's lines as the pane shows them, and
// the texts the enlarged view puts around them. Table lines are fixed-width
// text for a monospaced font and stay one string each.
#include "rulesref/referenz.h"

namespace rulesref {

namespace {

QString zeilen(const QStringList &l) { return l.join(crlf); }

// A table of the pane in "Courier New" shown at 10 points in the enlarged view.
Tafel tafel(const QString &schluessel, const QString &titel, double paneGroesse, const QStringList &block,
            const QString &ansicht)
{
    return {schluessel, titel, titel, paneGroesse, QStringLiteral("Courier New"), 10, block, ansicht};
}

// The notes on the terrain table; the formulas sheet shows them too.
const QStringList terrainNotizen{
    "Erläuterungen:",
    "Vermehrung: Gibt den Terrainvermehrungsfaktor (TVF) an, mit dem sich Bauern und Schweine vermehren. Die Formeln für die Vermehrungsfaktoren lauten:",
    "- bei Bauern: TVF+WN/2000+MN/2000+0.01*Random+0.1/Zugnr",
    "- bei Schweinen: TVF*TVF+MN/1000+WN/1000",
    "Bewegungsverluste: Der durchschnittliche Prozentsatz eines Heeres, der stirbt, wenn es sich durch einen Landstrich dieses Typs bewegt. Auf See gibt es normalerweise keine Bewegungsverluste, dort können aber besondere Ereignisse eintreten, positive wie negative.",
    "Terrainerntefaktoren (TEF): Sie geben an, wie die Ernte, also der jährliche Ertrag der Produktionsstätten, vom Terrain abhängt. Der Erntefaktor eines Produkts p errechnet sich dann wie folgt:",
    "Erntefaktor = Reichsernte * (1 + WN / 100) * (0.9 + Burgklasse / 10) * TEF * Preisprofil.",
    "Dabei ist 'Reichsernte' ein Zufallswert, der alle gleichermaßen betrifft und jede Runde neu ermittelt wird, 'Burgklasse' die Burgklasse des Landstrichs, in dem die Produktionsstätte steht, und 'Preisprofil' ein Zufallswert, den ein Spieler für jedes Produkt dauerhaft hat.",
};

// The cost of crossing the sea; the supply costs and the castle steps end with it.
const QStringList seeNotizen{
    "Zusätzliche Bewegungskosten:",
    "Bei der Bewegung durch ein Seefeld benötigt man für jeden Soldaten oder Söldner (zusätzlich zu den normalen Nachschubkosten) eine Zehntel Einheit Holz, um Flöße zu bauen.",
};

} // namespace

Tafel grossProduktion()
{
    const QStringList block{
        "---------------------------------------------------------------------",
        "|Produktname |Nr |Preis|Prodst.                     |Maxima         |",
        "|            |   |     |Name         |G    |B  |Sk  |E  |W  |G  |Su |",
        "---------------------------------------------------------------------",
        "|Holz        |1  |15   |Försterei    |200  |10 |0   |40 |80 |20 |20 |",
        "|Stein       |2  |5    |Steinbruch   |100  |0  |10  |20 |20 |80 |20 |",
        "|Eisen       |3  |20   |Erzmine      |300  |10 |20  |20 |30 |60 |20 |",
        "|Salz        |4  |30   |Saline       |400  |5  |5   |80 |20 |40 |40 |",
        "|Diamant     |5  |100  |Diamantfeld  |1500 |10 |50  |40 |20 |20 |20 |",
        "|Leder       |6  |10   |             |---  |   |    |   |   |   |   |",
        "|LE          |7  |36   |             |---  |   |    |   |   |   |   |",
        "|Schnaps     |8  |40   |Destille     |600  |20 |10  |20 |60 |40 |80 |",
        "|Schwefel    |9  |50   |Schwefelgrube|500  |30 |30  |20 |20 |20 |80 |",
        "|Natternblut |10 |200  |             |---  |   |    |   |   |   |   |",
        "---------------------------------------------------------------------",
    };
    const QStringList notizen{
        "Erläuterungen:",
        "Nr: Die Codierung für den XP-, VK- und RP-Befehl (und andere Befehle, die auf Produkte bzw. Produktionsstätten zugreifen).",
        "G, B, Sk: Gold, Bauern und Sklaven, die bei der Errichtung einer Produktionsstätte bzw. deren Erweiterung um je 10 e Durchschnittsertrag eingesetzt werden müssen.",
        "Maxima: Maximale Durchschnittserträge in den Landstrichtypen Ebene (E), Wald (W), Gebirge (G) und Sumpf (Su).",
    };
    return tafel("Prodtabelle", "Grosse Produktionstabelle", 3, block, zeilen(block) + crlf + crlf + zeilen(notizen));
}

Tafel bcdProdukte()
{
    const QStringList block{
        "---------------------------------------------------------------",
        "|Produkt       |Code|aus                                      |",
        "---------------------------------------------------------------",
        "|Expensium     |11  |10 Eisen, 5 Schwefel                     |",
        "|Tinktur       |12  |10 Schnaps, 5 Schwefel                   |",
        "|Glibber       |13  |20 Salz, 20 LE                           |",
        "|Granate       |14  |1 Schwefel, 1 Stein                      |",
        "|Arkaneum      |15  |5 Glibber, 5 Tinktur                     |",
        "|Ring          |16  |50 Diamant, 10 Expensium                 |",
        "|Moloch        |17  |50 Expensium, 200 Holz                   |",
        "|Golem         |18  |10 Tinktur, 200 Stein, 50 Expensium      |",
        "|Koloß         |19  |10 Tinktur, 200 Diamant                  |",
        "|Karren        |20  |1 Eisen, 1 Holz                          |",
        "|Krone         |21  |100 Ring, 100 Arkaneum                   |",
        "|Fabrik        |22  |10 Moloch, 500 Karren, 500 Expensium     |",
        "|Projektil     |23  |20 Golem, 50 Arkaneum                    |",
        "|Ankh          |24  |20 Ring, 500 Tinktur                     |",
        "---------------------------------------------------------------",
    };
    const QStringList notizen{
        "Um B-Produkte herstellen zu können, muß man folgende Bedingungen erfüllen:",
        "o Am Ende eines Zuges müssen im Lager des Stammes je 100 e Holz, Eisen, Salz, Schwefel und Schnaps vorhanden sein. Sie werden nicht verbraucht, sondern müssen nur vorgezeigt werden.",
        "o Euer Wissenschaftsniveau muß wenigstens 50 betragen.",
        "Ihr könnt dann im nächsten Jahr die B-Produkte herstellen.",
        "Um C-Produkte herstellen zu können, müßt Ihr zuerst eine Aufgabe erfüllen, die Euch erst gestellt wird, wenn folgende Bedingungen erfüllt sind:",
        "o Am Ende eines Zuges müssen im Lager des Stammes je 100 e Stein, Holz, Eisen, Schwefel, Schnaps und Diamant sowie je 20 e Expensium, Tinktur und Glibber vorhanden sein. Sie werden nicht verbraucht, sondern müssen nur vorgezeigt werden.",
        "o Euer Wissenschaftsniveau muß wenigstens 70 betragen.",
    };
    return tafel("BCD", "Bildung von B- , C- und D- Produkten", 3, block,
                 zeilen(block) + crlf + crlf + zeilen(notizen));
}

Tafel terrain()
{
    const QStringList block{
        "--------------------------------------------------------------------",
        "|               |See      |Ebene    |Wald     |Gebirge  |Sumpf     |",
        "--------------------------------------------------------------------",
        "|Vermehrung     |--       |1.08     |1.06     |1.04     |1.05      |",
        "--------------------------------------------------------------------",
        "|Bewegungsver-  |Bes. Er- |0%       |2%       |5%       |7% (Sumpf-|",
        "|luste          |eignisse |         |         |         |heere: 0%)|",
        "--------------------------------------------------------------------",
        "|Terrainerntefaktoren:                                             |",
        "|Holz           |--       |100%     |120%     |80%      |70%       |",
        "|Stein          |--       |110%     |80%      |120%     |80%       |",
        "|Eisen          |--       |90%      |90%      |120%     |80%       |",
        "|Salz           |--       |120%     |80%      |120%     |110%      |",
        "|Diamant        |--       |100%     |90%      |90%      |70%       |",
        "|Schnaps        |--       |100%     |120%     |90%      |120%      |",
        "|Schwefel       |--       |90%      |100%     |110%     |150%      |",
        "--------------------------------------------------------------------",
    };
    return tafel("Terrain", "Terraintabelle", 3, block, zeilen(block) + crlf + crlf + zeilen(terrainNotizen));
}

Tafel einzeln()
{
    const QStringList block{
        "Tribut: Soldatenzahl * 5 * (Abfallkandidaten + 1)",
        "",
        "Eingesetzte Brandpfeile bei einer Belagerung:",
        "Bp = Min (Brandpfeile,Verteidiger des Stammesheers,AngrKatapulte*2)",
        "",
        "Trefferchance eines Brandpfeils: (20+Erfahrung)/200",
        "",
        "Trefferchance eines übriggebliebenen Katapults:",
        "Erfahrung/100 -> Folge: Kampfburgklasse = Kampfburgklasse * 0.95.",
        "",
        "Anonymes Sklavenangebot: (Spielerzahl*5)+Random*((Spielerzahl+ZugNr)*5). - dessen Preis: 20+Random*(ZugNr-1).",
        "",
        "Zu versteuerndes Einkommen eines Kaufmanns:",
        "(100+Wirtschaftsindex) * (1+Jahr/100) mit einer bis zu 10prozentigen zufälligen Abweichung.",
        "",
        "Kaufleutevermehrung",
        "Der Spielleiter kann die Vermehrung der Kaufleute in jedem Spiel anders einstellen. Beim voreingestellten Verfahren geht sie wie folgt vor sich:",
        "Zunächst wird ein fiktiver Steuersatz FSt berechnet.",
        "FSt = max(0, Min(99, Steuersatz - Steuerbonus))",
        "Außerdem werden der durchschnittliche Steuersatz DSt und die durchschnittliche Zahl der Kaufleute (DKfl) ermittelt. Dann werden zwei Fälle unterschieden:",
        "a) FSt > DSt:",
        "Zusatzkaufleute = (FSt - DSt) [hoch 1,5] * Kaufleute / (100) [hoch 1,5] * -1",
        "(-1, damit der Wert negativ wird)",
        "b) FSt <= DSt:",
        "Zusatzkaufleute = DKfl * (DSt - FSt) / 75",
        "Danach wird noch ein weiterer Wert berechnet, der den allgemeinen Fortschritt der Spielwelt widerspiegeln soll. Diese weiteren Zusatzkaufleute errechnen sich wie folgt:",
        "Zusatzkaufleute2 = DKfl * 0,01 * (1 + eigene Kontore)",
        "Dann werden beide Werte zu Gesamtzusatzkaufleute addiert:",
        "Gesamtzusatzkaufleute = Zusatzkaufleute + Zusatzkaufleute2",
        "Falls Gesamtzusatzkaufleute größer als Null ist, wird die Zahl halbiert.",
        "Die neue Kaufleutezahl errechnet sich abschließend wie folgt:",
        "Kaufleute = Kaufleute + Gesamtzusatzkaufleute",
        "Ganz am Schluß wird die Zahl der Kaufleute noch ein wenig zufällig modifiziert.",
        "",
        "Steuerbonus",
        "Der Steuerbonus ist im Zusammenhang mit der Berechnung der Vermehrung der Kaufleute von Bedeutung (siehe dort) und errechnet sich wie folgt:",
        "Steuerbonus = ((100 - Steuersatz) / 40) [hoch 2]",
    };
    return tafel("Einzeln", "Einzelne Formeln", 3, block, zeilen(block) + crlf + crlf + zeilen(terrainNotizen));
}

Tafel nachschub()
{
    // Stored as finished text: for m fields a soldier costs 0.1 * (3^m - 1) G.
    const QStringList block{
        "Zu zahlende Felder  G pro Soldat        G pro 100 Soldaten",
        "1                       0.20               20.00",
        "2                       0.80               80.00",
        "3                       2.60              260.00",
        "4                       8.00              800.00",
        "5                      24.20             2420.00",
        "6                      72.80             7280.00",
        "7                     218.60            21860.00",
        "8                     656.00            65600.00",
    };
    return tafel("Nachschub", "Nachschubkosten", 4, block, zeilen(block) + crlf + crlf + zeilen(seeNotizen));
}

Tafel rang()
{
    const QStringList block{
        "-------------------------------------------------------------------------",
        "|Nr|Männl. Bez.    |Weibl. Bez.    |UH|BK|Gold  |Sold |MN|Gl|GRb|SRb|HS+|",
        "-------------------------------------------------------------------------",
        "|0 |Unterhäuptling |Vasallin       |0 |0 |0     |0    |0 |0 |0  |0  |0  |",
        "|1 |Häuptling      |Herrin         |0 |0 |0     |0    |0 |0 |0  |0  |10 |",
        "|2 |Ritter         |Rittersfrau    |1 |1 |0     |0    |0 |0 |0  |0  |15 |",
        "|3 |Baron          |Baronin        |2 |1 |0     |0    |0 |0 |0  |0  |20 |",
        "|4 |Räuberbaron    |Räuberbaronin  |2 |1 |0     |0    |0 |0 |1  |0  |25 |",
        "|5 |Graf           |Gräfin         |3 |1 |0     |0    |0 |0 |0  |0  |30 |",
        "|6 |Markgraf       |Markgräfin     |3 |1 |0     |0    |0 |0 |0  |0  |35 |",
        "|7 |Fürst          |Fürstin        |4 |3 |0     |0    |0 |0 |0  |0  |40 |",
        "|8 |Blutfürst      |Blutfürstin    |5 |1 |0     |0    |0 |0 |0  |1  |45 |",
        "|9 |Kriegsfürst    |Kriegsfürstin  |5 |1 |0     |1000 |0 |0 |0  |0  |50 |",
        "|10|Großfürst      |Großfürstin    |6 |1 |0     |0    |60|0 |0  |0  |55 |",
        "|11|Reichsfürst    |Reichsfürstin  |6 |1 |50000 |0    |0 |0 |0  |0  |60 |",
        "|12|Patriarch      |Matriarchin    |6 |1 |0     |0    |0 |50|0  |0  |65 |",
        "|13|Herzog         |Herzogin       |7 |1 |0     |2000 |0 |0 |0  |0  |70 |",
        "|14|Großherzog     |Großherzogin   |8 |4 |0     |0    |0 |0 |0  |0  |75 |",
        "|15|Erzherzog      |Erzherzogin    |8 |1 |100000|0    |0 |0 |0  |0  |80 |",
        "|16|Kronprinz      |Kronprinzessin |9 |1 |0     |0    |0 |0 |2  |2  |85 |",
        "|17|König          |Königin        |9 |4 |0     |3000 |0 |0 |0  |0  |90 |",
        "|18|Großkönig      |Großkönigin    |10|5 |0     |0    |70|50|0  |0  |100|",
        "|19|Hochkönig      |Hochkönigin    |  |  |      |     |  |  |   |   |   |",
        "-------------------------------------------------------------------------",
    };
    const QStringList notizen{
        "Die Spalten bedeuten dabei:",
        "'Männl. Bez.': Rangbezeichnung für männliche Stammesführer.",
        "'Weibl. Bez.': Rangbezeichnung für weibliche Stammesführer.",
        "'UH': Erforderliche Anzahl der Unterhäuptlinge.",
        "'BK': Erforderliche Stammesburgklasse.",
        "'Gold': Erforderliche Menge an Gold.",
        "'Sold': Erforderliche Anzahl an Soldaten (incl. Nebenburgen).",
        "'MN': Erforderliches Magieniveau.",
        "'Gl': Erforderliche Glaubenspunktzahl.",
        "'GRb': Die erforderlichen geführten erfolgreichen Goldraubzüge.",
        "'SRb': Die erforderlichen geführten erfolgreichen Sklavenraubzüge.",
        "'HS+': Veränderung des Heeresstärkenfaktors in Prozent durch den Rang.",
        "",
        "Die erforderlichen Werte müssen in dem Moment vorhanden sein, in dem die Ränge festgelegt werden (siehe 'Verarbeitungsreihenfolge'). Der erste Rang der Tabelle (Nr 0) ist der Rang eines Stammesführers, der einen Oberherrn hat. Der 'König' der Spielregeln ist der Rang 'Großkönig' (Nr 18), nicht der Rang 'König' (Nr 17).",
        "Der Spielleiter kann eine andere Rangtabelle festlegen und weitere Bedingungen für das Erreichen der Ränge hinzufügen; die Rangtabelle wird dann zu Beginn des Spiels ausgedruckt.",
        "Für das Befördern und dessen Gegenstück, das Degradieren, gelten folgende Regeln:",
        "1. In der Regel kann man pro Jahr nur eine Rangstufe aufsteigen. Jeder Gunstbeweis, den der Stammesführer besitzt, hebt ihn eine Stufe weiter (Sprungbeförderung), höchstens aber bis zu dem Rang, den seine Zahl an Unterhäuptlingen rechtfertigt. Die Gunstbeweise werden dabei verbraucht, und eine Sprungbeförderung kann man nicht ablehnen.",
        "2. Wenn man Unterhäuptlinge verliert, sinkt man nicht im Rang.",
        "3. Wenn man unterjocht wird, wird man Unterhäuptling.",
        "Die Ränge sind mehr als eine Frage des Ansehens: Je höher der Rang, desto mehr glauben die Untertanen, und vor allem die Soldaten, daß ihr Anführer ungefähr der Größte weit und breit ist. Deshalb steigt die Heeresstärke in der Regel mit jeder Rangstufe der obigen Tabelle (siehe das Kapitel 'Vom Kampf' der Regeln); andere Rangtabellen können andere Steigerungen der Heeresstärke festlegen.",
    };
    return tafel("Rang", "Rangtabelle", 3, block, zeilen(block) + crlf + crlf + zeilen(notizen));
}

Tafel stammerweiterungen()
{
    const QStringList block{
        "Stammerweiterungen",
        "",
        "Abk   Name            Vorauss.              Anschaffung",
        "Bibl  Bibliothek      Wiss:10+10*x          @:200+100*x,Ho:10+10*x",
        "Uni   Universität     Bibl:5,WN:80          @:30000,St:500",
        "Hex   Hexenküche      Mag:1+x               @:500+500*x,Ho:20+20*x,Sw:20+20*x",
        "Turm  Magierturm      Hex:5                 @:30000,St:500",
        "Gild  Handelsgilde    Kfl:250,Baz:5         @:30000,St:500,Ho:500",
        "Aren  Arena           Sold:200              @:200+100*x,St:20+10*x,Sold:10+x",
        "Ars   Arsenal         Sold:300,WN:50,Aren:5 @:30000,Ei:200,Ld:200",
        "Miss  Mission         Glb:15+x,Prie:5+5*x   @:200+200*x,St:20+10*x,Ho:20+10*x",
        "Nad   Nadelturm       Glb:30,Miss:5         @:30000,St:1000,Skl:100",
        "Krk   Krankenhaus     Uni:1,Nad:1           @:50000,Bau:500,St:1000,Ho:1000",
        "Kon   Konservenfabrik WN:20                 @:500+500*x,Ei:50+50*x,Sw:20+20*x",
        "Tav   Taverne         Bau:700,Baz:3         @:200+200*x,Sn:20+10*x,Ho:20+10*x",
        "Kas   Kaserne         Sold:300,Tav:5        @:10000,St:250,Ho:100",
        "Gru   Gubgrube        MaxBau:400            @:1000+1000*x,St:50+50*x",
        "Pfe   Sklavenpferch   Kfl:120,Baz:3         @:2000+2000*x,Ho:50+50*x",
        "",
        "Abk   Max  Laufend            Wirkung",
        "Bibl  1000 Wiss:1             MaxWN1",
        "Uni   1    @:1000,Ho:20,Sw:20 PHKost75",
        "Hex   1000 Na:1,Bau:10        ZufMag20,ZufMN5",
        "Turm  1    Na:10              ZaubKost50,Grubenfest,ZufMN50",
        "Gild  1    @:1000,Kfl:10      Karaw50,Goldminenfest",
        "Aren  1000 -                  HeldErf5, HeldAttr10",
        "Ars   1    @:1000             ZufSold100,ZusRüst5,ZusWaff5",
        "Miss  1000 Bau:5              Bekehr1",
        "Nad   1    Skl:50             Festglaube20,Hammerfest,Zarroknullfest",
        "Krk   1    @:5000             Immun,ZufBau100",
        "Kon   1000 Ei:5               ZusLE100",
        "Tav   1000 Sn:5               ZusBau10,ZufBau20,ZusMoral2",
        "Kas   1    @:1000             ZufSold50,ZusErf2",
        "Gru   1000 Na:1               ZufBau100",
        "Pfe   1000 Kfl:2              ZusSkl18+ZufSkl22",
    };
    const QString einleitung = QStringLiteral(
        "Ein Spielleiter hat bei der Festlegung der Erweiterungsbauten, die die Spieler seines Spiels errichten "
        "dürfen, einige Freiheiten. Die folgende Tabelle gibt daher nur einen Überblick über das "
        "Standardsortiment an Erweiterungsbauten; der Startausdruck jedes Spiels enthält eine Tabelle mit den "
        "Einzelheiten der Erweiterungsbauten dieses Spiels.");
    const QStringList abkuerzungen{
        "Bei den Voraussetzungen und Kosten werden folgende Abkürzungen verwendet:",
        "x: Zahl der Erweiterungsbauten der gleichen Art, die schon errichtet worden sind.",
        "MaxBau: Anzahl der Bauern, die maximal im Stamm vorhanden sein dürfen (also ungewöhnlicherweise eine Maximal- statt einer Minimalvoraussetzung).",
        "Bau, Skl, Wiss, Kfl, Mag, Prie: Anzahl der Bauern, Sklaven, Wissenschaftler, Kaufleute, Magier und Priester, die minimal im Stamm vorhanden sein müssen.",
        "Sold: Zahl der Soldaten im Stammesheer.",
        "Ho, St, Ei, Sa, Di, Ld, LE, Sn, Sw, Na: Holz, Stein, Eisen, Salz, Diamant, Leder, Lebensmittel, Schnaps, Schwefel, Natternblut.",
        "Baz: Anzahl der Bazare.",
        "WN, MN, Glb: Wissenschaftsniveau, Magieniveau, Glaubenswert.",
        "Die übrigen Abkürzungen beziehen sich auf die Erweiterungsbauten.",
    };
    const QStringList wirkungen{
        "Die in der Tabelle angegebenen Wirkungen der Erweiterungsbauten haben folgende Bedeutung:",
        "Bekehr<n>: Jede Runde werden n Bauern zum Priester und steigern das Glaubensniveau um n.",
        "Festglaube<n>: Der Glaube kann nicht unter <n> rutschen, es sei denn, der Tempel wird geplündert.",
        "Goldminenfest: Goldminen nutzen sich nicht ab.",
        "Grubenfest: Schlangengruben nutzen sich nicht ab.",
        "Hammerfest: Immunität gegen Zarroks Hammer.",
        "HeldAttr<n>: In jeder Runde gibt es pro Held n 1%ige Chancen, daß eines der drei Attribute (A, V, M) um 1 steigt.",
        "HeldErf<n>: Die Erfahrung aller Helden steigt jede Runde um n Punkte.",
        "Immun: Immunität gegen Zivilisationskrankheiten und Sumpfpest.",
        "Karaw<n>: Der Karawanenertrag ist n% höher als normal.",
        "ZarrokNullfest: Immunität gegen Zarroks Null.",
        "MaxWN<n>: Das maximal mögliche Wissenschaftsniveau steigt um n Punkte. Dieser Zuschlag wird auch dann gewährt, wenn sich später das maximal mögliche WN erhöht.",
        "PHKost<n>: Die Zahl der Ausgangsprodukte, die man für Produkte braucht, die man mit dem PH-Befehl herstellen kann, beträgt nur noch n% gegenüber der ursprünglich angegebenen Zahl.",
        "Zaubkost<n>: Die Natternblutkosten für das Aussprechen eines Zauberspruchs (aber nicht für das Backen von Rollen) betragen nur noch n%.",
        "Zufbau<n>: Es werden zwischen 2 und n Bauern zufällig generiert.",
        "ZufLE<n>: Es werden jede Runde 2 bis n e LE generiert.",
        "ZufMag<n>: Es gibt n Chancen, daß sich mit 1% Wahrscheinlichkeit ein neuer Magier im Stamm niederläßt.",
        "ZufMN<n>: Es gibt jedes Jahr n Chancen, daß das MN mit 1% Wahrscheinlichkeit steigt.",
        "ZufSkl<n>: Es werden zwischen 2 und n Sklaven zufällig generiert.",
        "ZufSold<n>: Es entstehen jährlich zwischen 2 und n Soldaten im Stammesheer.",
        "Zusbau<n>: Es werden jede Runde n Bauern generiert.",
        "ZusErf<n>: Jede Runde steigt die Erfahrung in allen Heeren um n Punkte. Dies geschieht gegen Schluß der Verarbeitungsreihenfolge.",
        "ZusLE<n>: Es werden jede Runde n e LE generiert.",
        "ZusMoral<n>: Jede Runde steigt die Moral in allen Heeren um n Punkte. Dies geschieht gegen Schluß der Verarbeitungsreihenfolge.",
        "ZusRüst<n>: Jede Runde steigt der Rüstungswert in allen Heeren um n Punkte. Dies geschieht gegen Schluß der Verarbeitungsreihenfolge.",
        "ZusSkl<n>: Es werden jede Runde n Sklaven generiert.",
        "ZusSold<n>: Es entstehen jährlich n Soldaten im Stammesheer.",
        "ZusWaff<n>: Jede Runde steigt der Waffenwert in allen Heeren um n Punkte. Dies geschieht gegen Schluß der Verarbeitungsreihenfolge.",
    };
    return tafel("EE", "Stammerweiterungen", 3, block,
                 einleitung + crlf + crlf + zeilen(block) + crlf + crlf + zeilen(abkuerzungen) + crlf + crlf
                     + zeilen(wirkungen));
}

Tafel burgerweiterung()
{
    const QStringList block{
        "Von      nach      kostet Gold     Stein     Unterhäuptlinge",
        "0        1         500             50        0",
        "1        2         3500            100       2",
        "2        3         9500            150       3",
        "3        4         18500           200       4",
        "4        5         30500           250       5",
        "5        6         45500           300       6",
        "6        7         63500           350       7",
    };
    return tafel("BurgErw", "Burgerweiterung", 4, block, zeilen(block) + crlf + crlf + zeilen(seeNotizen));
}

Tafel kampfablauf()
{
    const QStringList block{
        "Alle Auseinandersetzungen zwischen den Heeren der Spieler laufen nach folgendem Schema ab:",
        "",
        "o Zuerst wird ein Kampfquotient (KQ) bestimmt: eine Zahl zwischen 0.3 und 0.7 mit einer starken Tendenz zu 0.5. Er steht für das Kriegsglück, das Wetter, Vorteile des Geländes und dergleichen. Bei Belagerungen von Stammeslandstrichen ist KQ immer genau 0.5.",
        "",
        "o Dann wird der Angriffsquotient (AQ) bestimmt: Die Heeresstärken der angreifenden und der verteidigenden Seite werden jeweils zusammengezählt; auf die Heeresstärken können vorher und nachher verschiedene Modifikatoren angewandt werden. AQ wird nach folgender Formel gebildet:",
        "",
        "        Heeresstärke der Angreifer",
        "  AQ =  -------------------------------------------------------------",
        "        Heeresstärke der Angreifer + Heeresstärke der Verteidiger + 1",
        "",
        "o Angriffsquotient und Kampfquotient werden verglichen: Ist AQ größer als KQ, so hat die angreifende Seite gewonnen, sonst die verteidigende.",
    };
    return tafel("Kampfablauf", "Ablauf eines Kampfes", 3, block, zeilen(block) + crlf + crlf);
}

Tafel heldenaufstieg()
{
    const QStringList block{
        "Erforderliche Punkte       Level",
        "20                         2",
        "50                         3",
        "100                        4",
        "180                        5",
        "310                        6",
        "520                        7",
        "860                        8",
        "1410                       9",
        "2300                       10",
        "usw.",
    };
    const QStringList absaetze{
        "Das Wichtigste an den Helden ist, daß sie immer heldenhafter werden, und das drückt ihr Level aus: Zu Beginn steht ein Held auf Level 1 (Stümper) und hat keine Erfahrungspunkte, am Ende steht er vielleicht auf Level 15 (Großmeister) und hat Erfahrungspunkte ohne Ende.",
        "Mit jedem Levelaufstieg steigen die K-Punkte um 2; außerdem können zwei weitere Punkte auf die Eigenschaften A, V und M verteilt werden.",
        "Ein Held steigt nach folgender Tabelle auf:",
    };
    return tafel("HDAufstieg", "Aufsteigen der Helden", 3, block, zeilen(absaetze) + crlf + crlf + zeilen(block));
}

Tafel eigenschaften()
{
    // Each entry is its keyword paragraph and its further paragraphs.
    const QList<QStringList> eintraege{
        {"BERSERK (Berserker): Sobald die Hälfte oder mehr von MK verbraucht ist, verdoppelt sich MA, und MV halbiert sich."},
        {"BLINK (Blinken): Muß das Monster Schadenspunkte hinnehmen, so teleportiert es sich mit einer Chance von MM/(MM+HM) ein kurzes Stück weit und entgeht so dem schädlichen Schlag.",
         "Ein Monster, das blinkt, kann nicht vergiftet werden (schon verabreichtes Gift wirkt weiter).",
         "Auch andere Arten, Schaden zuzufügen, die eine körperliche Verletzung voraussetzen oder körperlich wirken, gehen durch das Blinken ins Leere; geistige Kräfte hält es nicht auf."},
        {"BLITZ (Blitzstrahl n): Bei jedem erfolgreichen Angriff des Monsters werden 1W[n] Verteidigungspunkte des Helden versengt und sind für den Rest des Kampfes verloren.",
         "Der Frost des Helden wirkt als Antiblitz, sofern das Antifrost des Monsters ihn nicht aufhebt."},
        {"COOL (Cool): Ein cooles Monster schlägt beim ersten Mal mit seiner vollen Angriffsstärke zu (seinem A-Wert, gegebenenfalls durch Gegenstände verändert): Für diesen Wert wird keine Zufallszahl gezogen."},
        {"DIEB (Dieb): Bei einem erfolgreichen Angriff des Diebes wird 1W[M] des Diebes mit 1W[M] des Opfers verglichen. Ist der Wurf des Diebes höher, so stiehlt er einen der Schätze des Gegners.",
         "Der Dieb versucht, den Schatz anzulegen, wenn der passende Platz (Kopf, Finger usw.) frei ist; sonst landet der Schatz in der Schatztruhe des Stammes.",
         "Wenn ein Monster die Eigenschaft besitzt, verschwindet der Gegenstand."},
        {"FEUER (Feueratem): Der Angriff erfolgt gegen die bloße Verteidigung des Helden: Schätze, die HV erhöhen, bleiben wirkungslos."},
        {"FROST (Froststrahl n): Bei jedem erfolgreichen Angriff des Monsters werden 1W[n] Angriffspunkte des Helden eingefroren und sind für den Rest des Kampfes verloren.",
         "Das Feuer des Helden wirkt als Antifrost, sofern das Antifeuer des Monsters es nicht aufhebt."},
        {"FRUST (Frust n): Nach dem ersten erfolgreichen Angriff des Monsters verliert der Held in jeder Kampfrunde n Mentalpunkte, gleich nach dem Schlagabtausch.",
         "Die Runde dieses ersten erfolgreichen Angriffs ist schon die erste Runde des Verlusts; die Mentalpunkte sind nur für die Dauer des Kampfes verloren."},
        {"GHUL (Ghulismus): Verlorene HK werden zu MK, aber nicht über den Anfangswert von MK hinaus."},
        {"GIFT (Gift n): Nach dem ersten erfolgreichen Angriff des Monsters verliert der Held in jeder Kampfrunde zusätzlich n HK, gleich nach dem Schlagabtausch.",
         "Die Runde dieses ersten erfolgreichen Angriffs ist schon die erste Runde des Verlusts."},
        {"HINTERH (Hinterhalt): Ist 1W[MM] > 1W[HV], so werden 1W[MA] Punkte zum gewürfelten Angriffswert addiert."},
        {"HUND (Hundeleben): Ein Held mit dieser Eigenschaft erhält einmal im Duell, wenn er schon bei null Körperpunkten angelangt ist, einen einzelnen Körperpunkt als sein 'Hundeleben'."},
        {"LÄHM (Lähmung): Ist 1W[MM] > 1W[HM], so kann der Held in dieser Kampfrunde keinen Fluchtversuch unternehmen und in der nächsten nicht zuschlagen."},
        {"MANGR (Mehrfachangriff n): Das Monster würfelt n-mal für seinen Angriffswert; das beste Ergebnis zählt."},
        {"MENT (Mentalkampf): Zu dem Angriff wird 1W[MM] addiert."},
        {"MVERT (Mehrfachverteidigung n): Das Monster würfelt n-mal für seinen Verteidigungswert; das beste Ergebnis zählt."},
        {"NODRUUF (Druufelspiegel): Der Druufelbatz bleibt wirkungslos gegen ein Heer, das von einem Helden begleitet wird, der einen Schatz mit dieser Eigenschaft trägt."},
        {"PEITSCH (Peitsche n): Zuerst wird entschieden, ob das Auspeitschen gelingt: 1W[n+MA] muß größer sein als 1W[HV], wobei MA ohne Schätze und deren Wirkungen genommen wird.",
         "Gelingt es, so wird 1W[n] zu der bisher gewürfelten Angriffsstärke addiert."},
        {"PFADFIND (Pfadfinder): Ein Heer hat keine durch das Terrain bedingten Bewegungsverluste, wenn es von einem Helden begleitet wird, der einen Schatz mit dieser Eigenschaft trägt."},
        {"REGEN (Regenerierung n): In jeder Kampfrunde kommen n MK hinzu; mit Regenerierung 2 (Regen2) gewinnt das Monster jede Runde zwei MK."},
        {"ROST (Rost): Bei einem erfolgreichen Angriff des Monsters wird sofort einer der Schätze des Helden zerstört."},
        {"SCHILD (Schild n): n Punkte des Schadens eines gegnerischen Schlags werden abgefangen.",
         "Mit Schild3 richtet ein Schlag von vier Punkten (zum Beispiel HA mit 9 gegen MV mit 5 gewürfelt) einen Punkt Schaden an."},
        {"STAMPF (Stampfen): Ist 1W[MK] > 1W[HV], so wird die Differenz von HK abgezogen."},
        {"STEIN (Versteinern): Ist in der ersten Kampfrunde 1W[MM] > 1W[HM], so wird der Held versteinert (tot)."},
        {"SÄURE (Säure n): Das Monster hat einen zusätzlichen Angriff, für den 1W[n] für die Säure gewürfelt wird.",
         "Der Held verteidigt sich mit 1W[ZusV]-1, wobei ZusV die Verteidigungspunkte sind, die der Held durch V+ und V- Schätze hat.",
         "Ein Säureangriff kann durch 'Schild' nicht abgemildert werden."},
        {"TODESATEM (Todesatem): Ist 1W[MM] > 1W[HM], so wird die Differenz von HK abgezogen."},
        {"UMARM (Umarmen): Ist 1W[MK] > 1W[HK], so wird zusätzlich 1W[MA] von HK abgezogen."},
        {"UNVERW (Unverwundbarkeit n): Angriffe von Helden können nur gelingen, wenn der Angriffswert des Helden durch magische Gegenstände verstärkt worden ist.",
         "Die Verstärkung muß mindestens so hoch sein wie die Stufe der Unverwundbarkeit: Ein Monster mit Unverw3 kann ein Held nur mit einer magischen Verstärkung von mindestens 3 erfolgreich angreifen.",
         "Einer der geringsten solcher Gegenstände ist das magische Schwert + 1, das gegen Unverw1 hilft."},
        {"VAMP (Vampirismus): Bei einem erfolgreichen Angriff werden außer den K-Punkten des Opfers ebenso viele E-Punkte vernichtet."},
        {"VERFÜHR (Verführen): Ist 1W[MM] > 1W[HM], so wird der Held verführt und versucht sofort zu fliehen; es gelten die normalen Regeln für einen Fluchtversuch."},
        {"WIEDERAUF (Wiederauferstehung n): Hat der tödliche Schlag gegen das Monster n Schadenspunkte oder weniger angerichtet, so ersteht das Monster mit seinen vollen Anfangswerten wieder auf.",
         "Es zählt nicht, wie viele Körperpunkte das Monster verliert, sondern wie stark der Schlag des Helden ist.",
         "Beispiel: Ein Monster mit Wiederauf5 und 4 Körperpunkten ersteht nicht wieder auf, wenn es einen Schlag der Stärke 6 erleiden muß.",
         "Zur Stärke des Schlags zählen auch seine Nebenwirkungen auf die Körperpunkte, etwa Gift.",
         "Im obigen Beispiel erstünde das Monster auch nach einem Schlag der Stärke 3 mit einer zusätzlichen Giftwirkung der Stärke 3 nicht wieder auf."},
        {"XHEER (Heeresverstärkung n): Wird ein Heer von einem Helden begleitet, der diese Eigenschaft durch einen getragenen Schatz verleiht, so steigt die HSF des Heeres, bevor die HeldSFs der Helden hinzugezählt werden: Die HSF wird mit (1+n/100) multipliziert."},
        {"ZERFETZ (Zerfetzen): Wird ein Heer von einem Helden begleitet, der diese Eigenschaft durch einen getragenen Schatz verleiht, so verhält sich das Heer, als hätte es einen Druufelbatz."},
    };
    QStringList teile;
    for (const QStringList &e : eintraege)
        teile << zeilen(e);
    return {QStringLiteral("Eigenschaften"), QStringLiteral("Eigenschaften der Monster und Helden"),
            QStringLiteral("Erkärung der Eigenschaften der Monster und Helden"), 0, QStringLiteral("Verdana"), 9,
            QStringList(), teile.join(crlf + crlf)};
}

} // namespace rulesref
