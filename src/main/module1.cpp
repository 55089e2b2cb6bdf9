#include "module1.h"

namespace Module1 {

qint16 gFileLimit = 0;
qint64 gTotalBytes = 0;
int gNameWidth = 0;
int gExtWidth = 0;
int gSizeWidth = 0;

FileArray gFileName;
FileArray gFileExt;
FileArray gRunningTotal;
FileArray gFileDate;
FileArray gFileTime;

} // namespace Module1
