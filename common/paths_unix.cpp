#include "paths.h"

namespace qel::paths {

bool fileSystemIgnoresCase()
{
    return false;
}

} // namespace qel::paths
