#include "mainwindow/report.h"

#include "platform/codepage.h"

#include <algorithm>
#include <cmath>

namespace report {

HeadScan::Step HeadScan::feed(unsigned char c)
{
    if (c == 174 && m_semikolon) {
        m_versteckt = true;
        m_semikolon = false;
    }
    const bool visible = !m_versteckt;
    if (visible && c != 174 && m_semikolon) {
        m_inhalt.append(';');
        m_semikolon = false;
    }
    // A ';' is held back only outside a hidden line; inside one it would
    // otherwise come out at the start of the next visible line.
    if (c == ';' && !m_versteckt)
        m_semikolon = true;

    switch (c) {
    case 0xDF:
        if (m_u == 0)
            m_u = 1;
        break;
    case 0xDC: case 0xD6: case 0xC4: case 0xF6: case 0xFC: case 0xE4:
        m_u = 1;
        break;
    case 0xE1:
        if (m_u == 0)
            m_u = 2;
        break;
    case 0x94: case 0x84: case 0x81: case 0x8E:
        m_u = 2;
        break;
    default:
        break;
    }

    const bool frei = m_auslassen == 0;
    if ((m_raute || c == '#') && c != 28 && frei && !m_kopfFertig)
        m_anfang.append(char(c));
    if (c == '#')
        m_raute = true;
    if (c == '\n')
        m_raute = false;
    if (c == '\n' && !m_anfang.isEmpty()) {
        m_kopfFertig = true;
        return Step::HeadComplete;
    }
    if (c != 28 && !m_semikolon && frei && visible)
        m_inhalt.append(char(c));
    if (c == '\n' && m_versteckt)
        m_versteckt = false;
    if (m_auslassen != 0)
        --m_auslassen;
    if (c == 28)
        m_auslassen = 2;
    return Step::Continue;
}

QByteArray HeadScan::headLine() const
{
    QByteArray a = m_anfang;
    if (a.endsWith('\n'))
        a.chop(1);
    if (a.endsWith('\r'))
        a.chop(1);
    a.append("\r\n");
    return a;
}

namespace {
qsizetype nearest(double v) { return qsizetype(std::nearbyint(v)); }
}

LineLoad::LineLoad(const QByteArray &file, QByteArray &store) : m_file(file), m_store(store)
{
    m_store.reserve(file.size() + file.size() / 16 + 16);
}

qsizetype LineLoad::step()
{
    qsizetype anfang = 0, laenge = 0;
    codepage::nextLine(m_file, m_pos, anfang, laenge);
    m_store.append("\r\n", 2);
    m_store.append(m_file.constData() + anfang, laenge);
    return laenge;
}

void split(const QByteArray &text, int overlap, Parts &p)
{
    const qsizetype n = text.size();
    if (n <= 30000) {
        p.zuViel = 0;
        return;
    }
    const qsizetype h = nearest(n / 2.0 + overlap);
    p.L = text.left(h);
    p.R = text.right(h);
    if (h > 30000) {
        const qsizetype q = nearest(h / 2.0 + overlap);
        p.LL = p.L.left(q);
        p.LR = p.L.right(q);
        p.RL = p.R.left(q);
        p.RR = p.R.right(q);
    }
    // Exactly 60000 characters get halves.
    p.zuViel = n <= 60000 ? 1 : 2;
}

LineEndRepair::LineEndRepair(const QByteArray &text) : m_in(text)
{
    m_out.reserve(text.size() + text.size() / 40 + 16);
}

LineEndRepair::Step LineEndRepair::step()
{
    const qsizetype lf = m_in.indexOf('\n', m_pos);
    // No further line feed, or one at the very start: the scan is over.
    if (lf < 0 || (m_out.isEmpty() && lf == 0))
        return Step::NoMoreLineFeed;
    m_out.append(m_in.constData() + m_pos, lf - m_pos);
    if (m_out.isEmpty() || m_out.back() != '\r')
        m_out.append('\r');
    m_out.append('\n');
    m_pos = lf + 1;
    m_p = m_out.size();
    return Step::Repaired;
}

const QList<Section> &sections()
{
    static const QList<Section> s = {
        {u"Bev.-gr.", -29,
         {{u"Entdeckte Geheimbefehle:", -1}, {u"Erzmagier", -1}, {u"Besonderheiten:", -1},
          {u"Euer Auftrag", -1}, {u"Eure Zauberspr", -1}, {u"-Produkte-", -2}},
         8},
        {u"Nach den automatischen Abbuchungen:", 35, {{u"Goldohren.", 10}}, 35},
        {u"Eure Zauberspr", -1, {{u"-Produkte-", -2}}, 20},
        {u"-Produkte-", -2, {{u"Gold:", -1}}, 10},
        {u"-Kontore-", -2,
         {{u"Stammerweiterungen", -1}, {u"Helden:", -1}, {u"Schaetze (Schl", -1},
          {u"Schätze (Schl", -1}, {u"Monster", -1}, {u"-Landstriche-", -2}},
         8},
        {u"Helden:", -1,
         {{u"Schätze (Schluessel vorhanden", -1}, {u"Schaetze (Schluessel vorhanden", -1},
          {u"Monster", -1}, {u"+-Landstriche", -1}},
         6},
        {u"-Landstriche-", -2, {{u"* Kosten f", -1}, {u"Eure Gubhorte", -1}, {u"-Statistik-", -2}}, 13},
        {u"-Statistik-", -2, {{u"Euer Berater berichtet:", -1}, {u"Karte des S", -1}}, 11},
    };
    return s;
}

SectionFind findSection(const QString &shown, const Section &s)
{
    SectionFind r;
    if (shown.isEmpty()) {
        r.kind = SectionFind::Kind::Empty;
        return r;
    }
    const int a = int(shown.indexOf(QString::fromUtf16(s.start), 0, Qt::CaseInsensitive)) + 1;
    if (a == 0) {
        r.kind = SectionFind::Kind::NotFound;
        return r;
    }
    const int start = a + s.offset;
    if (start < 0) {
        r.kind = SectionFind::Kind::NotFound;
        return r;
    }
    // The end markers are searched from position start (1-based), at least 1.
    const int from = std::max(start, 1);
    int best = 0;
    int end = 0;
    for (const SectionMark &m : s.ends) {
        const int c = int(shown.indexOf(QString::fromUtf16(m.text), from - 1, Qt::CaseInsensitive)) + 1;
        if (c > 0 && (best == 0 || c < best)) {
            best = c;
            end = c + m.adjust;
        }
    }
    r.kind = best == 0 ? SectionFind::Kind::NoEnd : SectionFind::Kind::Found;
    // The selection stays inside the text: a heading or "Goldohren." at its
    // very end leaves less to select than the section would take.
    const int n = int(shown.size());
    r.start = std::min(start, n);
    r.length = std::clamp(best == 0 ? s.fallback : end - start, 0, n - r.start);
    return r;
}

} // namespace report
