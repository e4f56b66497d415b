#include "launch.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <windows.h>

namespace qel::launch {

QStringList photoToolNames()
{
    return {QStringLiteral("qelphoto.exe")};
}

Command commandFor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, {}, QCoreApplication::translate("qel", "the file does not exist.")};
    return {info.absoluteFilePath(), {}, {}};
}

// Windows lets only the foreground process hand the foreground on; without this the new
// program's window would merely flash in the task bar.
void letTakeForeground(qint64 pid)
{
    AllowSetForegroundWindow(DWORD(pid));
}

} // namespace qel::launch
