// The safe replacement of a file: a new file in the old one's place, whatever the names, links,
// owners and disks, and the old file kept whole when it fails.
#include "diskguard.h"
#include "names.h"
#include "paths.h"
#include "safefile.h"
#include "safefile_p.h"
#include "simfolder.h"
#include "winfiles.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <optional>

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    void replaceWritesAndReplaces();
    void replaceEveryNameTheRulesAccept_data();
    void replaceEveryNameTheRulesAccept();
    void shortNamesOpenTheLongOne();
    void replaceFailuresKeepTheOldFile();
    void replaceLeavesNoTemporaryFileWhenTheWriterFails_data();
    void replaceLeavesNoTemporaryFileWhenTheWriterFails();
    void replaceKeepsPermissionsAndLinks_data();
    void replaceKeepsPermissionsAndLinks();
    void replaceWritesWhatTheSystemReads_data();
    void replaceWritesWhatTheSystemReads();
    void replaceKeepsOwnerAndAccessList_data();
    void replaceKeepsOwnerAndAccessList();
    void replaceLeavesTheOldContentUnderASecondName();
    void replaceWithoutTheProcFolder();
    void replaceOnADiskThatFillsPartWay();
    void replaceOnReadOnlyDiskNamesTheDisk();
};

void TestSafeFile::replaceWritesAndReplaces()
{
    SimFolder sim;
    const QString path = sim.filePath("qel/a.qel");
    QCOMPARE(qel::files::replaceFile(path, QByteArray("first, longer content")), QString());
    QCOMPARE(qel::files::replaceFile(path, QByteArray("second")), QString());
    QCOMPARE(sim.read("qel/a.qel"), QByteArray("second"));
    QCOMPARE(sim.entries("qel"), QStringList({"a.qel"}));
}

void TestSafeFile::replaceEveryNameTheRulesAccept_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("248 characters") << 248 << false;
    QTest::newRow("249 characters") << 249 << false;
    QTest::newRow("255 characters") << 255 << false;
    QTest::newRow("a hidden file") << 8 << true;
}

void TestSafeFile::replaceEveryNameTheRulesAccept()
{
    QFETCH(int, length);
    QFETCH(bool, hidden);
    SimFolder sim;
    const QString name = QString(length - 4, u'n') + ".qel";
    const QString path = sim.filePath("qel/" + name);
    QVERIFY(qel::names::bareNameProblem(name).isEmpty());
    QCOMPARE(qel::files::replaceFile(path, QByteArray("first")), QString());
    if (hidden && !hideFile(path))
        QSKIP("no hidden attribute here");
    QCOMPARE(qel::files::replaceFile(path, QByteArray("second")), QString());
    QCOMPARE(sim.read("qel/" + name), QByteArray("second"));
    QCOMPARE(sim.entries("qel"), QStringList({name}));
    QCOMPARE(QFileInfo(path).isHidden(), hidden);
}

void TestSafeFile::shortNamesOpenTheLongOne()
{
    SimFolder sim;
    sim.write("qel/Very long scenario name.qel", "x");
    const auto qel = qel::paths::simulatorSubfolder("qel");
    const QString alias = shortAlias(sim.filePath("qel/Very long scenario name.qel"));
    if (alias.isEmpty())
        QSKIP("the system gives no short names");
    QVERIFY(qel::paths::fileExists(*qel, alias));
    QCOMPARE(QFileInfo(qel::paths::filePath(*qel, alias.toLower())).fileName(),
             QStringLiteral("Very long scenario name.qel"));
}

