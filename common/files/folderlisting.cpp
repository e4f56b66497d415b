#include "folderlisting.h"

namespace qel::listing {

QStringList fileNames(const QString& folder)
{
    QStringList names;
    forEachFileName(folder, [&names](QStringView name) { names.append(name.toString()); });
    return names;
}

} // namespace qel::listing
