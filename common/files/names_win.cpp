#include "names.h"

#include <QCoreApplication>

namespace qel::names {

// Windows counts a name in UTF-16 characters, 255 at most on every file system it writes.
QString lengthProblem(const QString& name)
{
    constexpr int longest = 255;
    if (name.size() <= longest)
        return {};
    return QCoreApplication::translate("qel", "The name is longer than %1 characters.")
        .arg(longest);
}

} // namespace qel::names