void TestSafeFile::replaceFailuresKeepTheOldFile()
{
    SimFolder sim;
    sim.write("qel/ro.qel", "old");
    QFile::setPermissions(sim.filePath("qel/ro.qel"), QFileDevice::ReadOwner);
    sim.mkdir("qel/dir.qel");
    QVERIFY(!qel::files::replaceFile(sim.filePath("qel/ro.qel"), QByteArray("new")).isEmpty());
    QVERIFY(!qel::files::replaceFile(sim.filePath("qel/dir.qel"), QByteArray("new")).isEmpty());
    QVERIFY(!qel::files::replaceFile(sim.filePath("missing/x.qel"), QByteArray("new")).isEmpty());
    QCOMPARE(sim.read("qel/ro.qel"), QByteArray("old"));
    QCOMPARE(sim.entries("qel"), QStringList({"dir.qel", "ro.qel"}));
#ifndef Q_OS_WIN
    // A link into a missing folder names that folder.
    QVERIFY(QFile::link("../gone/x.qel", sim.filePath("qel/away.qel")));
    QVERIFY(qel::files::replaceFile(sim.filePath("qel/away.qel"), QByteArray("new"))
                .contains(sim.filePath("gone")));
#endif
    QCOMPARE(sim.entries(), QStringList({"pilots", "qel"}));
}

void TestSafeFile::replaceLeavesNoTemporaryFileWhenTheWriterFails_data()
{
    QTest::addColumn<bool>("shortName");
    QTest::newRow("the usual way") << false;
    // Where the system has no files without a name, and for the longest names.
    QTest::newRow("through a short temporary name") << true;
}

void TestSafeFile::replaceLeavesNoTemporaryFileWhenTheWriterFails()
{
    QFETCH(bool, shortName);
    SimFolder sim;
    sim.write("qel/a.bmp", "old picture");
    const auto halfAPicture = [](QIODevice& out) {
        out.write("half of the new pic");
        return false;
    };
    const QString path = sim.filePath("qel/a.bmp");
    const QString error = shortName ? qel::files::replaceThroughTemporaryFile(path, halfAPicture)
                                    : qel::files::replaceFile(path, halfAPicture);
    QVERIFY(!error.isEmpty());
    QCOMPARE(sim.read("qel/a.bmp"), QByteArray("old picture"));
    QCOMPARE(sim.entries("qel"), QStringList({"a.bmp"}));
}

void TestSafeFile::replaceKeepsPermissionsAndLinks_data()
{
    // Each link in the qel folder and what it holds; "@" is the simulator folder.
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("file"); // where the links lead
    QTest::newRow("a link") << QStringList{"link.qel", "@/qel/shared.qel"} << "qel/shared.qel";
    QTest::newRow("a relative link")
        << QStringList{"link.qel", "../real/shared.qel"} << "real/shared.qel";
    QTest::newRow("two links in a row")
        << QStringList{"link.qel", "C1/l2.qel", "C1/l2.qel", "@/C2/real.qel"} << "C2/real.qel";
    QTest::newRow("a link to nowhere")
        << QStringList{"link.qel", "../real/new.qel"} << "real/new.qel";
}

void TestSafeFile::replaceKeepsPermissionsAndLinks()
{
#ifdef Q_OS_WIN
    QSKIP("permission bits and links are the Unix file systems'");
#endif
    QFETCH(QStringList, links);
    QFETCH(QString, file);
    SimFolder sim;
    sim.mkdir("qel/C1");
    sim.mkdir("C2");
    sim.mkdir("real");
    const bool existing = !file.endsWith("new.qel");
    const QFileDevice::Permissions groupWrites = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (existing) {
        sim.write(file, "old");
        QVERIFY(QFile::setPermissions(sim.filePath(file), groupWrites));
    }
    for (int i = 0; i < links.size(); i += 2) {
        QVERIFY(QFile::link(QString(links[i + 1]).replace('@', sim.path()),
                            sim.filePath("qel/" + links[i])));
    }
    QCOMPARE(qel::files::replaceFile(sim.filePath("qel/link.qel"), QByteArray("new")), QString());
    for (int i = 0; i < links.size(); i += 2)
        QVERIFY(QFileInfo(sim.filePath("qel/" + links[i])).isSymLink());
    QCOMPARE(sim.read(file), QByteArray("new"));
    const auto ownerGroupOther = QFileDevice::Permissions::fromInt(0x7077);
    if (existing)
        QCOMPARE(QFile::permissions(sim.filePath(file)) & ownerGroupOther, groupWrites);
    const QDir folder = QFileInfo(sim.filePath(file)).dir();
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks),
             QStringList({QFileInfo(file).fileName()}));
}

