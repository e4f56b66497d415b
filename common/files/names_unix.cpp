#include "names.h"

#include <QCoreApplication>
#include <QFile>

namespace qel::names {

// Linux file systems count a name in the bytes it takes in UTF-8, 255 at most: an accented letter
// takes two, so 130 of them are too many although they are 130 characters.
QString lengthProblem(const QString& name)
{
    constexpr int longest = 255;
    const qsizetype bytes = QFile::encodeName(name).size();
    if (bytes <= longest)
        return {};
    return QCoreApplication::translate("qel",
                                       "The name is too long: it takes %1 bytes, and a file name "
                                       "here may take at most %2 (a letter such as \"é\" takes "
                                       "two). Choose a shorter name.")
        .arg(bytes)
        .arg(longest);
}

} // namespace qel::names
