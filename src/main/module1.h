#pragma once

#include <QString>

#include <array>

// The values the last accepted list build left for the print and export commands. The list
// build is their only writer, except for the limit, which the main window stores.
namespace Module1 {

inline constexpr int kMaxEntries = 10000;

// Entries 1 to 10000; entry 0 stays unused so that entry k belongs to list line k.
using FileArray = std::array<QString, kMaxEntries + 1>;

extern qint16 gFileLimit;
// 64-bit: files of 2 GiB and more, and totals beyond them, are listed like any other.
extern qint64 gTotalBytes;
extern int gNameWidth;
extern int gExtWidth;
extern int gSizeWidth;

extern FileArray gFileName;
extern FileArray gFileExt;
extern FileArray gRunningTotal;
extern FileArray gFileDate;
extern FileArray gFileTime;

} // namespace Module1
