#include "simulatorfolder.h"

#include <QDir>

#include <windows.h>

namespace qel::simulator {

// Every fixed drive: a simulator is not installed on removable, network or optical drives, and
// asking an empty floppy or a sleeping network share would keep the user waiting.
QStringList searchRoots()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
        if (GetDriveTypeW(reinterpret_cast<const wchar_t*>(root.utf16())) == DRIVE_FIXED)
            roots += drive.absoluteFilePath();
    }
    return roots;
}

} // namespace qel::simulator