void TestSafeFile::replaceWritesWhatTheSystemReads_data()
{
    // Links made by the system's ln in a folder holding FS98 and disk2; `saved` is the path in
    // FS98 that is saved; empty `told` when the save goes through.
    QTest::addColumn<QString>("links");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("told");
    const QString otherDisk = "ln -s ../disk2/qel FS98/qel; ";
    QTest::newRow("qel on another disk, a relative link beside the real files")
        << otherDisk + "ln -s ../shared/T.qel disk2/qel/T.qel"
        << "qel/T.qel"
        << "";
    QTest::newRow("a photo's link to a link in the linked folder")
        << otherDisk + "ln -s qel/T2.bmp FS98/T.bmp; ln -s ../shared/T.qel disk2/qel/T2.bmp"
        << "T.bmp"
        << "";
    QTest::newRow("a target that climbs out of a linked folder")
        << otherDisk +
               "ln -s ../deep/a/b disk2/qel/sub; ln -s sub/../../shared/T.qel disk2/qel/T.qel"
        << "qel/T.qel"
        << "";
    QTest::newRow("a link to itself") << otherDisk + "ln -s T.qel disk2/qel/T.qel"
                                      << "qel/T.qel"
                                      << "leads nowhere in the end";
    QTest::newRow("three links in a circle") << "ln -s B.qel FS98/qel/A.qel; ln -s ../qel/C.qel "
                                                "FS98/qel/B.qel; ln -s A.qel FS98/qel/C.qel"
                                             << "qel/A.qel"
                                             << "leads nowhere in the end";
    QTest::newRow("a folder link in a circle")
        << "ln -s loop FS98/loop; ln -s ../loop/x.qel FS98/qel/x.qel"
        << "qel/x.qel"
        << "leads nowhere in the end";
}

// The kernel is the judge: after the save, reading the saved path gives the new content, and no
// other file or link below the folder changed.
void TestSafeFile::replaceWritesWhatTheSystemReads()
{
#ifdef Q_OS_WIN
    QSKIP("links made by the Unix command ln");
#endif
    QFETCH(QString, links);
    QFETCH(QString, saved);
    QFETCH(QString, told);
    SimFolder sim(false, false);
    for (const char* folder : {"FS98/pilots", "disk2/qel", "disk2/shared", "FS98/shared",
                               "disk2/deep/a/b", "disk2/deep/shared"})
        sim.mkdir(folder);
    if (!links.startsWith("ln -s ../disk2"))
        sim.mkdir("FS98/qel");
    for (const char* file : {"disk2/shared/T.qel", "FS98/shared/T.qel", "disk2/deep/shared/T.qel"})
        sim.write(file, file);
    QCOMPARE(QProcess::execute("sh", {"-c", links}), 0);
    const QString path = sim.filePath("FS98/" + saved);
    const disk::Tree before = disk::snapshot(sim.path());
    const auto asTold = [&told](const QString& reason) {
        return told.isEmpty() ? reason.isEmpty() : reason.contains(told);
    };
    const QString problem = qel::files::replaceProblem(path);
    QVERIFY2(asTold(problem), qPrintable(problem));
    const QString reason = qel::files::replaceFile(path, QByteArray("new"));
    QVERIFY2(asTold(reason), qPrintable(reason));
    disk::Tree after = disk::snapshot(sim.path());
    if (told.isEmpty()) {
        QCOMPARE(sim.read("FS98/" + saved), QByteArray("new"));
        QCOMPARE(std::count(after.cbegin(), after.cend(), QByteArray("new")), 1);
        for (auto it = after.begin(); it != after.end(); ++it)
            if (*it == "new")
                *it = before.value(it.key());
    }
    QCOMPARE(disk::difference(before, after), QString());
}

