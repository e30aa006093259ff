// Any bytes as a turn report, taken as the main window takes them: the head
// scan, the line load into the store, the split into parts, the line-end
// repair, and the section finders on the text shown.
#include "mainwindow/report.h"
#include "platform/codepage.h"
#include "pruefe.h"

#include <cstddef>
#include <cstdint>

using Kind = report::SectionFind::Kind;

namespace {

// Whether the bytes of teil stand in ganz in the same order.
bool ausDerFolge(const QByteArray &teil, const QByteArray &ganz)
{
    qsizetype j = 0;
    for (qsizetype i = 0; i < ganz.size() && j < teil.size(); ++i)
        if (ganz[i] == teil[j])
            ++j;
    return j == teil.size();
}

// The last mark that always counts decides; without one, the first ß of
// either set.
int zeichensatzDerMarken(const QByteArray &gelesen)
{
    int letzteMarke = 0;
    int erstesSz = 0;
    for (const char ch : gelesen) {
        switch (static_cast<unsigned char>(ch)) {
        case 0xDC: case 0xD6: case 0xC4: case 0xF6: case 0xFC: case 0xE4:
            letzteMarke = 1;
            break;
        case 0x94: case 0x84: case 0x81: case 0x8E:
            letzteMarke = 2;
            break;
        case 0xDF:
            erstesSz = erstesSz ? erstesSz : 1;
            break;
        case 0xE1:
            erstesSz = erstesSz ? erstesSz : 2;
            break;
        default:
            break;
        }
    }
    return letzteMarke ? letzteMarke : erstesSz;
}

// Two parts cover the whole: the first from its start, the second to its
// end, of equal length, sharing 199 to 201 characters.
bool decken(const QByteArray &ganz, const QByteArray &links, const QByteArray &rechts)
{
    const qsizetype geteilt = links.size() + rechts.size() - ganz.size();
    return links.size() == rechts.size() && geteilt >= 199 && geteilt <= 201 && ganz.startsWith(links)
           && ganz.endsWith(rechts);
}

void pruefeTeilung(const QByteArray &text)
{
    const QByteArray alt("alt");
    report::Parts p;
    p.L = p.R = p.LL = p.LR = p.RL = p.RR = alt;
    report::split(text, 100, p);
    const qsizetype n = text.size();
    const bool ohneViertel = p.LL == alt && p.LR == alt && p.RL == alt && p.RR == alt;
    if (n <= 30000) {
        pruefe(p.zuViel == 0 && p.L == alt && p.R == alt && ohneViertel, "ganzer Text: Teile unverändert");
        return;
    }
    pruefe(p.zuViel == (n <= 60000 ? 1 : 2), "Hälften bis 60000, darüber Viertel");
    pruefe(decken(text, p.L, p.R), "die Hälften decken den Text");
    if (n < 59802)
        pruefe(ohneViertel, "Hälften ohne Viertel: Viertel unverändert");
    if (p.zuViel == 2)
        pruefe(decken(p.L, p.LL, p.LR) && decken(p.R, p.RL, p.RR), "die Viertel decken die Hälften");
}

bool enthaeltAb(const QString &text, const char16_t *marke, qsizetype ab)
{
    return text.indexOf(QString::fromUtf16(marke), ab, Qt::CaseInsensitive) >= 0;
}

void pruefeAbschnitte(const QString &text)
{
    for (const report::Section &s : report::sections()) {
        const report::SectionFind f = report::findSection(text, s);
        pruefe((f.kind == Kind::Empty) == text.isEmpty(), "leer genau bei leerem Text");
        if (f.kind != Kind::Found && f.kind != Kind::NoEnd)
            continue;
        pruefe(f.start >= 0 && f.length >= 0 && f.start + f.length <= text.size(), "Abschnitt im Text");
        pruefe(enthaeltAb(text, s.start, 0), "Abschnitt mit Überschrift");
        // The end markers are searched from the 1-based start, at least 1.
        bool endeDa = false;
        for (const report::SectionMark &m : s.ends)
            endeDa = endeDa || enthaeltAb(text, m.text, std::max(f.start, 1) - 1);
        pruefe(endeDa == (f.kind == Kind::Found), "Ende gefunden genau wenn eine Endmarke folgt");
        if (f.kind == Kind::NoEnd)
            pruefe(f.length == std::min<qsizetype>(s.fallback, text.size() - f.start), "ohne Ende: feste Länge");
    }
}

// The line-end repair run to its end: every LF has its CR, and nothing
// else changed.
void pruefeReparatur(const QByteArray &text)
{
    report::LineEndRepair r(text);
    while (r.step() == report::LineEndRepair::Step::Repaired && r.more()) {
    }
    const QByteArray neu = r.result();
    pruefe(QByteArray(neu).replace("\r\n", "\n") == QByteArray(text).replace("\r\n", "\n"), "nur CR eingefügt");
    if (!text.startsWith('\n'))
        for (qsizetype i = neu.indexOf('\n'); i >= 0; i = neu.indexOf('\n', i + 1))
            pruefe(i > 0 && neu[i - 1] == '\r', "jedes LF mit CR");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const codepage::Charset cs : {codepage::Charset::Windows, codepage::Charset::Oem})
        pruefe(codepage::encode(codepage::decode(datei, cs), cs) == datei, "jedes Byte übersteht beide Zeichensätze");

