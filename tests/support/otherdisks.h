#pragma once

// The qel folder on disks unlike the simulator's own: on another disk through a link, and on a
// FAT disk.
#include "simfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

// A FAT file system, as on a disk shared with Windows, mounted through FUSE (fusefat) over a
// folder for the life of the object. FAT has no owners, modes or extended attributes.
class FatDisk {
public:
    explicit FatDisk(const QString& mountPoint)
        : m_mountPoint(mountPoint)
    {
        const QString image = m_image.filePath(QStringLiteral("disk.fat"));
        if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
            m_problem = QStringLiteral("no /dev/fuse here");
        else if (!run(QStringLiteral("mkfs.fat"), {"-C", image, "8192"}))
            m_problem = QStringLiteral("mkfs.fat (package dosfstools) failed");
        else if (!run(QStringLiteral("fusefat"), {"-o", "rw+", image, mountPoint}) ||
                 !QStorageInfo(mountPoint).fileSystemType().startsWith("fuse"))
            m_problem = QStringLiteral("fusefat could not mount the disk");
        else
            m_mounted = true;
    }
    ~FatDisk()
    {
        if (m_mounted)
            run(QStringLiteral("fusermount"), {"-u", m_mountPoint});
    }
    FatDisk(const FatDisk&) = delete;
    FatDisk& operator=(const FatDisk&) = delete;

    // Why there is no such disk, for a skip; empty once mounted.
    QString problem() const { return m_problem; }

private:
    static bool run(const QString& name, const QStringList& arguments)
    {
        const QString program = QStandardPaths::findExecutable(name).isEmpty()
                                    ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"})
                                    : QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            return false;
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QTemporaryDir m_image;
    QString m_mountPoint;
    QString m_problem;
    bool m_mounted = false;
};

// qel a link to disk2/qel, "another disk" beside the simulator's folders; in it T.EXT, a relative
// link to ../shared/T.EXT, and T2.EXT, another to the same. The system follows each relative link
// from the folder it really is in, so both lead to disk2/shared/T.EXT ("REAL"); the simulator's
// own shared/T.EXT ("UNRELATED") is where the path they are reached by would lead.
inline bool linkQelToAnotherDisk(const SimFolder& sim, const QString& extension)
{
    for (const char* folder : {"disk2/qel", "disk2/shared", "shared"})
        sim.mkdir(folder);
    sim.write("disk2/shared/T." + extension, "REAL");
    sim.write("shared/T." + extension, "UNRELATED");
    return QFile::link(QStringLiteral("disk2/qel"), sim.filePath(QStringLiteral("qel"))) &&
           QFile::link("../shared/T." + extension, sim.filePath("disk2/qel/T." + extension)) &&
           QFile::link("../shared/T." + extension, sim.filePath("disk2/qel/T2." + extension));
}
