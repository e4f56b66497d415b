#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replacing a file so that it always holds either its old bytes or the whole new content: the new
// content goes to a temporary file in the same folder, which is then renamed over the target.
// On any failure the previous file stays byte-identical and no temporary file is left behind.
namespace qel::files {

// Why `path` cannot be replaced, found without touching the disk (a read-only file, a folder in
// the way, no such folder); empty when nothing is known to stand in the way. Asked before the user
// is asked to confirm replacing a file, so a refusal never follows a "Yes".
QString replaceProblem(const QString& path);

// The reason the write failed, in words; empty on success.
QString replaceFile(const QString& path, const QByteArray& bytes);

// As above, with the content produced by `write` (which returns false on failure).
QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace qel::files
