#include "mainwindow/befehlsdatei.h"

#include "platform/codepage.h"

namespace befehlsdatei {

namespace {
constexpr unsigned char kVersteckt = 0xAE;
}

QByteArray kopfzeile(const QString &kontaktSeite, const QString &kontaktMail)
{
    QByteArray z(";\xAE");
    z += codepage::encode(QStringLiteral("Diese Befehlsdatei wurde mit 'Befehlswart' erstellt. Mehr Infos auf ") + kontaktSeite
                      + QStringLiteral(" oder per EMail: ") + kontaktMail);
    z += "\r\n";
    return z;
}

QByteArray inhalt(const QString &befehle, const QString &kontaktSeite, const QString &kontaktMail)
{
    return kopfzeile(kontaktSeite, kontaktMail) + codepage::encode(befehle) + "\r\n";
}

void Leser::lies(unsigned char c, QByteArray &out)
{
    if (c == kVersteckt && m_semikolon) {
        m_versteckt = true;
        m_semikolon = false;
    }
    if (c != kVersteckt && !m_versteckt && m_semikolon) {
        out += ';';
        m_semikolon = false;
    }
    // Inside a hidden stretch a ';' is dropped like anything else; held
    // back, it would turn the next line into a comment.
    if (c == ';' && !m_versteckt)
        m_semikolon = true;
    if (!m_semikolon && !m_versteckt)
        out += char(c);
    if (c == '\n' && m_versteckt)
        m_versteckt = false;
}

void Leser::ende(QByteArray &out)
{
    if (m_semikolon)
        out += ';';
    m_semikolon = false;
}

std::optional<int> zaehlen(const QString &text)
{
    const QLatin1String crlf("\r\n");
    if (!text.contains(crlf))
        return std::nullopt;
    auto istBefehl = [](QStringView zeile) {
        if (zeile.isEmpty())
            return false;
        const QChar c = zeile.front();
        return c != u'#' && c != u';' && c != u'\r' && c != u'\n';
    };
    int n = 0;
    qsizetype anfang = 0;
    // A line break at the very start is not seen: the first line runs to
    // the first CR LF found from the second character on.
    qsizetype bruch = text.indexOf(crlf, 1);
    while (bruch >= 0) {
        if (istBefehl(QStringView(text).mid(anfang, bruch - anfang)))
            ++n;
        anfang = bruch + 2;
        bruch = text.indexOf(crlf, anfang);
    }
    if (anfang < text.size() && istBefehl(QStringView(text).mid(anfang)))
        ++n;
    return n;
}

QString zaehlText(const QString &text)
{
    const std::optional<int> n = zaehlen(text);
    if (!n)
        return QString();
    if (*n == 1)
        return QStringLiteral("1 Befehl");
    return QString::number(*n) + QStringLiteral(" Befehle");
}

} // namespace befehlsdatei
