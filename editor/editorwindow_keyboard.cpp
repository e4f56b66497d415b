#include "editorwindow.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "imageview.h"
#include "limitedlineedit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qel::editor {

void EditorWindow::arrangeKeyboardAccess()
{
    // Left column (flight, open a scenario), the three style groups, the picture column, the
    // description and file name, then Save and the window commands. In each group Tab stops at
    // the selected option only, and the arrow keys select its neighbours, as option groups do
    // on Windows.
    QList<QWidget*> order{m_flightList, m_flight, m_openButton};
    for (const auto* group : {&m_cloudStyleOptions, &m_groundOptions, &m_cloudSetOptions})
        order.append(QList<QWidget*>(group->begin(), group->end()));
    order.append({m_applet, m_pickPictureButton, m_pictureName, m_clearButton, m_description,
                  m_fileName, m_saveButton, m_quickTipsButton, m_helpButton, m_exitButton,
                  m_launcherButton});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* frame :
         std::initializer_list<QWidget*>{m_cloudStyleFrame, m_groundFrame, m_cloudSetFrame})
        accessibility::tabToSelectedOption(*frame);

    accessibility::nameControls(*this, {{QStringLiteral("Image1"), tr("QELedit banner")},
                                        {QStringLiteral("Text1"), tr("Selected flight")},
                                        {QStringLiteral("Label9"), tr("About the flight list")},
                                        {QStringLiteral("File5"), tr("Saved flights")},
                                        {QStringLiteral("Command11"), tr("Edit file")},
                                        {QStringLiteral("Text23"), tr("Description")},
                                        {QStringLiteral("Image2"), tr("Scenario picture")},
                                        {QStringLiteral("Command2"), tr("Clear picture")},
                                        {QStringLiteral("Command9"), tr("Add picture")},
                                        {QStringLiteral("Text26"), tr("Picture name")},
                                        {QStringLiteral("Label8"), tr("Quick tips")},
                                        {QStringLiteral("Text24"), tr("File name")},
                                        {QStringLiteral("Text2"), tr("Cloud style code")},
                                        {QStringLiteral("Text5"), tr("Ground texture code")},
                                        {QStringLiteral("Text22"), tr("Cloud set code")},
                                        {QStringLiteral("Text25"), tr("Applet flag")}});
    // The labels that caption a box name it for a screen reader too.
    m_flightCaption->setBuddy(m_flightList);
    m_descriptionCaption->setBuddy(m_description);
    m_fileNameCaption->setBuddy(m_fileName);
    m_pictureCaption->setBuddy(m_pickPictureButton);
    m_openCaption->setBuddy(m_openButton);
}

} // namespace qel::editor
