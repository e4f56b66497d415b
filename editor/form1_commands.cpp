#include "form1.h"

#include "form4.h"
#include "helpwindow.h"
#include "launch.h"
#include "messages.h"

#include <QApplication>
#include <QPushButton>

// The buttons that leave the editor or open its other windows.
void Form1::connectCommands()
{
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
}

void Form1::Command5_Click()
{
    endEditor();
}

void Form1::Command6_Click()
{
    // The launcher takes over from the editor, so the editor ends once it has started. When it
    // could not be started the editor stays as it was, so that no unsaved work is lost.
    const auto started = qel::launch::startLauncher();
    if (!started.ok) {
        qel::messages::showFailure(this, started.error +
                                             tr("\n\nQELedit stays open with your scenario as it "
                                                "was; save it before you try again."));
        return;
    }
    endEditor();
}

// The help window and the picker live on the stack: each showing builds them afresh, and
// closing them, in any way, destroys them.
void Form1::Command7_Click()
{
    qel::editor::HelpWindow help(this);
    help.exec();
}

void Form1::Command9_Click()
{
    Form4 picker(this);
    picker.exec();
}

void Form1::endApplication()
{
    // exit() rather than quit(): quit() would first ask every window to close, and ending here
    // runs no window's closing step. The windows vanish now, the process as soon as main()
    // returns from the event loop.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
