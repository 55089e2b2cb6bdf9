#include "module1.h"

namespace Module1 {

qint16 gFileLimit = 0;
qint64 gTotalBytes = 0;
int gNameWidth = 0;
int gExtWidth = 0;
int gSizeWidth = 0;

const FileArray gFileName(&listing::FileTable::name);
const FileArray gFileExt(&listing::FileTable::extension);
const FileArray gRunningTotal(&listing::FileTable::runningTotal);
const FileArray gFileDate(&listing::FileTable::date);
const FileArray gFileTime(&listing::FileTable::time);

std::shared_ptr<const listing::FileTable> gFiles;

QString FileArray::operator[](int k) const
{
    if (!gFiles || k < 1 || k > gFiles->size())
        return QString();
    return (*gFiles.*m_value)(k - 1);
}

} // namespace Module1
