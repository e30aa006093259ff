// Settings and paths shared by every window.
#pragma once

#include <QString>
#include <QVariant>

extern QString StandardPfad;
extern QString StandardBefehlsdatei;
extern QString StartAuswertung;
extern QString ProgrammVersion;
extern QString ProgrammPfad;
extern QString KlangPfad;
extern QString HeimatSeite;
extern QString KontaktSeite;
extern QString KontaktMail;
extern QString FensterInhalt;
extern QVariant FilmGezeigt;

extern qint16 KlickKlangAn;
extern qint16 TippKlangAn;
extern qint16 BestaetigungsKlangAn;

extern qint16 DruckSchriftGroesse;
// 1 once "alle Fenster minimieren" has run.
extern qint16 AllesMinimiert;
extern qint16 BildschirmBreite;
extern qint16 BildschirmHoehe;
