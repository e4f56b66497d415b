#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replacing a file so that it always holds either its old bytes or the whole new content: the new
// content goes to a temporary file in the same folder, which is then renamed over the target.
// On any failure the previous file stays byte-identical and no temporary file is left behind.
namespace qel::files {

// The reason the write failed, in words; empty on success.
QString replaceFile(const QString& path, const QByteArray& bytes);

// As above, with the content produced by `write` (which returns false on failure).
QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace qel::files
