#include "messages.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QWindow>

namespace qel::messages {

namespace {

// Longest run of characters without a place to break that a line of a message holds; a longer
// run (a long file name) would widen the box until its text runs off the screen.
constexpr int longestUnbroken = 40;

// The text with an invisible break opportunity inside every run longer than a line can hold.
QString wrappable(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / longestUnbroken);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        // Never between the halves of a surrogate pair or before a combining mark.
        if (run > longestUnbroken && !c.isLowSurrogate() && !c.isMark()) {
            out += QChar(0x200B); // zero width space
            run = 1;
        }
        out += c;
    }
    return out;
}

// The platform puts the program's name in place of an empty title, on X11 and on Windows alike;
// a single blank shows as the empty title it is meant to be. The widget's own title stays empty.
void showEmptyTitle(QMessageBox& box)
{
    box.winId();
    if (QWindow* window = box.windowHandle(); window && box.windowTitle().isEmpty())
        window->setTitle(QStringLiteral(" "));
}

QString currentFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

QString whereToStart(Program program)
{
    if (program == Program::PhotoTool)
        return QCoreApplication::translate(
            "qel::messages",
            "The photo tool works in your Flight Simulator folder, the one that holds the "
            "\"qel\" and \"pilots\" folders. If it was started elsewhere, close it and "
            "start it there: from a terminal in that folder, from QELedit's picture picker "
            "(\"Edit\"), or from a menu entry whose working folder (Path=) is that folder.");
    return QCoreApplication::translate(
        "qel::messages",
        "QELedit works in your Flight Simulator folder, the one that holds the \"qel\" and "
        "\"pilots\" folders. If it was started elsewhere, close it and start it there: "
        "from a terminal in that folder, or from a menu entry whose working folder (Path=) "
        "is that folder.");
}

} // namespace

QString missingQelFolderText(Program program, const QString& consequence, bool saving)
{
    QString text =
        QCoreApplication::translate(
            "qel::messages", "There is no \"qel\" folder in the current folder (%1), so %2.\n\n")
            .arg(currentFolder(), consequence);
    if (saving)
        text += QCoreApplication::translate(
            "qel::messages",
            "If this is your Flight Simulator folder, make a folder named \"qel\" in it "
            "and save again.\n\n");
    return text + whereToStart(program);
}

QString missingPilotsFolderText()
{
    return QCoreApplication::translate(
               "qel::messages",
               "There is no \"pilots\" folder in the current folder (%1), so no saved flights "
               "can be listed.\n\n")
               .arg(currentFolder()) +
           whereToStart(Program::Editor);
}

bool askOverwrite(QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("qel::messages", "QEL alert!!!"),
                    QCoreApplication::translate("qel::messages",
                                                "File already exists. Do you want to overwrite?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("overwriteQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void showSaved(QWidget* parent, bool afterOverwriteQuestion)
{
    QMessageBox box(
        QMessageBox::Information, afterOverwriteQuestion ? QStringLiteral(" ") : QString(),
        QCoreApplication::translate("qel::messages", "File Saved!"), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("savedMessage"));
    showEmptyTitle(box);
    box.exec();
}

void showFailure(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), wrappable(text),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("failureMessage"));
    box.exec();
}

} // namespace qel::messages
