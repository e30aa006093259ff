#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString lauf(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000); // what still runs then is killed with p
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

bool pdfWerkzeugeDa() { return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(); }

QStringList pdfZeilen(const QString &pfad)
{
    // Ligatures such as "fi" come back as one letter; they are split again.
    const QString text = lauf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    const QRegularExpression zeilenende(QStringLiteral("\\s*\\n\\s*"), QRegularExpression::UseUnicodePropertiesOption);
    return text.normalized(QString::NormalizationForm_KC).trimmed().split(zeilenende, Qt::SkipEmptyParts);
}

int pdfSeiten(const QString &pfad)
{
    const QRegularExpression re(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = re.match(lauf(QStringLiteral("pdfinfo"), {pfad}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