void TestSafeFile::replaceKeepsOwnerAndAccessList_data()
{
    QTest::addColumn<QStringList>("setUp"); // a command given the file's path last
    QTest::addColumn<QStringList>("describe");
    QTest::addColumn<QByteArray>("mark"); // in the description once the set-up took effect
    QTest::addColumn<int>("nameLength");  // 252 and more: through a short temporary name
    for (int length : {12, 252}) {
        QTest::addRow("owner and group, %d characters", length)
            << QStringList{"chown", "65534:65534"} << QStringList{"stat", "-c", "%u:%g %a"}
            << QByteArray("65534:65534") << length;
        QTest::addRow("access list, %d characters", length)
            << QStringList{"setfacl", "-m", "u:65534:rw"} << QStringList{"getfacl", "-cn"}
            << QByteArray("user:65534:rw-") << length;
        QTest::addRow("an extended attribute, %d characters", length)
            << QStringList{"setfattr", "-n", "user.qel", "-v", "kept"}
            << QStringList{"getfattr", "-d", "--absolute-names"} << QByteArray("user.qel=\"kept\"")
            << length;
        QTest::addRow("set-user, set-group and sticky bits, %d characters", length)
            << QStringList{"chmod", "7654"} << QStringList{"stat", "-c", "%a"} << QByteArray("7654")
            << length;
    }
}

// The owner, the group and the access list are set by the system's own commands and read by
// them, before and after a save.
void TestSafeFile::replaceKeepsOwnerAndAccessList()
{
#ifdef Q_OS_WIN
    QSKIP("owners and access lists set by the Unix commands");
#endif
    QFETCH(QStringList, setUp);
    QFETCH(QStringList, describe);
    QFETCH(QByteArray, mark);
    QFETCH(int, nameLength);
    SimFolder sim;
    const QString name = "qel/" + QString(nameLength - 4, u't') + ".qel";
    sim.write(name, "old");
    const QString path = sim.filePath(name);
    const auto run = [&path](QStringList command) -> std::optional<QByteArray> {
        QProcess process;
        process.start(command.takeFirst(), command << path);
        if (!process.waitForFinished() || process.exitCode() != 0)
            return std::nullopt;
        return process.readAllStandardOutput();
    };
    if (!run(setUp))
        QSKIP(qPrintable(setUp[0] + " failed: not here, or only for the administrator (root)"));
    const auto before = run(describe);
    QVERIFY2(before && before->contains(mark), before ? before->constData() : "");
    QCOMPARE(qel::files::replaceFile(path, QByteArray("new")), QString());
    QCOMPARE(sim.read(name), QByteArray("new"));
    QCOMPARE(run(describe), before);
}

// The save makes a new file in the old one's place, as editors that save safely do: a second name
// (a hard link) keeps the old content.
void TestSafeFile::replaceLeavesTheOldContentUnderASecondName()
{
#ifdef Q_OS_WIN
    QSKIP("made by the Unix command ln");
#endif
    SimFolder sim;
    sim.write("qel/a.qel", "old");
    QCOMPARE(QProcess::execute("ln", {sim.filePath("qel/a.qel"), sim.filePath("qel/b.qel")}), 0);
    QCOMPARE(qel::files::replaceFile(sim.filePath("qel/a.qel"), QByteArray("new")), QString());
    QCOMPARE(sim.read("qel/a.qel"), QByteArray("new"));
    QCOMPARE(sim.read("qel/b.qel"), QByteArray("old"));
}

namespace {

// Runs test function `function` of this program again as a child in a mount namespace of its own
// (which needs no administrator), after the shell command `setUp` ($0 is `folder`), with `folder`
// in $QEL_CHILD_FOLDER. Empty when it passed; "skip: …" where no such namespace can be made.
QString runInNamespace(const QString& setUp, const QString& function, const QString& folder)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QEL_CHILD_FOLDER", folder);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("unshare", {"--user", "--map-root-user", "--mount", "sh", "-c",
                            setUp + " || exit 77; exec \"$1\" " + function, folder,
                            QCoreApplication::applicationFilePath()});
    child.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (child.error() == QProcess::FailedToStart || child.exitCode() == 77)
        return "skip: no namespace of its own here: " + output;
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 ? QString() : output;
}

} // namespace

