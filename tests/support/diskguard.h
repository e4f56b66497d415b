#pragma once

// Proof that nothing on disk changed: a picture of a folder tree, taken before and compared after.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QTest>

namespace disk {

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

} // namespace disk

// The tree below a folder as it was when the guard was made (or when remember() was last called);
// QVERIFY_DISK_UNCHANGED fails the test with what was added, removed or changed since.
class DiskGuard {
public:
    explicit DiskGuard(const QString& root)
        : m_root(root)
        , m_before(disk::snapshot(root))
    {
    }
    void remember() { m_before = disk::snapshot(m_root); }
    QString changes() const { return disk::difference(m_before, disk::snapshot(m_root)); }

private:
    QString m_root;
    disk::Tree m_before;
};

#define QVERIFY_DISK_UNCHANGED(guard)                                                              \
    do {                                                                                           \
        const QString diskChanges = (guard).changes();                                             \
        QVERIFY2(diskChanges.isEmpty(), qPrintable(diskChanges));                                  \
    } while (false)
