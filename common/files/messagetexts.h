#pragma once

#include <QString>

// The texts of the messages both programs give, without the boxes that show them (messages.h),
// so that what needs no window can word its failures.
namespace qel::messages {

// A reason from the system ("Permission denied", "Sharing violation.\r\n") set inside a sentence
// of ours, as "(...)." or ": ...": trimmed and without a full stop of its own.
QString reasonInline(const QString& reason);
// The same reason as a sentence of its own: trimmed, ending with exactly one full stop (or its
// own "!" or "?").
QString reasonSentence(const QString& reason);

// Which program tells the user where it belongs.
enum class Program { Editor, PhotoTool };

// Both programs work in the simulator's folder, found as the current folder. Said when its "qel"
// folder is missing: "There is no "qel" folder in the current folder (...), so `consequence`."
// and how to start `program` in the right folder. `saving` first offers making the folder and
// saving again, for a simulator folder that lacks only that.
QString missingQelFolderText(Program program, const QString& consequence, bool saving = false);
// The same for the "pilots" folder, whose saved flights the editor lists.
QString missingPilotsFolderText();

// --- Per platform (messagetexts_unix.cpp, messagetexts_win.cpp) ---

// How to start `program` in the simulator's folder, in the words of the system's own desktop.
QString whereToStart(Program program);

} // namespace qel::messages
