#include "launch.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qel::launch {

namespace {

// Windows programs (also the 32-bit ones of the simulator's era) begin with the DOS header "MZ".
bool isWindowsProgram(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

} // namespace

QStringList photoToolNames()
{
    return {QStringLiteral("qelphoto"), QStringLiteral("qelphoto.exe")};
}

Command commandFor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, {}, QCoreApplication::translate("qel", "the file does not exist.")};
    // A simulator folder used under Wine holds Windows programs; run them the way Wine would.
    if (isWindowsProgram(path)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty()) {
            return {{},
                    {},
                    QCoreApplication::translate(
                        "qel", "it is a Windows program, and there is no \"wine\" on the "
                               "PATH to run it with.\n\nInstall Wine, or start the program "
                               "on Windows.")};
        }
        return {wine, {info.absoluteFilePath()}, {}};
    }
    if (!info.isExecutable())
        return {{},
                {},
                QCoreApplication::translate("qel",
                                            "the file is not marked as a program (executable).")};
    return {info.absoluteFilePath(), {}, {}};
}

// Nothing to grant here: the window system gives the new program's window the focus when it
// first appears, and no program may raise another's window.
void letTakeForeground(qint64) {}

} // namespace qel::launch
