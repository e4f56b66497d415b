#pragma once

#include "messagetexts.h"

#include <QString>

class QWidget;

// The message boxes both programs share. Every box is modal and waits for its answer. Their
// texts, and the reasons set in them, are the files layer's (messagetexts.h).
namespace qel::messages {

// "File already exists..." with Yes and No, No preselected, no icon, naming the file below as
// `shownPath` (as it is spelled on disk). True only for Yes.
bool askOverwrite(QWidget* parent, const QString& shownPath);

// "File Saved!" with OK and the information icon. Its title is a single blank when the overwrite
// question came first, empty otherwise.
void showSaved(QWidget* parent, bool afterOverwriteQuestion);

// A failure: the program's own name as title, a warning icon and one OK button.
void showFailure(QWidget* parent, const QString& text);

} // namespace qel::messages
