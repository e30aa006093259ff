#include "platform/numbers.h"

#include "platform/errors.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace platform {

double roundEven(double v) { return std::nearbyint(v); }

qint16 CInt(double v)
{
    if (std::isnan(v))
        raise(6);
    const double r = roundEven(v);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        raise(6);
    return static_cast<qint16>(r);
}

qint32 CLng(double v)
{
    if (std::isnan(v))
        raise(6);
    const double r = roundEven(v);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        raise(6);
    return static_cast<qint32>(r);
}

double toNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        raise(13);
    bool ok = false;
    const QLocale loc;
    double v = loc.toDouble(t, &ok);
    if (!ok) {
        // Numbers written with a point stay readable under a comma locale.
        v = QLocale::c().toDouble(t, &ok);
    }
    if (!ok || std::isnan(v) || std::isinf(v))
        raise(13);
    return v;
}

QString str(qint64 v) { return QString::number(v); }

} // namespace platform
