#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (Microsoft's Shift_JIS) is the form every text of this program takes on disk.
namespace platform {

// A character that has no code page 932 form becomes "?", as the Windows ANSI conversion does.
QByteArray toCp932(QStringView text);

// Whether every character of `text` has a code page 932 form, so that none becomes "?".
bool hasCp932Form(QStringView text);

// Bytes that are not valid code page 932 become U+FFFD; no line is ever lost to them.
QString fromCp932(QByteArrayView bytes);

// Width in display cells: the byte length of the code page 932 form, so full-width characters
// count two and everything else, unmappable characters included, one.
int displayCells(QStringView text);

} // namespace platform
