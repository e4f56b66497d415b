#include "styledialog.h"

#include "accessiblenames.h"
#include "fontfamilies.h"
#include "twips.h"
#include "uiconstants.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <utility>

namespace qel::editor {

namespace {

QRect pixels(const QRect& twips)
{
    return twips::rect(twips.left(), twips.top(), twips.width(), twips.height());
}

QString caption(const char* text)
{
    return QCoreApplication::translate(codeCaptionContext, text);
}

void paintNavy(QWidget* widget)
{
    QPalette navyText = widget->palette();
    navyText.setColor(QPalette::WindowText, ui::navy);
    widget->setPalette(navyText);
}

} // namespace

StyleDialog::StyleDialog(const StyleDialogLayout& layout, QWidget* parent)
    : QDialog(parent)
    , m_layout(layout)
{
    twips::setUpWindow(*this, layout.name, caption(layout.title), layout.client.width(),
                       layout.client.height());
    setFont(fonts::formFont(fonts::Typeface::form, fonts::editorPoints));
    // The one way a dialog ends: once finished ("OK", Escape, the window's frame), or once its
    // showing ends in any other way (hidden, the program quitting), it is unloaded with its
    // choice. A showing deletes it as it returns, so whoever goes on after it finds no trace of
    // it; one kept hidden (by the opening of a scenario) goes at the next turn of the event loop.
    setAttribute(Qt::WA_DeleteOnClose);
    createFrame();
    createChoices();
    createNote();
    arrangeKeyboardAccess();
}

void StyleDialog::createFrame()
{
    m_frame = new QGroupBox(caption(m_layout.frameCaption), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(pixels(m_layout.frame));
    paintNavy(m_frame);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("Command1"));
    m_okButton->setGeometry(pixels(m_layout.ok));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void StyleDialog::createChoices()
{
    for (const CodeOption& variant : m_layout.variants) {
        auto* choice = new QRadioButton(caption(variant.caption), m_frame);
        choice->setObjectName(QLatin1String(variant.name));
        choice->setGeometry(pixels(variant.place));
        m_choices.append(choice);
    }
    // The OK button lies over the frame's right-hand part and must stay clickable.
    m_okButton->raise();
    // Before the choices hand on codes: a new dialog shows its preset without writing one.
    selectPreset();
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        const QString code = QLatin1String(m_layout.variants[i].code);
        connect(m_choices[i], &QRadioButton::toggled, this, [this, code](bool on) {
            if (on)
                emit variantChosen(code);
        });
    }
}

void StyleDialog::createNote()
{
    if (!m_layout.note)
        return;
    m_note = new QLabel(caption(m_layout.note), this);
    m_note->setObjectName(QStringLiteral("Label1"));
    m_note->setGeometry(pixels(m_layout.notePlace));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitNoteToItsPlace();
    paintNavy(m_note);
}

// The note's place is fixed; with the screen's fonts it may need a smaller size to show whole.
void StyleDialog::fitNoteToItsPlace()
{
    const QRect room = m_note->contentsRect();
    const auto fits = [&](const QFont& font) {
        const QRect needed = QFontMetrics(font).boundingRect(
            room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_note->text());
        return needed.height() <= room.height();
    };
    QFont font = m_note->font();
    // The editor's font may be set in pixels or in points.
    if (font.pixelSize() > 0) {
        while (font.pixelSize() > 8 && !fits(font))
            font.setPixelSize(font.pixelSize() - 1);
    } else {
        while (font.pointSizeF() > 6.0 && !fits(font))
            font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    m_note->setFont(font);
}

// The variants top to bottom (the table lists them so), then "OK", which Enter presses from
// anywhere in the dialog.
void StyleDialog::arrangeKeyboardAccess()
{
    for (qsizetype i = 1; i < m_choices.size(); ++i)
        setTabOrder(m_choices[i - 1], m_choices[i]);
    setTabOrder(m_choices.last(), m_okButton);
    accessibility::tabToSelectedOption(*m_frame);
}

void StyleDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Mouse events reach the window before any control of it, so a press let go here chooses
    // nothing. Installing again only moves the filter to the front.
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    accessibility::nameControls(*this);
    // The keyboard starts on the variant on show, so the arrow keys move on from there.
    if (QRadioButton* choice = selectedChoice())
        choice->setFocus(Qt::ActiveWindowFocusReason);
}

void StyleDialog::selectPreset()
{
    presetChoice()->setChecked(true);
}

void StyleDialog::selectVariant(const QString& code)
{
    if (QRadioButton* choice = choiceFor(code))
        choice->setChecked(true);
}

QRadioButton* StyleDialog::presetChoice() const
{
    return choiceFor(QLatin1String(m_layout.preset));
}

QRadioButton* StyleDialog::choiceFor(const QString& code) const
{
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        if (code == QLatin1String(m_layout.variants[i].code))
            return m_choices[i];
    }
    return nullptr;
}

QRadioButton* StyleDialog::selectedChoice() const
{
    for (QRadioButton* choice : m_choices) {
        if (choice->isChecked())
            return choice;
    }
    return nullptr;
}

void StyleDialog::ignorePressCompleting(const MousePress& opening)
{
    m_openingPress = opening;
}

bool StyleDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != windowHandle())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_lettingClickGo =
            m_openingPress &&
            completesDoubleClick(*m_openingPress, {press->timestamp(), press->globalPosition()});
        m_openingPress.reset(); // only one press can complete the double-click
        return m_lettingClickGo;
    }
    case QEvent::MouseButtonDblClick:
        return m_lettingClickGo;
    case QEvent::MouseButtonRelease:
        return std::exchange(m_lettingClickGo, false);
    default:
        return false;
    }
}

} // namespace qel::editor
