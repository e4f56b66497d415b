#include "fontfamilies.h"

namespace qel::fonts {

QFont formFont(Typeface face, qreal points, bool bold)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    const QString arial = QStringLiteral("Arial");
    const QString liberation = QStringLiteral("Liberation Sans");
    const QString helvetica = QStringLiteral("Helvetica");
    if (face == Typeface::arial)
        setFamilies(font, {arial, liberation, QStringLiteral("Arimo"), helvetica});
    else
        setFamilies(font, {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                           arial, liberation, helvetica});
    return font;
}

} // namespace qel::fonts
