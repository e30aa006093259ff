// Numbers as the player types them and as the program stores them: 16- and
// 32-bit whole numbers that round halves to even and raise overflow (6), and
// the user's decimal comma.
#pragma once

#include <QString>

namespace platform {

// Nearest whole number, an exact half to the even neighbour.
double roundEven(double v);
// Conversions that raise overflow (6).
qint16 CInt(double v);
qint32 CLng(double v);
// A number typed by the user, read with the user's decimal comma;
// raises type mismatch (13) when it is none.
double toNumber(const QString &text);
// Whole-number text of a value, without a leading blank.
QString str(qint64 v);

} // namespace platform
