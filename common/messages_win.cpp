#include "messages.h"

#include <QCoreApplication>

namespace qel::messages {

QString whereToStart(Program program)
{
    if (program == Program::PhotoTool)
        return QCoreApplication::translate(
            "qel",
            "The photo tool works in your Flight Simulator folder, the one that holds the "
            "\"qel\" and \"pilots\" folders. If it was started elsewhere, close it and "
            "start it there: by a double click on qelphoto.exe in that folder, from QELedit's "
            "picture picker (\"Edit\"), or from a shortcut whose \"Start in\" is that folder.");
    return QCoreApplication::translate(
        "qel",
        "QELedit works in your Flight Simulator folder, the one that holds the \"qel\" and "
        "\"pilots\" folders. If it was started elsewhere, close it and start it there: by a "
        "double click on QELedit.exe in that folder, or from a shortcut whose \"Start in\" is "
        "that folder.");
}

} // namespace qel::messages
