#include "module1.h"

namespace Module1 {

std::shared_ptr<const listing::FileTable> gFiles;

} // namespace Module1
