#include "core/drucken.h"

#include "core/globals.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/yield.h"

#include <QPainter>
#include <QPrinterInfo>

using namespace platform;

std::function<std::unique_ptr<QPrinter>()> druckerOeffnen = []() -> std::unique_ptr<QPrinter> {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return nullptr;
    auto drucker = std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
    drucker->setDocName(QStringLiteral("Befehlswart"));
    return drucker;
};

namespace {
const QString kKeinDrucker = QStringLiteral(
    "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
    "Dies scheint nicht der Fall zu sein.\n"
    "Möglich ist auch, dass der Drucker nicht eingeschaltet ist.");

bool g_druckt = false;

ausdruck::Vorlage vorlage(const Druckauftrag &a, const QString &bemerkung)
{
    ausdruck::Vorlage v;
    v.version = ProgrammVersion;
    v.heimatSeite = HeimatSeite;
    v.schriftGroesse = DruckSchriftGroesse;
    v.bemerkung = bemerkung;
    v.koerperSchrift = a.schrift;
    v.koerperGroesse = a.groesse;
    if (a.inhalt == QLatin1String("Befehl")) {
        v.mitKoerper = true;
        v.koerper = a.text;
    } else if (a.inhalt == QLatin1String("Auswertung")) {
        v.mitKoerper = true;
        v.koerper = a.ganzerBericht ? a.ganzerBericht() : a.text;
    }
    return v;
}
} // namespace

void Drucken(const Druckauftrag &auftrag)
{
    // A second print while one is still running (its pages yield) waits for
    // nothing: the player sees the first one finish.
    if (g_druckt)
        return;
    const auto status = [&](const QString &wort) {
        if (auftrag.status)
            auftrag.status(wort);
    };
    const QString bemerkung = InputBox(QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen."),
                                       kTitel, QStringLiteral("Nix"));
    if (bemerkung.isEmpty()) {
        status(QStringLiteral("ABGEBROCHEN"));
        MsgBox(QStringLiteral("Druckauftrag abgebrochen."));
        return;
    }
    const ausdruck::Vorlage v = vorlage(auftrag, bemerkung);

    std::unique_ptr<QPrinter> drucker = druckerOeffnen();
    if (!drucker) {
        MsgBox(kKeinDrucker);
        return;
    }
    g_druckt = true;
    QPainter painter;
    bool ok = painter.begin(drucker.get());
    if (ok) {
        const QRectF seite = drucker->pageLayout().paintRectPixels(drucker->resolution());
        ausdruck::Setzer setzer(painter, seite.size(), [&] { return drucker->newPage(); });
        Batch batch;
        ok = ausdruck::setze(setzer, v, [&](double anteil) {
            if (!batch.due())
                return;
            if (auftrag.fortschritt)
                auftrag.fortschritt(anteil);
            DoEvents();
        });
        ok = painter.end() && ok;
    }
    g_druckt = false;
    if (!ok || drucker->printerState() == QPrinter::Error) {
        MsgBox(kKeinDrucker);
        return;
    }
    status(QStringLiteral("GEDRUCKT"));
}

void druckFehlerMelden(const Error &e)
{
    if (e.number == 482)
        MsgBox(QStringLiteral("Keinen Drucker gefunden, Druckerfehler."));
    else
        MsgBox(QStringLiteral("Fehler ") + QString::number(e.number) + QStringLiteral(": ") + e.description
               + QStringLiteral(". Bitte bei mir melden."));
}
