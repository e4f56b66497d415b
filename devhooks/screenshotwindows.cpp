#include "screenshotwindows.h"

#include "filelist.h"
#include "form1.h"
#include "form4.h"
#include "form5.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "paths.h"
#include "picture.h"
#include "screenshot.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// A scenario as a user would compose it in the sample simulator folder.
void composeSample(Form1& main)
{
    const QStringList flights = main.File5->names();
    if (!flights.isEmpty())
        main.File5->selectName(flights.contains(QStringLiteral("Meigs Field Evening.stn"))
                                   ? QStringLiteral("Meigs Field Evening.stn")
                                   : flights.first());
    main.Option2->setChecked(true);
    main.Option8->setChecked(true);
    main.Option25->setChecked(true);
    main.Text23->setText(QStringLiteral("Medium clouds over Meigs Field, summer ground"));
    main.Text24->setText(QStringLiteral("meigs.qel"));
    if (const auto qelDir = qel::paths::simulatorFolder(qel::paths::qelFolder)) {
        const QString picture = QStringLiteral("meigs.bmp");
        if (qel::paths::fileExists(*qelDir, picture)) {
            main.Text26->setText(picture);
            main.Image2->setImage(
                qel::pictures::load(qel::paths::filePath(*qelDir, picture)).image);
        }
    }
    main.Command3_Click();
}

// The first entry of the dialog's list, selected as a click would.
bool selectFirst(QWidget* dialog, const QString& preferred)
{
    auto* list = dialog->findChild<qel::FileList*>(QStringLiteral("File1"));
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

bool takeScreenshotIfAsked(Form1& main)
{
    const QString file = qel::screenshot::requestedFile();
    if (file.isEmpty())
        return false;
    // Unnamed: the main window as it starts. Named: filled in, for the README.
    const QString asked = qel::screenshot::requestedWindow(QString());
    const QString name = asked.isEmpty() ? QStringLiteral("Form1") : asked;
    std::function<bool(QWidget*)> ready;
    std::function<void()> open;
    if (asked == QLatin1String("Form1"))
        composeSample(main);
    else if (name == QLatin1String("Form2"))
        open = [&main] { main.Command7_Click(); };
    else if (name == QLatin1String("Form3"))
        open = [&main] { main.Option7->click(); };
    else if (name == QLatin1String("Form6"))
        open = [&main] { main.Option4->click(); };
    else if (name == QLatin1String("Form7"))
        open = [&main] { main.Option5->click(); };
    else if (name == QLatin1String("Form4")) {
        open = [&main] { main.Command9_Click(); };
        ready = [](QWidget* w) { return selectFirst(w, QStringLiteral("meigs.bmp")); };
    } else if (name == QLatin1String("Form5")) {
        open = [&main] { main.Command11_Click(); };
        ready = [](QWidget* w) { return selectFirst(w, QStringLiteral("meigs.qel")); };
    }
    qel::screenshot::saveWhenShown(name, file, ready);
    // The dialogs are modal: opened from the event loop, once the main window is up.
    if (open)
        QTimer::singleShot(300, &main, open);
    return true;
}
