#pragma once

#include <QString>

// Rules for names that become paths. A typed or stored name is only ever used as a single plain
// file name inside a known folder of the simulator.
namespace qel::names {

// The reason, in words fit for a message, why `name` cannot be used as a plain file name on
// Windows or here; an empty string when it can.
QString bareNameProblem(const QString& name);

// Whether `name` ends in `ending` (".bmp", ".qel") in any letter case, as the lists that offer
// such files match it on Windows.
inline bool hasEnding(const QString& name, QLatin1String ending)
{
    return name.endsWith(ending, Qt::CaseInsensitive);
}

inline bool isBareName(const QString& name)
{
    return bareNameProblem(name).isEmpty();
}

// --- Per platform (names_unix.cpp, names_win.cpp) ---

// Why `name` is longer than a file name may be, measured as the file systems here measure it;
// empty when it is not.
QString lengthProblem(const QString& name);

} // namespace qel::names
