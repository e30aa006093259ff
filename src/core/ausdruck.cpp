#include "core/ausdruck.h"

#include "platform/controls.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ausdruck {

QStringList zeilen(const QString &text)
{
    QStringList out;
    QString zeile;
    auto fertig = [&] {
        out << zeile;
        zeile.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            fertig();
        } else if (c == QLatin1Char('\n')) {
            fertig();
        } else if (c == QLatin1Char('\t')) {
            zeile.append(QString(8 - zeile.size() % 8, QLatin1Char(' ')));
        } else {
            zeile.append(c);
        }
    }
    fertig();
    return out;
}

Setzer::Setzer(QPainter &painter, const QSizeF &seite, std::function<bool()> neueSeite)
    : m_painter(painter), m_seite(seite), m_neueSeite(std::move(neueSeite))
{
}

void Setzer::schrift(const QFont &font)
{
    m_painter.setFont(font);
    const QFontMetricsF fm(m_painter.font(), m_painter.device());
    m_hoehe = fm.lineSpacing();
    m_oberlaenge = fm.ascent();
}

bool Setzer::platzFuerZeile()
{
    if (m_y > 0 && m_y + m_hoehe > m_seite.height()) {
        if (!m_neueSeite())
            return false;
        ++m_seiten;
        m_y = 0;
    }
    return true;
}

// How many characters from position von fit into the page's width (at least one).
qsizetype Setzer::passt(const QString &text, qsizetype von) const
{
    const QFontMetricsF fm(m_painter.font(), m_painter.device());
    const double breite = m_seite.width();
    qsizetype rest = text.size() - von;
    if (fm.horizontalAdvance(text.mid(von)) <= breite)
        return rest;
    qsizetype lo = 1, hi = rest; // lo fits or is the minimum, hi does not fit
    while (hi - lo > 1) {
        const qsizetype mitte = (lo + hi) / 2;
        if (fm.horizontalAdvance(text.mid(von, mitte)) <= breite)
            lo = mitte;
        else
            hi = mitte;
    }
    return lo;
}

bool Setzer::zeile(const QString &text)
{
    qsizetype von = 0;
    do {
        if (!platzFuerZeile())
            return false;
        qsizetype n = passt(text, von);
        if (von + n < text.size()) {
            // Break after the last blank that fits, when there is one.
            const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), von + n - 1);
            if (blank > von)
                n = blank - von + 1;
        }
        m_painter.drawText(QPointF(0, m_y + m_oberlaenge), text.mid(von, n));
        m_y += m_hoehe;
        von += n;
    } while (von < text.size());
    return true;
}

bool Setzer::linie(const QString &regel)
{
    if (!platzFuerZeile())
        return false;
    m_painter.drawText(QPointF(0, m_y + m_oberlaenge), regel.left(passt(regel, 0)));
    m_y += m_hoehe;
    return true;
}

bool setze(Setzer &s, const Vorlage &v, const std::function<void(double)> &fortschritt)
{
    const QString verdana = QStringLiteral("Verdana");
    s.schrift(platform::font(verdana, v.schriftGroesse));
    if (!s.zeile(QStringLiteral("Befehlswart, Version ") + v.version))
        return false;
    for (const QString &z : zeilen(QStringLiteral("Zu finden unter ") + v.heimatSeite))
        if (!s.zeile(z))
            return false;
    if (!s.linie(kLinie))
        return false;

    s.schrift(platform::font(verdana, v.schriftGroesse - 2));
    if (v.bemerkung != QLatin1String("Nix")) {
        for (const QString &z : zeilen(v.bemerkung))
            if (!s.zeile(z))
                return false;
        if (!s.linie(kLinie))
            return false;
    }

    s.schrift(platform::font(v.koerperSchrift, v.koerperGroesse));
    if (!s.zeile(QString()))
        return false;
    if (!v.mitKoerper)
        return true;
    const QStringList koerper = zeilen(v.koerper);
    const qsizetype n = koerper.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!s.zeile(koerper.at(i)))
            return false;
        if (fortschritt && i % 64 == 63)
            fortschritt(double(i + 1) / double(n));
    }
    return true;
}

} // namespace ausdruck
