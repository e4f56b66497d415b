#pragma once

#include "picture.h"
#include "scenariofile.h"

#include <QDir>
#include <QString>

// Reading a scenario file back, with every check done before the editor is touched, so a bad file
// leaves the main window as it was.
namespace qel::scenario {

// A scenario file holds a few hundred bytes; anything much larger is not one.
inline constexpr qint64 maxFileSize = 64 * 1024;

// Lines 6 to 13 of the file at `path`, or why they cannot be had: the file is missing, is no
// regular file, cannot be read, is larger than maxFileSize or has fewer than 13 lines.
Decoded readFile(const QString& path);

// The scenario picture `name` from the `qel` folder. A name that is not a bare file name (a
// folder part, "..", empty) is refused, so no picture is ever looked for outside that folder.
qel::pictures::Loaded loadPicture(const QDir& qelFolder, const QString& name);

} // namespace qel::scenario
