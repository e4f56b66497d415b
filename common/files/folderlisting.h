#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace qel::listing {

// Calls `take` with the name of every entry of `folder` that is not a folder, in the order the
// system gives them: what QDir lists with Files | Hidden | System (links to files, broken links
// and special files included, links to folders left out). Nothing when the folder cannot be read.
// The name is valid only during the call. Asks the system directly, without a file information
// object or a string of its own per entry, so a folder of many thousand saved flights is listed
// in a few milliseconds.
void forEachFileName(const QString& folder, const std::function<void(QStringView)>& take);

// The same names as a list.
QStringList fileNames(const QString& folder);

} // namespace qel::listing