    report::HeadScan scan;
    qsizetype gelesen = 0;
    bool kopfDa = false;
    while (gelesen < datei.size() && !kopfDa)
        kopfDa = scan.feed(data[gelesen++]) == report::HeadScan::Step::HeadComplete;
    const QByteArray vorn = datei.left(gelesen);
    pruefe(scan.charset() == zeichensatzDerMarken(vorn), "Zeichensatz aus den Marken");
    pruefe(!scan.shown().contains('\x1C') && ausDerFolge(scan.shown(), vorn), "gezeigt: Bytes der Datei ohne Chr(28)");
    const codepage::Charset cs = scan.charset() == 2 ? codepage::Charset::Oem : codepage::Charset::Windows;
    if (!kopfDa) {
        // Without a head line the scan's text is shown as it is.
        pruefeAbschnitte(codepage::decode(scan.shown(), cs));
        return 0;
    }
    const QByteArray kopf = scan.headLine();
    pruefe(vorn.endsWith('\n') && vorn.contains('#'), "Kopfzeile endet am LF nach einem #");
    pruefe(kopf.endsWith("\r\n") && kopf.count('\n') == 1 && !kopf.contains('\x1C'), "Kopfzeile mit einem CR LF");
    // Its text comes from the line from the '#' on, without the line end.
    QByteArray zeile = vorn.mid(vorn.indexOf('#')).chopped(1);
    if (zeile.endsWith('\r'))
        zeile.chop(1);
    pruefe(ausDerFolge(kopf.chopped(2), zeile), "Kopfzeile aus der Zeile ab #");

    // The line load: its lines, without CR, and their ends give the file back.
    QByteArray speicher;
    report::LineLoad zeilen(datei, speicher);
    qsizetype gedeckt = 0;
    do {
        const qsizetype vorher = speicher.size();
        const qsizetype laenge = zeilen.step();
        const QByteArray zeile = speicher.mid(vorher + 2);
        pruefe(speicher.mid(vorher, 2) == "\r\n" && zeile.size() == laenge && !zeile.contains('\r'),
               "Zeile ohne CR hinter CR LF");
        pruefe(datei.mid(gedeckt, laenge) == zeile, "Zeile dicht an der vorigen");
        gedeckt += laenge;
        if (datei.mid(gedeckt, 2) == "\r\n")
            gedeckt += 2;
        else if (datei.mid(gedeckt, 1) == "\r")
            gedeckt += 1;
        else
            pruefe(gedeckt == datei.size(), "Zeilenende CR oder CR LF");
    } while (!zeilen.done());
    pruefe(gedeckt == datei.size(), "die Zeilen decken die Datei");

    pruefeTeilung(speicher);
    // Long reports from the same lines, at a length the bytes choose.
    const qsizetype lang = 29900 + (qsizetype(datei.size()) * 7919 + qsizetype(qChecksum(datei))) % 95101;
    pruefeTeilung(speicher.repeated(lang / speicher.size() + 1).left(lang));
    pruefeReparatur(speicher);
    if (speicher.size() <= 30000)
        pruefeAbschnitte(codepage::decode(speicher, cs));
    return 0;
}
