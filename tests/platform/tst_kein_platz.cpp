// Saves on a full disk. The process's file size limit makes every write past
// it fail as on a full disk: each save keeps the old file byte for byte, says
// so in German, and reports no success. Writes and syncs that fail for other
// reasons come from the test's own write() and fsync().
#include "core/einstellungen.h"
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "map/dateidialog.h"
#include "map/karte.h"
#include "platform/codepage.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtTest>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

OHNE_TON;

namespace {
// While it lives, no file of this process grows past the limit; a write past
// it fails with "file too large" instead of ending the process.
class DateiGrenze {
public:
    explicit DateiGrenze(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~DateiGrenze()
    {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = SIG_DFL;
};

// While not 0, writes / syncs of regular files in g_ordner, renames to a
// name there and new entries made there by the save's probe fail with this
// error number.
std::atomic<int> g_writeFehler{0};
std::atomic<int> g_fsyncFehler{0};
std::atomic<int> g_renameFehler{0};
std::atomic<int> g_eintragFehler{0};
char g_ordner[PATH_MAX];

// Arms one of them for a folder while it lives; with none, nothing fails.
class Stoerung {
public:
    Stoerung(std::atomic<int> *art, int fehler, const QString &ordner) : m_art(art)
    {
        if (!m_art)
            return;
        qstrncpy(g_ordner, QFile::encodeName(QFileInfo(ordner).canonicalFilePath()).constData(), sizeof g_ordner);
        m_art->store(fehler);
    }
    ~Stoerung()
    {
        if (m_art)
            m_art->store(0);
    }

private:
    std::atomic<int> *m_art;
};

// Qt's threads write too (wake-ups through event descriptors): only a file
// of the folder is hit.
bool getroffen(int fd)
{
    const int errnoVorher = errno;
    struct stat st;
    char link[32];
    char ziel[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? readlink(link, ziel, sizeof ziel) : -1;
    const size_t m = std::strlen(g_ordner);
    errno = errnoVorher;
    return n > ssize_t(m) && std::memcmp(ziel, g_ordner, m) == 0 && ziel[m] == '/';
}

bool imOrdner(const char *pfad)
{
    const size_t m = std::strlen(g_ordner);
    return std::strncmp(pfad, g_ordner, m) == 0 && pfad[m] == '/';
}
} // namespace

// They take the C library's place in the whole process, the program's code included.
extern "C" ssize_t write(int fd, const void *buf, size_t count)
{
    using Echt = ssize_t (*)(int, const void *, size_t);
    static const Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "write"));
    if (const int fehler = g_writeFehler.load(); fehler != 0 && getroffen(fd)) {
        errno = fehler;
        return -1;
    }
    return echt(fd, buf, count);
}

extern "C" int fsync(int fd)
{
    using Echt = int (*)(int);
    static const Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "fsync"));
    if (const int fehler = g_fsyncFehler.load(); fehler != 0 && getroffen(fd)) {
        errno = fehler;
        return -1;
    }
    return echt(fd);
}

extern "C" int rename(const char *alt, const char *neu)
{
    using Echt = int (*)(const char *, const char *);
    static const Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "rename"));
    if (const int fehler = g_renameFehler.load(); fehler != 0 && imOrdner(neu)) {
        errno = fehler;
        return -1;
    }
    return echt(alt, neu);
}

extern "C" int mkostemp(char *vorlage, int flags)
{
    using Echt = int (*)(char *, int);
    static const Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "mkostemp"));
    if (const int fehler = g_eintragFehler.load(); fehler != 0 && imOrdner(vorlage)) {
        errno = fehler;
        return -1;
    }
    return echt(vorlage, flags);
}

