#pragma once

#include <QApplication>
#include <QFont>

namespace qel {

// Lets a window make its controls while the application's font is the window's own. A QLineEdit
// lays out its text in the application's font before it takes its window's, so where the two
// differ a window with a line edit loads a second font that nothing shows: at start-up, the
// largest single cost beyond what a plain window does. The application's font is what it was
// again once this is gone, so message boxes keep theirs.
class WindowFontWhileBuilding {
public:
    explicit WindowFontWhileBuilding(const QFont& windowFont)
        : m_applicationFont(QApplication::font())
    {
        QApplication::setFont(windowFont);
    }
    ~WindowFontWhileBuilding() { QApplication::setFont(m_applicationFont); }
    WindowFontWhileBuilding(const WindowFontWhileBuilding&) = delete;
    WindowFontWhileBuilding& operator=(const WindowFontWhileBuilding&) = delete;

private:
    QFont m_applicationFont;
};

} // namespace qel
