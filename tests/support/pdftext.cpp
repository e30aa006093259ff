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
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

bool pdfWerkzeugeDa()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString pdfText(const QString &pfad, int von, int bis)
{
    QStringList a{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (von > 0)
        a << QStringLiteral("-f") << QString::number(von);
    if (bis > 0)
        a << QStringLiteral("-l") << QString::number(bis);
    a << pfad << QStringLiteral("-");
    // Ligatures such as "fi" come back as one letter; they are split again.
    return lauf(QStringLiteral("pdftotext"), a).normalized(QString::NormalizationForm_KC);
}

int pdfSeiten(const QString &pfad)
{
    const QRegularExpression re(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = re.match(lauf(QStringLiteral("pdfinfo"), {pfad}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
