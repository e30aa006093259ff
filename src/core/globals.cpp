#include "core/globals.h"

QString StandardPfad;
QString StandardBefehlsdatei = QStringLiteral("Befehle.txt");
QString StartAuswertung;
QString ProgrammVersion = QStringLiteral("2.10");
QString ProgrammPfad;
QString KlangPfad;
QString HeimatSeite;
QString KontaktSeite;
QString KontaktMail;
QString FensterInhalt;
QVariant FilmGezeigt;

qint16 KlickKlangAn = 0;
qint16 TippKlangAn = 0;
qint16 BestaetigungsKlangAn = 0;

qint16 DruckSchriftGroesse = 10;
qint16 AllesMinimiert = 0;
qint16 BildschirmBreite = 0;
qint16 BildschirmHoehe = 0;
