#include "editorwindow.h"

#include "helptexts.h"
#include "hoverhelp.h"
#include "imageview.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qel::editor {

// The quick-tips help line.
void EditorWindow::installHoverHelp()
{
    auto* help = new HoverHelp(this, m_helpLine);
    for (const helptexts::HoverTip& tip : helptexts::hoverTips()) {
        // The window's own controls only, not those of a style dialog of the same name.
        for (const char* name : tip.controls) {
            auto* control = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
            tip.onClick ? help->clickTip(control, tip.text()) : help->tip(control, tip.text());
        }
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_quickTipsButton, m_flightCaption, m_banner, m_helpLine})
        help->noEntry(control);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        help->noEntry(option);
    help->watch();
}

} // namespace qel::editor
