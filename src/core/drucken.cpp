#include "core/drucken.h"

#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
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
    return std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
};

namespace {
const QString kKeinDrucker = QStringLiteral(
    "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
    "Dies scheint nicht der Fall zu sein.\n"
    "Möglich ist auch, dass der Drucker nicht eingeschaltet ist.");

bool g_druckt = false;
} // namespace

ausdruck::Vorlage druckVorlage(const QString &bemerkung)
{
    Form1 *f1 = Form1::instance();
    Form6 *f6 = Form6::instance();
    ausdruck::Vorlage v;
    v.version = ProgrammVersion;
    v.heimatSeite = HeimatSeite;
    v.schriftGroesse = DruckSchriftGroesse;
    v.bemerkung = bemerkung;
    v.koerperSchrift = f6->Text1->fontName();
    v.koerperGroesse = f6->Text1->fontSize();
    if (FensterInhalt == QLatin1String("Befehl")) {
        v.mitKoerper = true;
        v.koerper = f6->Text1->text();
    } else if (FensterInhalt == QLatin1String("Auswertung")) {
        v.mitKoerper = true;
        // The whole report as loaded; a load that kept nothing in the store
        // (stopped, or a report without head line) leaves only what is shown.
        const QByteArray ganz = f1->store();
        v.koerper = ganz.isEmpty() ? f1->Text2->text() : f1->reportText(ganz);
    }
    return v;
}

void Drucken()
{
    // A second print while one is still running (its pages yield) waits for
    // nothing: the player sees the first one finish.
    if (g_druckt)
        return;
    Form1 *f1 = Form1::instance();
    const QString bemerkung = InputBox(QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen."),
                                       kTitel, QStringLiteral("Nix"));
    if (bemerkung.isEmpty()) {
        f1->setLoadStatus(QStringLiteral("ABGEBROCHEN"));
        MsgBox(QStringLiteral("Druckauftrag abgebrochen."));
        return;
    }
    const ausdruck::Vorlage vorlage = druckVorlage(bemerkung);

    std::unique_ptr<QPrinter> drucker = druckerOeffnen();
    if (!drucker) {
        MsgBox(kKeinDrucker);
        return;
    }
    drucker->setDocName(QStringLiteral("Befehlswart"));
    g_druckt = true;
    QPainter painter;
    bool ok = painter.begin(drucker.get());
    if (ok) {
        const QRectF seite = drucker->pageLayout().paintRectPixels(drucker->resolution());
        ausdruck::Setzer setzer(painter, seite.size(), [&] { return drucker->newPage(); });
        Batch batch;
        const bool balken = f1->arbeit != 1;
        ok = ausdruck::setze(setzer, vorlage, [&](double anteil) {
            if (!batch.due())
                return;
            if (balken)
                f1->drawBar(f1->hoehe * anteil, true);
            DoEvents();
        });
        ok = painter.end() && ok;
        if (balken)
            f1->eraseBar();
    }
    g_druckt = false;
    if (!ok || drucker->printerState() == QPrinter::Error) {
        MsgBox(kKeinDrucker);
        return;
    }
    f1->setLoadStatus(QStringLiteral("GEDRUCKT"));
}

void druckFehlerMelden(const Error &e)
{
    if (e.number == 482)
        MsgBox(QStringLiteral("Keinen Drucker gefunden, Druckerfehler."));
    else
        MsgBox(QStringLiteral("Fehler ") + QString::number(e.number) + QStringLiteral(": ") + e.description
               + QStringLiteral(". Bitte bei mir melden."));
}
