// Single-byte text as the game's files hold it: windows-1252, or IBM850 for
// reports written in the DOS character set. Every byte maps to one
// character and back, so a text survives a load and a save unchanged.
#pragma once

#include <QByteArray>
#include <QString>

namespace codepage {

enum class Charset { Windows, Oem };

QString decode(const QByteArray &bytes, Charset cs = Charset::Windows);
QByteArray encode(const QString &text, Charset cs = Charset::Windows);
// True when every character of the text has a byte in the set.
bool encodable(const QString &text, Charset cs = Charset::Windows);
bool encodable(QChar c, Charset cs = Charset::Windows);

// One line of a text file, without a copy: the line is
// data[start, start + length). It ends at CR or at CR LF, a lone LF stays
// inside the line, the line end is not part of it. pos moves past the line end.
void nextLine(const QByteArray &data, qsizetype &pos, qsizetype &start, qsizetype &length);

// The whole file; raises 53 when it does not exist, 75 when it cannot be read.
QByteArray readFile(const QString &path);
// Replaces the file atomically, so a failed write leaves the old one whole,
// byte for byte. Raises 75 when the file cannot be made or named (a bad
// name, a folder of that name, no rights), 61 when the disk has no room for
// it, 57 on any other write error.
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace codepage
