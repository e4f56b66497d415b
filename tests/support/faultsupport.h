#pragma once

// Helpers of the injected-fault suites (tst_faults*.cpp): a run of this same test program as a
// child process under a limit that only a child should have (a file-size limit, a kill).

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <functional>

#include <csignal>
#include <sys/resource.h>

namespace faults {

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
