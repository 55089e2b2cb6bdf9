#include "module1.h"

namespace Module1 {

qint16 gFileLimit = 0;
std::shared_ptr<const listing::FileTable> gFiles;

} // namespace Module1
