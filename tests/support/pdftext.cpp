#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString lauf(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished(1000);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

bool pdfWerkzeugeDa()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QStringList pdfZeilen(const QString &pfad)
{
    QStringList out;
    // Ligatures such as "fi" come back as one letter; they are split again.
    const QString text = lauf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    for (const QString &z : text.normalized(QString::NormalizationForm_KC).split(QLatin1Char('\n')))
        if (!z.trimmed().isEmpty())
            out << z.trimmed();
    return out;
}

int pdfSeiten(const QString &pfad)
{
    const QRegularExpression re(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = re.match(lauf(QStringLiteral("pdfinfo"), {pfad}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
