#include "module1.h"

namespace Module1 {

std::shared_ptr<const listBuild::FileTable> gFiles;

} // namespace Module1
