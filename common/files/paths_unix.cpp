#include "paths.h"

namespace qel::paths {

std::optional<QString> entryOpenedBy(const QDir&, const QString&)
{
    return std::nullopt;
}

std::optional<QDir> virtualStoreCopy(const QDir&)
{
    return std::nullopt;
}

QString longName(const QString& path)
{
    return path;
}

} // namespace qel::paths
