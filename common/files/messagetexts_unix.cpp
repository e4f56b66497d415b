#include "messagetexts.h"

#include <QCoreApplication>

namespace qel::messages {

QString whereToStart(Program program)
{
    if (program == Program::PhotoTool)
        return QCoreApplication::translate(
            "qel", "The photo tool works in your Flight Simulator folder, the one that holds the "
                   "\"qel\" and \"pilots\" folders. If this is not it, close the photo tool and "
                   "start it again from its menu entry or from QELedit's picture picker "
                   "(\"Edit\"): started outside that folder, it asks for it, or goes straight to "
                   "the one chosen last.");
    return QCoreApplication::translate(
        "qel", "QELedit works in your Flight Simulator folder, the one that holds the \"qel\" and "
               "\"pilots\" folders. If this is not it, close QELedit and start it again from its "
               "menu entry: started outside that folder, it asks for it, or goes straight to the "
               "one chosen last.");
}

} // namespace qel::messages
