#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

// The layout tables are in twips; at the usual screen setting 15 twips make one pixel.
namespace qel::twips {

constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero, so -15 → -1 and 7 → 0.
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

// Gives `widget` its control name (as objectName) and its place in the layout, in twips.
template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect(left, top, width, height));
    return widget;
}

// Gives a window its control name (as objectName), its title and its fixed client size in twips.
inline void setUpWindow(QWidget& window, const char* name, const QString& title, int width,
                        int height)
{
    window.setObjectName(QLatin1String(name));
    window.setWindowTitle(title);
    window.setFixedSize(size(width, height));
}

} // namespace qel::twips
