#include "editorwindow.h"

#include "cloudstylechoice.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace qel::editor {

void EditorWindow::connectStyleOptions()
{
    m_cloudStyle = new CloudStyleChoice(this, m_cloudStyleOptions);
    connect(m_cloudStyle, &CloudStyleChoice::codeChosen, m_cloudStyleCode, &QLineEdit::setText);
    // Selecting the option that is already selected writes nothing.
    const auto writeCode = [this](QRadioButton* option, QLineEdit* field, const CodeOption& row) {
        const QString code = QLatin1String(row.code);
        connect(option, &QRadioButton::toggled, this, [field, code](bool on) {
            if (on)
                field->setText(code);
        });
    };
    for (std::size_t i = 0; i < groundTextures().size(); ++i)
        writeCode(m_groundOptions[i], m_groundTextureCode, groundTextures()[i]);
    for (std::size_t i = 0; i < cloudSets().size(); ++i)
        writeCode(m_cloudSetOptions[i], m_cloudSetCode, cloudSets()[i]);
}

// Selecting the option that is already selected runs nothing, so its code stays as it is.
void EditorWindow::restoreCode(std::span<const CodeOption> table,
                               const std::vector<QRadioButton*>& options, const QString& code)
{
    if (const CodeOption* row = findCode(table, code))
        options[static_cast<std::size_t>(row - table.data())]->setChecked(true);
}

void EditorWindow::restoreApplet(const QString& flag)
{
    if (flag == QLatin1String("app"))
        m_applet->setCheckState(Qt::Checked);
    else if (flag == QLatin1String(" "))
        m_applet->setCheckState(Qt::Unchecked);
}

} // namespace qel::editor
