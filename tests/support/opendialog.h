#pragma once

#include "filelist.h"
#include "modalanswerer.h"
#include "scenariotemplate.h"
#include "simfolder.h"
#include "styledialogs.h"

#include <QPushButton>
#include <QtTest>

#include <functional>

// The open dialog ("Form5") as a user meets it, from the main window's "Edit File".

struct OpenResult {
    bool listed = false;
    bool stillOpen = false;
};

// Queues the open dialog: `before` runs first, then `name` is picked and "Select" pressed (or
// the entry double-clicked); a dialog still open afterwards is left with "Exit".
void expectOpen(ModalAnswerer& a, const QString& name, OpenResult* result = nullptr,
                std::function<void(QWidget*)> before = {}, bool doubleClick = false)
{
    a.expectWindow(QStringLiteral("Form5"), [=](QWidget* w) {
        auto* list = w->findChild<qel::FileList*>(QStringLiteral("File1"));
        if (before)
            before(w);
        list->selectName(name);
        if (result)
            result->listed = list->selectedName() == name;
        if (doubleClick) {
            // A real double-click: press and release, then the double-click itself.
            list->doItemsLayout();
            const QPoint at = list->visualRect(list->currentIndex()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            w->findChild<QPushButton*>(QStringLiteral("command1"))->click();
        }
        if (result)
            result->stillOpen = w->isVisible();
        if (w->isVisible())
            w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
}

// Leaves the style dialog `dialog` hidden at the variant of `code`, as opening a scenario does
// while its style is selected: selects the style with its option `styleOption` ("OK" in the
// dialog that shows), then opens a scenario written with `code`. The dialog, or nullptr.
inline QDialog* holdHiddenVariant(QWidget& form, ModalAnswerer& a, SimFolder& sim,
                                  const char* styleOption, const char* dialog,
                                  const QByteArray& code)
{
    answerStyleDialog(a, QLatin1String(dialog));
    option(&form, QLatin1String(styleOption))->click();
    sim.write(QStringLiteral("qel/held.qel"),
              scenarioFile({.fileName = "held.qel", .style = code}));
    expectOpen(a, QStringLiteral("held.qel"));
    control<QPushButton>(form, "Command11")->click();
    return keptStyleDialog(form, dialog);
}
