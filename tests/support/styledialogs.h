#pragma once

#include "controls.h"
#include "modalanswerer.h"
#include "optionlookup.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

// The cloud style dialogs as a user meets them: by their window name ("Form3", "Form6", "Form7").

// The style dialog `name` that the main window `form` keeps at this moment, or nullptr.
inline QDialog* keptStyleDialog(const QWidget& form, const char* name)
{
    return form.findChild<QDialog*>(QLatin1String(name));
}

inline void pressOk(QWidget* dialog)
{
    control<QPushButton>(*dialog, "Command1")->click();
}

// Answers the next style dialog `dialog`: notes the variant it shows and, with `form`, the main
// window's style code at that moment; then clicks `choices` in turn, then "OK".
inline void answerStyleDialog(ModalAnswerer& answerer, const QString& dialog,
                              const QStringList& choices = {}, QString* shownChoice = nullptr,
                              QString* codeWhenShown = nullptr, const QWidget* form = nullptr)
{
    answerer.expectWindow(dialog, [=](QWidget* w) {
        if (shownChoice)
            *shownChoice = checkedIn(control<QGroupBox>(*w, "Frame1"));
        if (codeWhenShown && form)
            *codeWhenShown = control<QLineEdit>(*form, "Text2")->text();
        for (const QString& choice : choices)
            option(w, choice)->click();
        pressOk(w);
    });
}
