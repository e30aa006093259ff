// The start of the program: the program folder, whether the intro film is
// shown, and the run of the film from its start to its end.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace start {

inline const QString kFilm = QStringLiteral("film.avi");
inline const QString kFilmKlang = QStringLiteral("tramsel2.wav");
inline const QString kKeinFilm = QStringLiteral("no.film");

// The folder of the program file as the platform gives it. Tests put the
// program somewhere else with setAnwendungsPfad; an empty text undoes it.
QString anwendungsPfad();
void setAnwendungsPfad(const QString &pfad);

// A folder as names are joined to it: ending in one "/", which a root and a
// folder written with it already have. No folder stays no folder.
QString ordnerMitTrenner(const QString &ordner);

// A plain file of that name exists.
bool vorhanden(const QString &pfad);

enum class Film {
    Fehlt,          // no film file: a message, then the start settings
    Zeigen,         // first start: the intro window plays the film
    Uebersprungen,  // the marker says the film was shown before
};

// Decides on the film from the files in the program folder and sets
// FilmGezeigt. A film to be shown leaves the empty marker behind; when the
// marker cannot be made the film is shown all the same.
Film filmEntscheiden(const QString &programmPfad);

// Turns what a film player reports into exactly two state changes: one when
// the film starts and one when it ends. An error, a player that cannot play
// and a film that never gets going count as the end, and a watchdog ends a
// film that outruns its length, so the start settings always follow.
class FilmAblauf : public QObject {
    Q_OBJECT
public:
    // The film player's states.
    enum : int { Gestoppt = 0, Pause = 1, Laeuft = 2 };

    explicit FilmAblauf(QObject *parent = nullptr);

    // A new film is loading: arms the watchdog with anlaufMs.
    void laden();
    void gestartet();
    // The film's length became known: the watchdog allows that plus nachlaufMs.
    void dauerBekannt(qint64 ms);
    void beendet();

    bool istGestartet() const { return m_gestartet; }
    bool istBeendet() const { return m_beendet; }
    bool wachhundAktiv() const { return m_wachhund.isActive(); }
    int wachhundRestMs() const { return m_wachhund.remainingTime(); }

    // Time a film gets until its length is known, and the margin after it.
    int anlaufMs = 10000;
    int nachlaufMs = 3000;

signals:
    void StateChange(int oldState, int newState);

private:
    QTimer m_wachhund;
    bool m_gestartet = false;
    bool m_beendet = false;
};

} // namespace start