namespace {
const QByteArray kAlt = "alte Datei\r\nZeile 2\r\n";

QByteArray zeilen(const QByteArray &zeile, qsizetype groesse)
{
    QByteArray t;
    while (t.size() < groesse)
        t += zeile;
    return t;
}

QStringList eintraege(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What a failed save left: the number writeFile raised, the old file, the folder.
struct Ausgang {
    int nummer = 0;
    QByteArray inhalt;
    QStringList eintraege;
};

// For this process alone, a file system on the folder with one free entry
// besides its root; in a user namespace of its own, else (as root) in a mount
// namespace only. The process must have one thread.
bool einEintragFrei(const QByteArray &ordner, uid_t uid, gid_t gid)
{
    auto schreibe = [](const char *pfad, const QByteArray &text) {
        const int fd = ::open(pfad, O_WRONLY | O_CLOEXEC);
        const bool ok = fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
        if (fd >= 0)
            ::close(fd);
        return ok;
    };
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
        if (!schreibe("/proc/self/setgroups", "deny")
            || !schreibe("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !schreibe("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return false;
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return false;
    }
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && ::mount("tmpfs", ordner.constData(), "tmpfs", 0, "size=1m,nr_inodes=2") == 0;
}

constexpr int kKeinDateisystem = 77;

// The old file takes the last free entry, then writeFile replaces it: in a
// child process, which alone sees that file system. Returns the child's exit
// code: 0 when `a` is filled, kKeinDateisystem when there is none to be had.
int ohneFreienEintrag(const QString &ordner, const QString &datei, Ausgang &a)
{
    int rohr[2];
    if (::pipe2(rohr, O_CLOEXEC) != 0)
        return -1;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(rohr[0]);
        if (!einEintragFrei(QFile::encodeName(ordner), uid, gid))
            ::_exit(kKeinDateisystem);
        schreibeDatei(datei, kAlt);
        QByteArray bytes;
        QDataStream aus(&bytes, QIODevice::WriteOnly);
        aus << fehlerNummer([&] { codepage::writeFile(datei, "neue Datei\r\n"); }) << liesDatei(datei)
            << eintraege(ordner);
        ::_exit(::write(rohr[1], bytes.constData(), size_t(bytes.size())) == bytes.size() ? 0 : 1);
    }
    ::close(rohr[1]);
    QByteArray bytes;
    char puffer[4096];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        bytes.append(puffer, n);
    ::close(rohr[0]);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    QDataStream ein(bytes);
    ein >> a.nummer >> a.inhalt >> a.eintraege;
    return WEXITSTATUS(status);
}
} // namespace

class TstKeinPlatz : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    Form1 *f = nullptr;
    Karte *k = nullptr;
    QString kartenDatei;

    QString pfad(const QString &name) const { return dir.filePath(name); }

    // Gets the save of one kind ready and returns the file it replaces and the save itself.
    std::pair<QString, std::function<void()>> vorbereiten(const QString &art, int groesse)
    {
        if (art == QLatin1String("Befehle")) {
            f->Text5->setText(QStringLiteral("Befehle.txt"));
            f->Text1->setText(QString::fromLatin1(zeilen("AB 12 Kr\xE4uter\r\n", groesse)));
            return {pfad(QStringLiteral("Befehle.txt")), [this] { f->speichern_Click(); }};
        }
        if (art == QLatin1String("Auswertung")) {
            ladeBericht(f, QStringLiteral("bericht.txt"), "#BEF 1 2 3\r\n" + zeilen("Gold: 12 \xE4\r\n", groesse));
            return {pfad(QStringLiteral("bericht.txt")), [this] { f->auswertungspeicherrrrn_Click(); }};
        }
        if (art == QLatin1String("Karte")) {
            neueKarte(groesse, groesse);
            kartenDatei = pfad(QStringLiteral("karte.bwk"));
            return {kartenDatei, [this] { k->Command7_Click(); }};
        }
        Form3::instance()->Text1->setText(dir.path() + QStringLiteral("/"));
        return {ProgrammPfad + einstellungen::kDateiname, [] { Form3::instance()->Command2_Click(); }};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        ProgrammPfad = dir.path() + QStringLiteral("/");
        f = hauptfenster(dir.path());
        k = Karte::instance();
        dateidialog::setHook([this](const dateidialog::Frage &) { return kartenDatei; });
    }
    void cleanupTestCase() { dateidialog::setHook({}); }

