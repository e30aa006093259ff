// Feeds every file of the given folders once to the fuzz target it is
// linked with, so that the seed corpus runs with the normal build's tests.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int dateien = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir ordner(QString::fromLocal8Bit(argv[i]));
        if (!ordner.exists()) {
            std::fprintf(stderr, "Kein Ordner: %s\n", argv[i]);
            return 1;
        }
        for (const QFileInfo &f : ordner.entryInfoList(QDir::Files, QDir::Name)) {
            QFile datei(f.filePath());
            if (!datei.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Nicht lesbar: %s\n", qPrintable(f.filePath()));
                return 1;
            }
            const QByteArray inhalt = datei.readAll();
            // Named first, so that a run that stops names its file.
            std::printf("%s\n", qPrintable(f.fileName()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(inhalt.constData()), size_t(inhalt.size()));
            ++dateien;
        }
    }
    if (dateien == 0) {
        std::fprintf(stderr, "Kein Korpus\n");
        return 1;
    }
    std::printf("%d Dateien ohne Befund\n", dateien);
    return 0;
}
