#include "form6.h"

#include "twips.h"
#include "uiconstants.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>

Form6::Form6(Form1& main)
    : StyleDialog(main, {"Form6", tr("Overcast"), tr("Overcast Style"), QRect(0, 0, 2295, 2100),
                         QRect(0, 0, 2295, 1335), QRect(1680, 240, 375, 375)})
{
    Option1 = addChoice("Option1", tr("Bright"), 240, 240, 735, 375);
    Option3 = addChoice("Option3", tr("Wind Swept"), 240, 600, 1215, 315);
    Option2 = addChoice("Option2", tr("Gray"), 240, 960, 1215, 315);
    finish(Option1,
           {[this] { Option1_Click(); }, [this] { Option3_Click(); }, [this] { Option2_Click(); }});

    Label1 = new QLabel(tr("Use a flight with a 7/8 coverage setting for Bright and use "
                           "a flight set to \"Overcast\" for Gray."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(qel::twips::rect(0, 1440, 2295, 615));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitNoteToItsPlace();
    QPalette navyText = Label1->palette();
    navyText.setColor(QPalette::WindowText, qel::ui::navy);
    Label1->setPalette(navyText);
}

// The note's place is fixed; with the screen's fonts it may need a smaller size to show whole.
void Form6::fitNoteToItsPlace()
{
    const QRect room = Label1->contentsRect();
    const auto fits = [&](const QFont& font) {
        const QRect needed = QFontMetrics(font).boundingRect(
            room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Label1->text());
        return needed.height() <= room.height();
    };
    QFont font = Label1->font();
    // The editor's font may be set in pixels or in points.
    if (font.pixelSize() > 0) {
        while (font.pixelSize() > 8 && !fits(font))
            font.setPixelSize(font.pixelSize() - 1);
    } else {
        while (font.pointSizeF() > 6.0 && !fits(font))
            font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    Label1->setFont(font);
}

void Form6::Option1_Click()
{
    writeCode(QStringLiteral("O"));
}
void Form6::Option2_Click()
{
    writeCode(QStringLiteral("OG"));
}
void Form6::Option3_Click()
{
    writeCode(QStringLiteral("WS"));
}
