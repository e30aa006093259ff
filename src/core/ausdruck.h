// The printout of the orders or the report: a head of version, address and
// rule, the player's remark, then the body, laid out line by line onto pages.
// It draws on any QPainter, so a printer and a PDF file get the same pages.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

namespace ausdruck {

// The rule under the head and under the remark.
inline const QString kLinie = QString(234, QLatin1Char('-'));

// What goes on paper.
struct Vorlage {
    QString version;      // ProgrammVersion
    QString heimatSeite;  // where the program is found; runs over two lines
    int schriftGroesse = 10;
    QString bemerkung;    // "Nix" prints no remark and no second rule
    bool mitKoerper = false;
    QString koerper;
    QString koerperSchrift;
    double koerperGroesse = 10;
};

// The lines of a text: a new line at CR LF, CR or LF; tabs become blanks up
// to the next multiple of eight columns.
QStringList zeilen(const QString &text);

// Sets lines one under the other and starts a new page when the next line
// does not fit. A line wider than the page goes on in the next line; a rule
// ends at the page's edge.
class Setzer {
public:
    // neueSeite starts the next page and says whether that worked.
    Setzer(QPainter &painter, const QSizeF &seite, std::function<bool()> neueSeite);

    void schrift(const QFont &font);
    // False once a new page could not be started.
    bool zeile(const QString &text);
    bool linie(const QString &regel);
    int seiten() const { return m_seiten; }

private:
    bool platzFuerZeile();
    qsizetype passt(const QString &text, qsizetype von) const;

    QPainter &m_painter;
    QSizeF m_seite;
    std::function<bool()> m_neueSeite;
    double m_y = 0;
    double m_hoehe = 0;
    double m_oberlaenge = 0;
    int m_seiten = 1;
};

// Everything the printout holds, in order. fortschritt is told the share done
// (0..1) now and then and may yield; false from the Setzer stops the printout.
bool setze(Setzer &setzer, const Vorlage &v, const std::function<void(double)> &fortschritt = {});

} // namespace ausdruck