    void init()
    {
        dlg.leeren();
        dlg.standardAntwort = platform::Yes;
    }

    void alteDateiBleibt_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("groesse"); // bytes of text, or the sides of the map
        QTest::addColumn<int>("grenze");
        QTest::addColumn<QString>("meldung");
        const QString platz = QStringLiteral("\r\nAuf dem Datenträger ist nicht genug Platz. Eine vorhandene "
                                             "Datei bleibt, wie sie war.");
        const QString befehle = QStringLiteral("Die Befehle wurden nicht gespeichert.") + platz;
        const QString bericht = QStringLiteral("Die Auswertung wurde nicht gespeichert.") + platz;
        const QString karte = QStringLiteral("Die Karte wurde nicht gespeichert.") + platz;
        // Saves of 16 KB or less stood in a buffer that was flushed only as the file was renamed.
        QTest::newRow("Befehle, klein") << "Befehle" << 300 << 100 << befehle;
        QTest::newRow("Befehle, gross") << "Befehle" << 40000 << 100 << befehle;
        QTest::newRow("Befehle, kein Byte") << "Befehle" << 300 << 0 << befehle;
        QTest::newRow("Auswertung, klein") << "Auswertung" << 300 << 100 << bericht;
        QTest::newRow("Auswertung, gross") << "Auswertung" << 40000 << 4096 << bericht;
        QTest::newRow("Karte, 3 x 3") << "Karte" << 3 << 1000 << karte;
        QTest::newRow("Karte, 100 x 100") << "Karte" << 100 << 4096 << karte;
        QTest::newRow("Einstellungen") << "Einstellungen" << 0 << 20
                                       << QStringLiteral("Die Einstellungen wurden nicht gespeichert.") + platz;
    }
    void alteDateiBleibt()
    {
        QFETCH(QString, art);
        QFETCH(int, groesse);
        QFETCH(int, grenze);
        QFETCH(QString, meldung);
        const auto [datei, sichern] = vorbereiten(art, groesse);
        schreibeDatei(datei, kAlt);
        f->Label3->setCaption(QStringLiteral("FERTIG"));
        f->verandert = 1;
        f->speichern->setEnabled(true);
        const QStringList vorher = QDir(dir.path()).entryList(QDir::Files);
        dlg.leeren();
        {
            const DateiGrenze voll{rlim_t(grenze)};
            sichern();
        }
        QCOMPARE(liesDatei(datei), kAlt);
        QCOMPARE(dlg.letzter(), meldung);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), vorher); // nothing half-written is left
        if (art == QLatin1String("Befehle") || art == QLatin1String("Auswertung")) {
            // Both lock the file menus while they write; the status stays as it was.
            QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
            QVERIFY(f->arbeit == 0 && dateiMenusAn(f));
        }
        if (art == QLatin1String("Befehle"))
            QCOMPARE(f->verandert, qint16(1)); // the orders still count as unsaved
        if (art == QLatin1String("Einstellungen"))
            QCOMPARE(Form3::instance()->warten, qint16(0)); // "Ok" works again

        // With room again the same save writes the file.
        dlg.leeren();
        sichern();
        QVERIFY(liesDatei(datei) != kAlt && liesDatei(datei).size() > grenze);
        QVERIFY(!dlg.letzter().contains(QStringLiteral("nicht gespeichert")));
    }

    void fehlerBeimSchreiben_data()
    {
        QTest::addColumn<QString>("was");     // write, fsync, rename, Eintrag (no free one), Name
        QTest::addColumn<int>("fehler");      // the error number the call fails with
        QTest::addColumn<int>("probe");       // the error number a new entry of the save's own fails with
        QTest::addColumn<int>("nummer");      // what writeFile raises
        QTest::addColumn<QString>("meldung"); // what the orders save says instead; empty: writeFile alone
        QTest::newRow("write, EIO") << "write" << EIO << 0 << 57 << QString();
        QTest::newRow("fsync, EIO") << "fsync" << EIO << 0 << 57 << QString();
        QTest::newRow("fsync, ENOSPC") << "fsync" << ENOSPC << 0 << 61 << QString();
        // The disk has room for bytes but none for the new file's entry.
        QTest::newRow("kein freier Eintrag") << "Eintrag" << 0 << 0 << 61 << QString();
        // The new file takes the old one's name last: with no room for an
        // entry that fails for lack of room, else the name is to blame.
        QTest::newRow("Umbenennen, kein Platz") << "rename" << ENOSPC << ENOSPC << 61 << QString();
        QTest::newRow("Umbenennen, Kontingent") << "rename" << EDQUOT << EDQUOT << 61 << QString();
        QTest::newRow("Umbenennen, anderer Grund") << "rename" << EACCES << 0 << 75 << QString();
        // The new file's name would pass the length limit: the name is to blame, not the disk.
        QTest::newRow("Name am Limit") << "Name" << 0 << 0 << 75 << QString();
        QTest::newRow("Befehle, Umbenennen ohne Platz")
            << "rename" << ENOSPC << ENOSPC << 61
            << QStringLiteral("Die Befehle wurden nicht gespeichert.\r\nAuf dem Datenträger ist nicht genug Platz. "
                              "Eine vorhandene Datei bleibt, wie sie war.");
        QTest::newRow("Befehle, write EIO")
            << "write" << EIO << 0 << 57
            << QStringLiteral("Die Befehle wurden nicht gespeichert.\r\nBeim Schreiben ist ein Fehler aufgetreten "
                              "(Fehler beim Lesen oder Schreiben auf dem Gerät). Eine vorhandene Datei bleibt, "
                              "wie sie war.");
    }
    void fehlerBeimSchreiben()
    {
        QFETCH(QString, was);
        QFETCH(int, fehler);
        QFETCH(int, probe);
        QFETCH(int, nummer);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString name = was == QLatin1String("Name") ? QString(255, QLatin1Char('b')) : QStringLiteral("alt.txt");
        const QString datei = ordner.filePath(name);
        Ausgang a;
        if (was == QLatin1String("Eintrag")) {
            const int status = ohneFreienEintrag(ordner.path(), datei, a);
            if (status == kKeinDateisystem)
                QSKIP("Kein eigenes Dateisystem ohne freien Eintrag möglich (unshare oder mount verweigert) / "
                      "no file system of its own: unshare or mount refused");
            QCOMPARE(status, 0);
        } else {
            schreibeDatei(datei, kAlt);
            QCOMPARE(liesDatei(datei), kAlt);
            std::atomic<int> *art = was == QLatin1String("write")    ? &g_writeFehler
                                    : was == QLatin1String("fsync")  ? &g_fsyncFehler
                                    : was == QLatin1String("rename") ? &g_renameFehler
                                                                     : nullptr;
            if (!meldung.isEmpty()) {
                f->Text5->setText(datei);
                f->Text1->setText(QStringLiteral("AB 1"));
            }
            dlg.leeren();
            {
                const Stoerung s(art, fehler, ordner.path());
                const Stoerung voll(probe ? &g_eintragFehler : nullptr, probe, ordner.path());
                if (meldung.isEmpty())
                    a.nummer = fehlerNummer([&] { codepage::writeFile(datei, "neue Datei\r\n"); });
                else
                    f->speichern_Click();
            }
            a.inhalt = liesDatei(datei);
            a.eintraege = eintraege(ordner.path());
        }
        if (meldung.isEmpty())
            QCOMPARE(a.nummer, nummer);
        else
            QCOMPARE(dlg.letzter(), meldung);
        QCOMPARE(a.inhalt, kAlt);
        QCOMPARE(a.eintraege, QStringList(name)); // no temporary file is left, hidden or not
    }
};

BW_TEST_MAIN(TstKeinPlatz)
#include "tst_kein_platz.moc"
