#pragma once

// Helpers of the injected-fault suites (tst_faults*.cpp): a picture of a folder tree to prove that
// nothing on disk changed, and a run of this same test program as a child process under a limit
// that only a child should have (a file-size limit, a kill).

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStringList>

#include <functional>

#include <csignal>
#include <sys/resource.h>

namespace faults {

// Every entry below `root`, by relative path: a file's bytes, or a mark for a folder, a link or
// a special file.
using Tree = QMap<QString, QByteArray>;

inline Tree snapshot(const QString& root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString relative = base.relativeFilePath(path);
        if (info.isSymLink()) {
            tree.insert(relative, "<link to " + QFile::encodeName(info.symLinkTarget()) + '>');
        } else if (info.isDir()) {
            tree.insert(relative, QByteArrayLiteral("<folder>"));
        } else if (!info.isFile()) {
            // A named pipe or a device: opening it could wait forever or never end.
            tree.insert(relative, QByteArrayLiteral("<special file>"));
        } else {
            QFile file(path);
            tree.insert(relative, file.open(QIODevice::ReadOnly)
                                      ? file.readAll()
                                      : QByteArrayLiteral("<unreadable>"));
        }
    }
    return tree;
}

// What differs between two pictures of a tree, in words; empty when nothing does.
inline QString difference(const Tree& before, const Tree& after)
{
    QStringList lines;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            lines << QStringLiteral("gone: %1").arg(it.key());
        else if (after.value(it.key()) != it.value())
            lines << QStringLiteral("changed: %1 (%2 bytes, was %3)")
                         .arg(it.key())
                         .arg(after.value(it.key()).size())
                         .arg(it.value().size());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            lines << QStringLiteral("new: %1").arg(it.key());
    }
    return lines.join(QLatin1Char('\n'));
}

// The argument that makes this test program run one child task instead of its test functions.
inline const QString childSwitch = QStringLiteral("--fault-child");

struct ChildResult {
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString output;
};

// Runs this program as `--fault-child task` in `folder`; `inChild` runs in the child between fork
// and exec (set limits there: they are inherited across exec).
inline ChildResult runChild(const QString& task, const QString& folder,
                            const std::function<void()>& inChild, int timeoutMs = 60000)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({childSwitch, task});
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier(inChild);
    child.start();
    ChildResult result;
    if (!child.waitForStarted(timeoutMs))
        return result;
    result.finished = child.waitForFinished(timeoutMs);
    if (!result.finished) {
        child.kill();
        child.waitForFinished();
    }
    result.exitCode = child.exitCode();
    result.status = child.exitStatus();
    result.output = QString::fromLocal8Bit(child.readAll());
    return result;
}

// Runs `task` in a child on a disk that refuses to grow: no file of its may pass `limitBytes`, and
// a write past it fails (EFBIG) instead of killing the process.
inline ChildResult runChildWithFileSizeLimit(const QString& task, const QString& folder,
                                             qint64 limitBytes)
{
    return runChild(task, folder, [limitBytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limitBytes), rlim_t(limitBytes)};
        setrlimit(RLIMIT_FSIZE, &size);
    });
}

} // namespace faults
