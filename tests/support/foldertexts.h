#pragma once

#include <QDir>
#include <QString>

// The agreed explanations for a simulator folder without its "qel" or "pilots" folder, written
// out whole, for the folder the test runs in.
namespace foldertexts {

inline QString here()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

// How a user of the system starts a program again so that it finds or asks for its folder.
#ifdef Q_OS_WIN
inline const QString editorStart = QStringLiteral(
    "close QELedit and start it again from the Start menu or by a double click on QELedit.exe: "
    "started outside that folder, it asks for it, or goes straight to the one chosen last.");
inline const QString photoStart = QStringLiteral(
    "close the photo tool and start it again from the Start menu, by a double click on "
    "qelphoto.exe or from QELedit's picture picker (\"Edit\"): started outside that folder, it "
    "asks for it, or goes straight to the one chosen last.");
#else
inline const QString editorStart = QStringLiteral(
    "close QELedit and start it again from its menu entry: started outside that folder, it asks "
    "for it, or goes straight to the one chosen last.");
inline const QString photoStart = QStringLiteral(
    "close the photo tool and start it again from its menu entry or from QELedit's picture "
    "picker (\"Edit\"): started outside that folder, it asks for it, or goes straight to the "
    "one chosen last.");
#endif

inline const QString editorAdvice =
    QStringLiteral("QELedit works in your Flight Simulator folder, the one that holds the \"qel\" "
                   "and \"pilots\" folders. If this is not it, ") +
    editorStart;

inline QString noQelToOpen()
{
    return QStringLiteral("There is no \"qel\" folder in the current folder (%1), so there are no "
                          "scenarios to open.\n\n")
               .arg(here()) +
           editorAdvice;
}

inline QString noQelForPictures()
{
    return QStringLiteral("There is no \"qel\" folder in the current folder (%1), so there are no "
                          "pictures to choose from.\n\n")
               .arg(here()) +
           editorAdvice;
}

inline QString noQelToSaveScenario()
{
    return QStringLiteral("There is no \"qel\" folder in the current folder (%1), so the scenario "
                          "cannot be saved.\n\nIf this is your Flight Simulator folder, make a "
                          "folder named \"qel\" in it and save again.\n\n")
               .arg(here()) +
           editorAdvice;
}

inline QString noQelToSavePicture()
{
    return QStringLiteral(
               "There is no \"qel\" folder in the current folder (%1), so the scenario picture "
               "has nowhere to go.\n\nIf this is your Flight Simulator folder, make a folder "
               "named \"qel\" in it and save again.\n\nThe photo tool works in your Flight "
               "Simulator folder, the one that holds the \"qel\" and \"pilots\" folders. If this "
               "is not it, ")
               .arg(here()) +
           photoStart;
}

inline QString noPilots()
{
    return QStringLiteral("There is no \"pilots\" folder in the current folder (%1), so no saved "
                          "flights can be listed.\n\n")
               .arg(here()) +
           editorAdvice;
}

inline QString noQelAtPhotoToolStart()
{
    return QStringLiteral(
               "There is no \"qel\" folder in the current folder (%1), so scenario pictures have "
               "nowhere to go, and full-screen photos and AutoSave's numbered photos would be "
               "saved in this folder.\n\nThe photo tool works in your Flight Simulator folder, "
               "the one that holds the \"qel\" and \"pilots\" folders. If this is not it, ")
               .arg(here()) +
           photoStart;
}

} // namespace foldertexts
