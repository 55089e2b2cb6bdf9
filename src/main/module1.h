#pragma once

#include "listBuild.h"

#include <QString>

#include <memory>

// The values the last accepted list build left for the print and export commands. The list
// build is their only writer, except for the limit, which the main window stores.
namespace Module1 {

inline constexpr int kMaxEntries = 10000;

// Entries 1 to the number of list lines of one per-file value, entry k belonging to list line k.
// Each is read out of the files the build kept, which are held once for every value and the
// lines alike; an entry beyond them is empty.
class FileArray
{
public:
    using Value = QString (listing::FileTable::*)(qsizetype) const;
    explicit constexpr FileArray(Value value) : m_value(value) {}
    QString operator[](int k) const;

private:
    Value m_value;
};

extern qint16 gFileLimit;
// 64-bit: files of 2 GiB and more, and totals beyond them, are listed like any other.
extern qint64 gTotalBytes;
extern int gNameWidth;
extern int gExtWidth;
extern int gSizeWidth;

extern const FileArray gFileName;
extern const FileArray gFileExt;
extern const FileArray gRunningTotal;
extern const FileArray gFileDate;
extern const FileArray gFileTime;

// The files the arrays read, as the last accepted build left them; none before the first.
extern std::shared_ptr<const listing::FileTable> gFiles;

} // namespace Module1
