#include "folderlisting.h"

#include <QDirIterator>

namespace qel::listing {

void forEachFileName(const QString& folder, const std::function<void(QStringView)>& take)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        take(it.fileName());
    }
}

} // namespace qel::listing