// The child sees the qel folder mounted read-only, and checks what the user is told.
void TestSafeFile::replaceOnReadOnlyDiskNamesTheDisk()
{
    if (const QString readOnly = qEnvironmentVariable("QEL_CHILD_FOLDER"); !readOnly.isEmpty()) {
        for (const char* name : {"old.qel", "new.qel"}) {
            const QString error = qel::files::replaceFile(readOnly + '/' + name, QByteArray("new"));
            QVERIFY2(error.contains("on a disk that cannot be written to"), qPrintable(error));
        }
        return;
    }
    SimFolder sim;
    sim.write("qel/old.qel", "old");
    const QString failed =
        runInNamespace("mount --bind \"$0\" \"$0\" && mount -o remount,ro,bind \"$0\" \"$0\"",
                       "replaceOnReadOnlyDiskNamesTheDisk", sim.filePath("qel"));
    if (failed.startsWith("skip: "))
        QSKIP(qPrintable(failed));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QCOMPARE(sim.read("qel/old.qel"), QByteArray("old"));
    QCOMPARE(sim.entries("qel"), QStringList({"old.qel"}));
}

// The child sees no /proc, as in some containers and sandboxes.
void TestSafeFile::replaceWithoutTheProcFolder()
{
    if (const QString folder = qEnvironmentVariable("QEL_CHILD_FOLDER"); !folder.isEmpty()) {
        QVERIFY(!QFileInfo::exists("/proc/self"));
        QCOMPARE(qel::files::replaceFile(folder + "/old.qel", QByteArray("new")), QString());
        QCOMPARE(qel::files::replaceFile(folder + "/new.qel", QByteArray("new")), QString());
        return;
    }
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers read their options and the leak check its threads from /proc.
    QSKIP("A sanitizer build cannot run without /proc; the normal build runs this.");
#endif
    SimFolder sim;
    sim.write("qel/old.qel", "old");
    const QString failed = runInNamespace("mount -t tmpfs none /proc",
                                          "replaceWithoutTheProcFolder", sim.filePath("qel"));
    if (failed.startsWith("skip: "))
        QSKIP(qPrintable(failed));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QCOMPARE(sim.read("qel/old.qel"), QByteArray("new"));
    QCOMPARE(sim.entries("qel"), QStringList({"new.qel", "old.qel"}));
}

// The child sees the qel folder on a disk of 256 KB, most of it taken by another file. The write
// is cut short by the full disk; by the time the save looks for the reason, that other file is
// gone and the disk would take another byte.
void TestSafeFile::replaceOnADiskThatFillsPartWay()
{
    if (const QString folder = qEnvironmentVariable("QEL_CHILD_FOLDER"); !folder.isEmpty()) {
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        QCOMPARE(filler.write(QByteArray(160 << 10, 'f')), qint64(160 << 10));
        filler.close();
        // The usual way, and through a short temporary name for the longest names.
        for (const QString& name : {QStringLiteral("photo.bmp"), QString(246, u'p') + ".bmp"}) {
            const QString reason =
                qel::files::replaceFile(folder + '/' + name, [&filler](QIODevice& out) {
                    const QByteArray photo(512 << 10, 'p');
                    const bool whole = out.write(photo) == photo.size();
                    filler.remove();
                    return whole;
                });
            QVERIFY2(reason.contains("No space left on device"), qPrintable(reason));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(160 << 10, 'f'));
            filler.close();
        }
        return;
    }
#ifdef Q_OS_WIN
    QSKIP("a disk of its own in a Linux mount namespace");
#endif
    SimFolder sim;
    const QString failed = runInNamespace("mount -t tmpfs -o size=256k none \"$0\"",
                                          "replaceOnADiskThatFillsPartWay", sim.filePath("qel"));
    if (failed.startsWith("skip: "))
        QSKIP(qPrintable(failed));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
