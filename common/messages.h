#pragma once

#include <QString>

class QWidget;

// The message boxes both programs share. Every box is modal and waits for its answer.
namespace qel::messages {

inline const QString overwriteText =
    QStringLiteral("File already exists. Do you want to overwrite?");
inline const QString overwriteTitle = QStringLiteral("QEL alert!!!");
inline const QString savedText = QStringLiteral("File Saved!");

// "File already exists..." with Yes and No, No preselected, no icon. True only for Yes.
bool askOverwrite(QWidget* parent);

// "File Saved!" with OK and the information icon. Its title is a single blank when the overwrite
// question came first, empty otherwise.
void showSaved(QWidget* parent, bool afterOverwriteQuestion);

// A failure: the program's own name as title, a warning icon and one OK button.
void showFailure(QWidget* parent, const QString& text);

} // namespace qel::messages
