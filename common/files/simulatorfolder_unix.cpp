#include "simulatorfolder.h"

#include <QDir>

namespace qel::simulator {

// A Windows simulator here runs under Wine: its C: drive is "drive_c" of the default prefix or of
// one of the prefixes winetricks and its front ends make.
QStringList searchRoots()
{
    const QString home = QDir::homePath();
    QStringList roots{home + QStringLiteral("/.wine/drive_c")};
    const QDir prefixes(home + QStringLiteral("/.local/share/wineprefixes"));
    for (const QString& prefix : prefixes.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        roots += prefixes.filePath(prefix) + QStringLiteral("/drive_c");
    return roots;
}

} // namespace qel::simulator
