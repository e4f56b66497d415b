#include "paths.h"

namespace qel::paths {

std::optional<QString> entryOpenedBy(const QDir&, const QString&)
{
    return std::nullopt;
}

} // namespace qel::paths
