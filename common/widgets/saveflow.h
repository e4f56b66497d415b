#pragma once

#include <QDir>
#include <QString>

#include <functional>

class QWidget;

// The save command both programs share, once the typed name is accepted: refused before any
// question where the file cannot be replaced, the overwrite question, the writing, and the
// message that tells how it went.
namespace qel::files {

// The file a save goes to.
struct SaveTarget {
    // Where the content is written.
    QString path;
    // How the question and the messages name it.
    QString shown;
    // A file is there: the user is asked before it is replaced.
    bool exists = false;
    // The folder of `path` when it is yet to be made (paths::writePath), after the question.
    QString folderToMake = {};
};

// The file `name` in `folder` opens: an existing file whose name differs only in letter case, or
// that a short 8.3 name opens, under its own name; where Windows keeps a VirtualStore copy of
// the folder, the file the launcher will read (paths::writePath).
SaveTarget saveTarget(const QDir& folder, const QString& name);

// What a save writes, for its failure message.
enum class Saved { Scenario, Picture };

// Saves to `target` what `write` puts in the file at the path it is given (it returns the reason
// of a failure, else nothing), asking before it replaces a file. A failure is told in one wording
// for both programs: what could not be saved where, the reason, and, when a file was there, that
// it is unchanged. True when saved.
bool saveWithQuestion(QWidget* parent, const SaveTarget& target, Saved what,
                      const std::function<QString(const QString& path)>& write);

} // namespace qel::files
