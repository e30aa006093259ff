// The #-commands of the orders file: list text, syntax line, explanation,
// and the long explanation of #DRUMF with its 24 options.
#include "rulesref/referenz.h"

namespace rulesref {

const QList<Kommando> &kommandos()
{
    static const QList<Kommando> liste{
    // 0
    {"#BEF", "#BEF <Spielnr> <ZugNr> <Spielernr> [>Passwort>]",
     "Eröffnet die Befehle eines Zuges und muß direkt vor den Befehlen stehen. Ihm darf kein weiterer #-Befehl folgen: #-Befehle stehen entweder vor ihm oder nach Euren Befehlen. <Zugnr> ist die Nummer des kommenden Zuges. Die anzugebende #BEF-Zeile steht im Kopf der vorigen Auswertung; der Befehlswart schreibt sie automatisch in die Befehle, wenn Ihr diese Auswertung ladet."},
    // 1
    {"#PASSWORT", "#PASSWORT <Spielernr> <Neues Passwort> <Altes Passwort>",
     "Legt ein neues Passwort für den Spieler fest. Das alte Passwort, das Ihr im Kopf des Auswertungsausdrucks findet, gehört in <Altes Passwort>. Wer kein Passwort haben möchte, muß den Befehl KEINPASSWORT verwenden. Wird PASSWORT gegeben, so muß es der erste Befehl sein, und alle anderen Befehle müssen bereits das neue Passwort verwenden. Das Passwort darf allerdings höchstens 20 Zeilen lang sein und darf kein '#', kein Leerzeichen und keinen Unterstrich enthalten. Deutsche Umlaute solltet Ihr vermeiden, da DOS und Windows sie verschieden codieren."},
    // 2
    {"#KEINPASSWORT", "#KEINPASSWORT <Spielernr> <Passwort>",
     "Ihr verzichtet auf den Passwortschutz: Jeder folgende Befehl, in dieser und in allen späteren Befehlsdateien, der ein Passwort bräuchte, muß ohne Passwort gegeben werden."},
    // 3
    {"#UMS Spieler umbenennen", "#UMS <Spielernr> <Name> <Passwort>",
     "Benenne Spieler <Spielernr> in <Name> um. Man darf nur sich selbst umbenennen."},
    // 4
    {"#UML Feld umbenennen", "#UML <Landstrichnr> <Name> <Passwort>",
     "Benenne Landstrich <Landstrichnr> in <Name> um. Man darf nur neutrale oder eigene Landstriche umbenennen."},
    // 5
    {"#UMC Clan umbenennen", "#UMC <Spielernr> <Name> <Passwort>",
     "Benennt den Clan des Spielers in <Name> um. Man darf nur den eigenen Clan umbenennen, und der Befehl darf nur in Clanspielen verwendet werden."},
    // 6
    {"#UME Erzmagier umbenennen", "#UME <Spielernr> <Name> <Passwort>",
     "Benennt den Erzmagier des Spielers in <Name> um. Der Befehl wird nur ausgeführt, wenn der Spieler schon vor der Auswertung des Zuges einen Erzmagier besaß. Man darf nur den eigenen Erzmagier umbenennen."},
    // 7
    {"#UMH Helden umbenennen", "#UMH <Spielernr> <Heldennr> <Name> <Passwort>",
     "Benennt den Helden <Heldennr> in <Name> um. Der Befehl wird nur ausgeführt, wenn der Spieler diesen Helden zu Beginn der Auswertung besitzt. Man darf nur eigene Helden umbenennen."},
    // 8
    {"#FRAU", "#FRAU <Spielernr> <Passwort>",
     "Der Stamm wird von einer Frau geführt. Nur für den eigenen Stamm möglich. Das hat einen kleinen Nachteil: Man kann keine verstoßene Frau heiraten. Die Wahl zwischen Frau und Mann als Stammesführer kann nicht mehr rückgängig gemacht werden, sobald der (männliche) Stammesführer verheiratet ist."},
    // 9
    {"#MANN", "#MANN <Spielernr> <Passwort>",
     "Der Stamm wird von einem Mann geführt; das ist die Voreinstellung. Nur für den eigenen Stamm möglich."},
    // 10
    {"#MV  Nachr. an Spieler", "#MV <EmpfängerNr> [<SenderNr> <Passwort>] (gefolgt von der Nachricht)",
     "Eine Nachricht von <SenderNr> an <EmpfängerNr>. Die #MV-Zeile selbst darf keinen weiteren Text enthalten; der Text der Nachricht sind alle Zeilen nach dem Befehl bis zum Ende der Datei oder bis zum nächsten Befehl. Wird <SenderNr> weggelassen, so muß auch <Passwort> weggelassen werden.\r\n"
     "Ein 'L' vor <EmpfängerNr> oder <SenderNr> macht die Nummer zu einer Landstrichnummer. Gemeint ist der Landstrich, den der Spieler nach der Auswertung hält; geplünderte Spieler erhalten auf diesem Weg also keine Nachricht. Einen falschen Absender darf man nicht angeben, anonyme Nachrichten sind aber erlaubt."},
    // 11
    {"#MC  Nachr. an Clanspieler", "#MC <ClanNr> [<SenderNr> <Passwort>]",
     "Eine Nachricht von <SenderNr> an alle Spieler des Clans <ClanNr> (nur in Clanspielen). <SenderNr> ist die Nummer des sendenden Spielers, nicht die des Clans. Ansonsten gelten die Regeln von #MV."},
    // 12
    {"#A   Nachr. an alle", "#A [<Spielernr> <Passwort>]",
     "Eine Nachricht des Spielers an alle Spieler. Werden Spielernummer und Passwort angegeben, so wird automatisch eine Absenderzeile angefügt; ohne sie geht die Nachricht anonym hinaus. Ansonsten gelten die Regeln von #MV."},
    // 13
    {"#GM  Nachr. an den GM", "#GM [<SenderNr> <Passwort>]",
     "Eine Nachricht des Spielers an den Spielleiter (GM); sie darf auch anonym geschickt werden. Ansonsten gelten die Regeln von #MV."},
    // 14
    {"#EMAIL", "#EMAIL <SpielerNr> <Emailadresse> <Passwort>",
     "Legt die EMailadresse <Emailadresse> für Spieler <Spielnr> fest."},
    // 15
    {"#DRT  Druckertreiber", "DRT <Spielernr> <DRT-Datei> <Passwort>",
     "Legt die Druckertreiberdatei des Spielers fest (eine Datei vom Typ *.DRT). <DRT-Datei> darf keinen Pfad enthalten und muß eine DRT-Datei nennen, die es beim Spielleiter gibt; die Endung muß nicht angegeben werden. Mit einer eigenen Druckertreiberdatei könnt Ihr individuelle Einstellungen vornehmen, zum Beispiel den Seitenrand."},
    // 16: its explanation opens in the enlarged view
    {"#DRUMF  Spezielle Ausdrucke", QString(), QString()},
    // 17
    {"#PACK   Ausdruck packen", "#PACK <Spielernr> [-] <Passwort>",
     "Setzt den Packschalter des Spielers: Der Ausdruck wird mit dem für diesen Spieler angegebenen Packer oder mit dem Standardpacker gepackt. Voreingestellt ist das Packen ausgeschaltet; ein am Ende angefügtes Minuszeichen schaltet es wieder aus."},
    // 18
    {"#MONST  Erklärung von Egns.", "#MONST <Spielernr> <Eigenschaft>",
     "Liefert die Erklärung der Eigenschaft <Eigenschaft>, die ein Schatz oder ein Monster haben kann. <Eigenschaft> muß das Kürzel sein, das das Spiel verwendet."},
    // 19
    {"#ERWBAU Erklärung von Erwbau", "#ERWBAU <Spielernr> <Wirkung> <Passwort>",
     "Liefert die Erklärung der Wirkung <Wirkung> einer Stammerweiterung. <Wirkung> muß das Kürzel sein, das das Spiel verwendet, ohne eine Zahl, die daran hängen kann."},
    // 20
    {"#ENDE", "#ENDE",
     "Eigentlich nicht nötig: Jede Zeile danach wird übergangen, bis zu einer Zeile, die mit '#' beginnt. Wird das Spiel per Modem gespielt, so sollte jeder Spieler seine Befehlsdatei mit #ENDE abschließen."},
    // 21
    {"#ANFANG", "#ANFANG", "Genauso wie #ENDE, nur auf das Ende bezogen :-)."},
    };
    return liste;
}

QString kommandoText(int position)
{
    const QList<Kommando> &k = kommandos();
    if (position < 0 || position >= k.size() || position == drumfPosition)
        return QString();
    return k[position].syntax + crlf + crlf + k[position].erklaerung;
}

namespace {

// The options of #DRUMF in order; "[Dauer]" marks a lasting one.
const char *const drumfOptionen[] = {
    "RBS [Dauer]: Der Rang und die Unterhaeuptlinge werden bei den Stammesdaten ausgedruckt. RBS- schaltet das ab. Beispiel: '#DRUMF 17 RBS zapfin'",
    "EMT [Dauer]: Die Tabelle der Monster wird einspaltig ausgedruckt. EMT- schaltet das ab.",
    "EST [Dauer]: Die Tabelle der Schaetze wird einspaltig ausgedruckt. EST- schaltet das ab.",
    "SDANF [Dauer]: Die Stammesdaten werden am Anfang des Ausdrucks ausgedruckt; Rang und Unterhaeuptlinge erscheinen dann immer bei den Stammesdaten. Um das zu aendern, gebt #DRUMF mit SDAAW oder SDEND.",
    "SDAAW [Dauer]: Die Stammesdaten erscheinen im Ausdruck vor 'Aus aller Welt'. Um das zu aendern, gebt #DRUMF mit SDANF oder SDEND.",
    "SDEND [Dauer]: Die Stammesdaten werden als letzter Teil des Ausdrucks ausgedruckt (abgesehen von einer eventuellen Schlusstabelle), durch einen Seitenvorschub abgetrennt. Um das zu aendern, gebt #DRUMF mit SDANF oder SDAAW.",
    "KBVL [Dauer]: Die Liste der Burgverteidiger, die kurz vor den Feldzuegen ausgedruckt wird, entfaellt. KBVL- schaltet die Liste wieder ein.",
    "TAB [Dauer]: Setzt den Kurztabellenschalter: Die einzeiligen Landstrichtabellen werden ohne Landstrichnamen und nur mit dem ersten Buchstaben des Landstrichtyps ausgedruckt, um Platz zu sparen. TAB- schaltet ihn ab und stellt den Normalzustand wieder her.",
    "ZWEITAB [Dauer]: Die Landstrichtabelle wird mit zwei Zeilen je Landstrich ausgedruckt. Das ist weniger uebersichtlich, hilft aber bei Druckern ohne Schmalschrift. ZWEITAB- schaltet das ab.",
    "K: Eine Karte wird ausgedruckt: ein Gitter mit Nummern und Landstrichnamen, in das Ihr Eure Notizen eintragen koennt, so wie die Karte, die gewoehnlich mit dem Startzug verschickt wird. Dieser Parameter wirkt nicht dauerhaft (anders als in frueheren Versionen des Spiels).",
    "SV [Dauer]: Eine Liste der Staemme, die von echten Spielern gefuehrt werden, wird ausgedruckt. SV- schaltet das ab.",
    "VD [Dauer]: Wird in Zukunft nicht mehr unterstuetzt und sollte nicht (mehr) verwendet werden.",
    "MORVEL [Dauer]: Es wird eine Verwaltungsdatei verschickt, die mit dem Verwaltungsprogramm eines anderen Autors fuer das Spiel zusammenarbeitet. MORVEL- beendet das.",
    "INITMORVEL: Beim ersten Erhalt der Verwaltungsdatei werden einige Daten zusaetzlich verschickt (insbesondere alle Spielernamen statt nur der seit dem letzten Zug geaenderten). INITMORVEL erzwingt das mitten im Spiel noch einmal, und auch die naechste Verwaltungsdatei enthaelt diese zusaetzlichen Daten. Ein Spieler, der die Verwaltungsdatei noch nicht erhaelt, wird damit angemeldet (insofern wirkt es auch dauerhaft; siehe MORVEL). Normalerweise wird es nicht gebraucht.",
    "AD: Eine Liste der Abweichungen, die der Vergleich von GUBNORM.STP mit den Einstellungen des Spielleiters ergibt. GUBNORM.STP enthaelt die Werte gemaess den Regeln.",
    "KANL: Eine Kurzanleitung wird verschickt, einmalig. Insgesamt kann ein Spieler die Kurzanleitung zweimal anfordern.",
    "KDO: Eine Zusammenstellung der #-Befehle wird verschickt, einmalig. Wer den Befehlswart benutzt, braucht sie nicht.",
    "FAQ: Ein Dokument mit haeufig gestellten Fragen und ihren Antworten wird verschickt.",
    "KS [Dauer]: Die Auswertungsdatei kommt im KS-Format, mit allen Steuerzeichen und Punktbefehlen, die ein bestimmter Texteditor und sein Lister (Werkzeuge anderer Hersteller) verarbeiten. So formatierte Ausdrucke lassen sich mit diesen Werkzeugen oder mit dem eigenen Programm des Spiels ausdrucken und tragen dann Textattribute.",
    "HTML [Dauer]: Die Ausgabe ist eine HTML-Datei, die jeder gaengige Browser laden, anzeigen und drucken kann.",
    "IBM [Dauer]: Die Ausgabe ist eine DOS-Textdatei mit DOS-Umlauten und Rahmenzeichen, fuer Spieler, die weder einen Browser noch eines der KS-faehigen Programme haben, aber unter DOS drucken koennen. Textattribute wie Unterstreichung und Fettdruck fehlen.",
    "ANSI [Dauer]: Die Ausgabe ist eine Windows-Textdatei mit Windows-Umlauten, aber ohne Rahmenzeichen, geeignet fuer Windows-Editoren wie Notepad.",
    "DSZ [Dauer]: Wie bei 'IBM', aber ohne Rahmenzeichen.",
    "ASCII [Dauer]: Die Ausgabe ist eine Textdatei ohne Umlaute und andere Sonderzeichen, nur aus 7-Bit-Zeichen, fuer Spieler, die Ausdrucke nicht auf PCs ansehen und keinen Browser haben. Das ist das unproblematischste Format, um Dateien ueber das Internet zu verschicken, aber auch das haesslichste. HTML-Dateien sind ebenfalls 7-Bit-sicher, daher ist HTML normalerweise die bessere Wahl.",
};

} // namespace

QString drumfText()
{
    QString t = QStringLiteral("#DRUMF <Spielernr> <Parameterfolge> <Passwort> ") + crlf
        + QStringLiteral("Fuer den Spieler werden zusaetzlich zum normalen Ausdruck weitere Teile des Ausdrucks "
                         "verschickt, oder es werden bestimmte Einstellungen vorgenommen. <Parameterfolge> besteht "
                         "aus einem oder mehreren Parametern, getrennt durch Leerzeichen und/oder Kommata. Einige "
                         "Parameter wirken dauerhaft und muessen ausdruecklich abgeschaltet werden, in der Regel "
                         "durch ein Minuszeichen dahinter; sie sind mit [Dauer] gekennzeichnet. "
                         "Folgende Parameter sind moeglich: ")
        + crlf + crlf;
    for (const char *option : drumfOptionen)
        t += QString::fromUtf8(option) + crlf + crlf;
    t += QStringLiteral("Beispiel: '#DRUMF 17 K, SV, HTML wirbelknopfs' fordert fuer Spieler 17 zusaetzlich eine "
                        "Karte und ein Stammesverzeichnis an, sofern das das Passwort von Spieler 17 ist. Die "
                        "Ausgabedatei dieses Spielers enthaelt diese Teile, ob die anderen Spieler sie bekommen oder "
                        "nicht, und sie wird als HTML-Datei erzeugt.")
        + crlf + crlf
        + QStringLiteral("Weiteres Beispiel: '#DRUMF 17 KANL KDO wirbelknopfs' fordert fuer Spieler 17 eine "
                         "Kurzanleitung und eine Zusammenstellung der #-Befehle an.");
    return t;
}

} // namespace rulesref
