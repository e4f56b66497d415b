#include "paths.h"

namespace qel::paths {

bool fileSystemIgnoresCase()
{
    return true;
}

} // namespace qel::paths
