#include "keyboardaccess.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "form1.h"
#include "imageview.h"
#include "limitedlineedit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void arrangeKeyboardAccess(Form1& w)
{
    // Left column (flight, open a scenario), the three style groups, the picture column, the
    // description and file name, then Save and the window commands. In each group Tab stops at
    // the selected option only, and the arrow keys select its neighbours, as option groups do
    // on Windows.
    const QList<QWidget*> order{w.File5,    w.Text1,    w.Command11, w.Option1,  w.Option2,
                                w.Option3,  w.Option4,  w.Option5,   w.Option6,  w.Option7,
                                w.Option21, w.Option8,  w.Option9,   w.Option10, w.Option11,
                                w.Option28, w.Option24, w.Option25,  w.Option26, w.Check1,
                                w.Command9, w.Text26,   w.Command2,  w.Text23,   w.Text24,
                                w.Command1, w.Command3, w.Command7,  w.Command5, w.Command6};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* frame : {static_cast<QWidget*>(w.Frame1), static_cast<QWidget*>(w.Frame2),
                           static_cast<QWidget*>(w.Frame6)})
        qel::accessibility::tabToSelectedOption(*frame);

    qel::accessibility::nameControls(
        w,
        {{QStringLiteral("Image1"),
          QCoreApplication::translate("keyboardAccess", "QELedit banner")},
         {QStringLiteral("Text1"),
          QCoreApplication::translate("keyboardAccess", "Selected flight")},
         {QStringLiteral("Label9"),
          QCoreApplication::translate("keyboardAccess", "About the flight list")},
         {QStringLiteral("File5"), QCoreApplication::translate("keyboardAccess", "Saved flights")},
         {QStringLiteral("Command11"), QCoreApplication::translate("keyboardAccess", "Edit file")},
         {QStringLiteral("Text23"), QCoreApplication::translate("keyboardAccess", "Description")},
         {QStringLiteral("Image2"),
          QCoreApplication::translate("keyboardAccess", "Scenario picture")},
         {QStringLiteral("Command2"),
          QCoreApplication::translate("keyboardAccess", "Clear picture")},
         {QStringLiteral("Command9"), QCoreApplication::translate("keyboardAccess", "Add picture")},
         {QStringLiteral("Text26"), QCoreApplication::translate("keyboardAccess", "Picture name")},
         {QStringLiteral("Label8"), QCoreApplication::translate("keyboardAccess", "Quick tips")},
         {QStringLiteral("Text24"), QCoreApplication::translate("keyboardAccess", "File name")},
         {QStringLiteral("Text2"),
          QCoreApplication::translate("keyboardAccess", "Cloud style code")},
         {QStringLiteral("Text5"),
          QCoreApplication::translate("keyboardAccess", "Ground texture code")},
         {QStringLiteral("Text22"),
          QCoreApplication::translate("keyboardAccess", "Cloud set code")},
         {QStringLiteral("Text25"), QCoreApplication::translate("keyboardAccess", "Applet flag")}});
    // The labels that caption a box name it for a screen reader too.
    w.Label2->setBuddy(w.File5);
    w.Label3->setBuddy(w.Text23);
    w.Label4->setBuddy(w.Text24);
    w.Label6->setBuddy(w.Command9);
    w.Label7->setBuddy(w.Command11);
}
