#include "messages.h"

#include <QApplication>
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

} // namespace

bool askOverwrite(QWidget* parent, const QString& shownPath)
{
    QMessageBox box(
        QMessageBox::NoIcon, QCoreApplication::translate("qel", "QEL alert!!!"),
        QCoreApplication::translate("qel", "File already exists. Do you want to overwrite?"),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("overwriteQuestion"));
    // A short 8.3 name or another letter case opens the same file: the user sees which one.
    box.setInformativeText(wrappable(shownPath));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void showSaved(QWidget* parent, bool afterOverwriteQuestion)
{
    QMessageBox box(QMessageBox::Information,
                    afterOverwriteQuestion ? QStringLiteral(" ") : QString(),
                    QCoreApplication::translate("qel", "File Saved!"), QMessageBox::Ok, parent);
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
