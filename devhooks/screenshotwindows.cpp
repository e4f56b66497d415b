#include "screenshotwindows.h"

#include "filelist.h"
#include "screenshot.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace qel::screenshot {

namespace {

// The tool works the windows as a user does, finding their controls by name.
template <typename Control> Control* control(const QWidget& window, const char* name)
{
    return window.findChild<Control*>(QLatin1String(name));
}

void click(const QWidget& window, const char* name)
{
    if (auto* button = control<QAbstractButton>(window, name))
        button->click();
}

// Attaches the sample picture through the picture picker, which is modal: it is answered from
// the event loop that its showing runs.
void attachSamplePicture(QWidget& main)
{
    QTimer::singleShot(0, &main, [] {
        QWidget* picker = QApplication::activeModalWidget();
        if (!picker)
            return;
        auto* list = control<FileList>(*picker, "File1");
        if (list && list->names().contains(QStringLiteral("meigs.bmp"))) {
            list->selectName(QStringLiteral("meigs.bmp"));
            click(*picker, "Command1");
        } else {
            click(*picker, "Command2");
        }
    });
    click(main, "Command9");
}

// A scenario as a user would compose it in the sample simulator folder.
void composeSample(QWidget& main)
{
    if (auto* flights = control<FileList>(main, "File5"); flights && flights->count() > 0) {
        const QStringList names = flights->names();
        flights->selectName(names.contains(QStringLiteral("Meigs Field Evening.stn"))
                                ? QStringLiteral("Meigs Field Evening.stn")
                                : names.first());
    }
    for (const char* option : {"Option2", "Option8", "Option25"})
        click(main, option);
    if (auto* description = control<QLineEdit>(main, "Text23"))
        description->setText(QStringLiteral("Medium clouds over Meigs Field, summer ground"));
    if (auto* fileName = control<QLineEdit>(main, "Text24"))
        fileName->setText(QStringLiteral("meigs.qel"));
    attachSamplePicture(main);
    click(main, "Command3");
}

// The first entry of the dialog's list, selected as a click would.
bool selectFirst(QWidget* dialog, const QString& preferred)
{
    auto* list = dialog->findChild<FileList*>(QStringLiteral("File1"));
    if (!list || list->count() == 0)
        return true;
    if (list->selectedName().isEmpty()) {
        const QStringList names = list->names();
        const QString name = names.contains(preferred) ? preferred : names.first();
        list->selectName(name); // as a click: the picker previews it
    }
    return true;
}

} // namespace

bool takeScreenshotIfAsked(QWidget& main)
{
    const QString file = requestedFile();
    if (file.isEmpty())
        return false;
    // Unnamed: the main window as it starts. Named: filled in, for the README.
    const QString asked = requestedWindow(QString());
    const QString name = asked.isEmpty() ? QStringLiteral("Form1") : asked;
    // The button or option of the main window that opens each dialog.
    const QHash<QString, const char*> opener{
        {QStringLiteral("Form2"), "Command7"}, {QStringLiteral("Form3"), "Option7"},
        {QStringLiteral("Form6"), "Option4"},  {QStringLiteral("Form7"), "Option5"},
        {QStringLiteral("Form4"), "Command9"}, {QStringLiteral("Form5"), "Command11"}};
    std::function<bool(QWidget*)> ready;
    if (asked == QLatin1String("Form1"))
        composeSample(main);
    else if (name == QLatin1String("Form4"))
        ready = [](QWidget* w) { return selectFirst(w, QStringLiteral("meigs.bmp")); };
    else if (name == QLatin1String("Form5"))
        ready = [](QWidget* w) { return selectFirst(w, QStringLiteral("meigs.qel")); };
    saveWhenShown(name, file, ready);
    // The dialogs are modal: opened from the event loop, once the main window is up.
    if (const char* control = opener.value(name))
        QTimer::singleShot(300, &main, [&main, control] { click(main, control); });
    return true;
}

} // namespace qel::screenshot
