#pragma once

#include <QString>

#include <string>

namespace qel::win {

// `path` as the wide string the Win32 file functions take: absolute, with backslashes, and with
// the "\\?\" prefix, so that a path longer than 260 characters works as Qt's own calls do.
std::wstring longPath(const QString& path);

} // namespace qel::win
