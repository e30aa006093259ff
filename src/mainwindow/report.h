// Report logic without widgets: the head scan, the split into parts, the
// line-end repair and the section finders.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace report {

// The character scan up to the end of the first line holding a '#'.
// Feed it one byte at a time.
class HeadScan {
public:
    enum class Step { Continue, HeadComplete };
    Step feed(unsigned char c);
    // Character set: 0 not decided, 1 Windows, 2 OEM.
    int charset() const { return m_u; }
    const QByteArray &shown() const { return m_inhalt; }
    const QByteArray &head() const { return m_anfang; }
    // The head line ending in exactly one CR LF.
    QByteArray headLine() const;

private:
    int m_u = 0;
    bool m_semikolon = false;
    bool m_versteckt = false;
    int m_auslassen = 0;
    bool m_raute = false;
    bool m_kopfFertig = false;
    QByteArray m_inhalt;
    QByteArray m_anfang;
};

// The line load: the file's lines, each behind a CR LF, appended to the
// store (a line ends at CR LF or CR; a lone LF stays in its line). One line
// per step, so the caller can yield and stop between them.
class LineLoad {
public:
    LineLoad(const QByteArray &file, QByteArray &store);
    // Appends the next line; returns its length without its line end.
    qsizetype step();
    bool done() const { return m_pos >= m_file.size(); }

private:
    QByteArray m_file;
    QByteArray &m_store;
    qsizetype m_pos = 0;
};

// Split for display: whole, halves or quarters, neighbours overlapping by
// about 2 * overlap characters.
struct Parts {
    int zuViel = 0; // 0 whole, 1 halves, 2 quarters
    QByteArray L, R, LL, LR, RL, RR;
};
// Parts a shorter text does not need keep their earlier contents.
void split(const QByteArray &text, int overlap, Parts &parts);

// Line-end repair: every LF without a CR before it gets one. One step per
// line feed, so the caller can yield and stop between them.
class LineEndRepair {
public:
    explicit LineEndRepair(const QByteArray &text);
    enum class Step { Repaired, NoMoreLineFeed };
    Step step();
    // After a step: position of the LF just handled (1-based) and the
    // length of the text as it now stands.
    qsizetype position() const { return m_p; }
    qsizetype length() const { return m_out.size() + (m_in.size() - m_pos); }
    // Whether the text goes on after the last LF handled.
    bool more() const { return m_pos < m_in.size(); }
    QByteArray result() const { return m_out + m_in.mid(m_pos); }

private:
    QByteArray m_in;
    QByteArray m_out;
    qsizetype m_pos = 0;
    qsizetype m_p = 0;
};

// The eight report sections.
struct SectionMark {
    const char16_t *text;
    int adjust;
};
struct Section {
    const char16_t *start;
    int offset;
    QList<SectionMark> ends;
    int fallback;
};
const QList<Section> &sections();

struct SectionFind {
    enum class Kind { Empty, NotFound, NoEnd, Found } kind = Kind::Empty;
    int start = 0;  // 0-based selection start
    int length = 0; // selection length (the fallback when NoEnd), inside the text
};
SectionFind findSection(const QString &shown, const Section &s);

} // namespace report
