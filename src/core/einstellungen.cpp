#include "core/einstellungen.h"

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace einstellungen {

namespace {

QByteArray zitat(const QString &t)
{
    if (!schreibbar(t))
        platform::raise(75);
    return '"' + codepage::encode(t) + '"';
}

// One item as the reader takes it: blanks skipped; a quoted item runs to the
// next quote and whatever follows up to the delimiter is dropped; a bare one
// runs to a comma or line end, trailing blanks cut. The delimiter is eaten,
// CR LF as one.
class Leser {
public:
    explicit Leser(const QByteArray &b) : m_b(b) {}

    QByteArray item()
    {
        while (m_pos < m_b.size() && (m_b[m_pos] == ' ' || m_b[m_pos] == '\t'))
            ++m_pos;
        if (m_pos >= m_b.size())
            platform::raise(62);
        QByteArray out;
        if (m_b[m_pos] == '"') {
            const qsizetype end = m_b.indexOf('"', m_pos + 1);
            const qsizetype stop = end < 0 ? m_b.size() : end;
            out = m_b.mid(m_pos + 1, stop - m_pos - 1);
            m_pos = end < 0 ? m_b.size() : end + 1;
            while (m_pos < m_b.size() && !trenner(m_b[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_b.size() && !trenner(m_b[m_pos]))
                ++m_pos;
            out = m_b.mid(start, m_pos - start);
            while (out.endsWith(' ') || out.endsWith('\t'))
                out.chop(1);
        }
        weiter();
        return out;
    }

    QString text() { return codepage::decode(item()); }

    qint16 zahl()
    {
        const QByteArray t = item().trimmed();
        if (t.isEmpty())
            return 0;
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            platform::raise(13);
        return platform::CInt(v);
    }

private:
    static bool trenner(char c) { return c == ',' || c == '\r' || c == '\n'; }
    void weiter()
    {
        if (m_pos >= m_b.size())
            return;
        if (m_b[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_b.size() && m_b[m_pos] == '\n')
                ++m_pos;
        } else {
            ++m_pos;
        }
    }
    const QByteArray &m_b;
    qsizetype m_pos = 0;
};

} // namespace

bool schreibbar(const QString &text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    return codepage::encodable(text);
}

QByteArray schreiben(const Werte &w)
{
    QByteArray out;
    const QByteArray crlf("\r\n");
    out += zitat(w.pfad) + crlf;
    out += zitat(w.befehlsdatei) + crlf;
    out += zitat(w.auswertung) + crlf;
    for (qint16 n : {w.autoLaden, w.bestaetigung, w.tipp, w.klick})
        out += QByteArray::number(n) + crlf;
    return out;
}

Werte lesen(const QByteArray &bytes)
{
    Leser l(bytes);
    Werte w;
    w.pfad = l.text();
    w.befehlsdatei = l.text();
    w.auswertung = l.text();
    w.autoLaden = l.zahl();
    w.bestaetigung = l.zahl();
    w.tipp = l.zahl();
    w.klick = l.zahl();
    return w;
}

void speichern(const QString &pfad, const Werte &w) { codepage::writeFile(pfad, schreiben(w)); }

Werte laden(const QString &pfad) { return lesen(codepage::readFile(pfad)); }

QString finde(const QString &ordner, const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QDir d(ordner);
    if (QFileInfo(d.filePath(name)).isFile())
        return name;
    const QStringList alle = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &n : alle)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

QUrl verknuepfungsZiel(const QByteArray &inhalt)
{
    for (const QByteArray &roh : inhalt.split('\n')) {
        const QByteArray zeile = roh.trimmed();
        if (zeile.size() > 4 && zeile.left(4).toUpper() == "URL=")
            return QUrl(codepage::decode(zeile.mid(4)).trimmed());
    }
    return QUrl();
}

} // namespace einstellungen
