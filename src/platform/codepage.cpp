#include "platform/codepage.h"
#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace codepage {

namespace {

struct Table {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;

    explicit Table(const char *name)
    {
        for (int b = 0; b < 256; ++b) {
            QStringDecoder dec(name);
            const char byte = static_cast<char>(b);
            QString s = dec.isValid() ? dec.decode(QByteArrayView(&byte, 1)) : QString();
            // Bytes the code page leaves open pass through as the same code point.
            char16_t c = (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter) ? s.at(0).unicode()
                                                                                   : char16_t(b);
            if (fromUnicode.contains(c))
                c = char16_t(b);
            toUnicode[b] = c;
            fromUnicode.insert(c, static_cast<unsigned char>(b));
        }
    }
};

const Table &table(Charset cs)
{
    static const Table win("windows-1252");
    static const Table oem("IBM850");
    return cs == Charset::Oem ? oem : win;
}

// The error number for a save whose new file could not be made or named: 61
// when the disk has no room for an entry (no free inode, a quota reached),
// as an entry of our own in the same folder shows; else 75, the name, the
// folder or the rights are to blame.
int eintragsFehler(const QString &path)
{
    // The new file goes beside the file a link points to.
    QFileInfo fi(path);
    for (int i = 0; i < 128 && fi.isSymLink(); ++i)
        fi.setFile(fi.symLinkTarget());
    QByteArray probe = QFile::encodeName(fi.absolutePath()) + "/.befehlswart-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return errno == ENOSPC || errno == EDQUOT ? 61 : 75;
    ::close(fd);
    ::unlink(probe.constData());
    return 75;
}

} // namespace

QString decode(const QByteArray &bytes, Charset cs)
{
    const Table &t = table(cs);
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    const unsigned char *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        d[i] = QChar(t.toUnicode[s[i]]);
    return out;
}

QByteArray encode(const QString &text, Charset cs)
{
    const Table &t = table(cs);
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    const QChar *s = text.constData();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x80 && t.toUnicode[c] == c) {
            d[i] = static_cast<char>(c);
            continue;
        }
        auto it = t.fromUnicode.constFind(c);
        d[i] = it != t.fromUnicode.constEnd() ? static_cast<char>(it.value()) : '?';
    }
    return out;
}

bool encodable(const QString &text, Charset cs)
{
    return std::all_of(text.cbegin(), text.cend(), [cs](QChar ch) { return encodable(ch, cs); });
}

bool encodable(QChar c, Charset cs) { return table(cs).fromUnicode.contains(c.unicode()); }

void nextLine(const QByteArray &data, qsizetype &pos, qsizetype &start, qsizetype &length)
{
    const qsizetype n = data.size();
    const char *d = data.constData();
    start = pos;
    const void *cr = pos < n ? std::memchr(d + pos, '\r', size_t(n - pos)) : nullptr;
    qsizetype i = cr ? static_cast<const char *>(cr) - d : n;
    length = i - start;
    if (i < n) {
        ++i; // CR
        if (i < n && d[i] == '\n')
            ++i;
    }
    pos = i;
}

QByteArray readFile(const QString &path)
{
    QFileInfo fi(path);
    if (path.isEmpty() || !fi.exists() || fi.isDir())
        platform::raise(53);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        platform::raise(75);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        platform::raise(57);
    return data;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        platform::raise(75);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        platform::raise(eintragsFehler(path));
    // The bytes go straight to the new file and to the disk, each step
    // checked: a short write kept in the save file's buffer would fail only
    // when it is flushed at the commit, which renames the cut file over the
    // old one all the same; and a full disk may show itself only at fsync.
    auto fehlschlag = [&f](int fehler) {
        f.cancelWriting();
        platform::raise(fehler == ENOSPC || fehler == EDQUOT || fehler == EFBIG ? 61 : 57);
    };
    const int fd = f.handle();
    const char *p = bytes.constData();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, size_t(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fehlschlag(n < 0 ? errno : ENOSPC);
        p += n;
        rest -= n;
    }
    if (::fsync(fd) != 0)
        fehlschlag(errno);
    // The new file may get its entry in the folder only here, as it takes the
    // old one's name: that fails for the name or for lack of room.
    if (!f.commit())
        platform::raise(eintragsFehler(path));
}

} // namespace codepage
