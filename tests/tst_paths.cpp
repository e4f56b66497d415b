// Paths in the simulator folder: letter case ignored, missing folders, Windows' VirtualStore
// copy and short names.
#include "diskguard.h"
#include "filelist.h"
#include "modalanswerer.h"
#include "ownsettings.h"
#include "paths.h"
#include "safefile.h"
#include "saveflow.h"
#include "simfolder.h"
#include "simulatorfolder.h"
#include "winfiles.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    void pathsIgnoreLetterCase();
    void missingFolderIsNotFound();
    void virtualStoreMergesWithTheFolder();
    void noToTheQuestionLeavesTheVirtualStoreAsItWas();
    void shortNamedFolderIsTakenByItsLongName();
};

void TestPaths::pathsIgnoreLetterCase()
{
    SimFolder sim(false, false);
    sim.mkdir("QEL");
    sim.write("QEL/Demo.QEL", "x");
    sim.mkdir("QEL/sub.qel");
    const auto qel = qel::paths::simulatorSubfolder("qel");
    QVERIFY(qel);
    QVERIFY(qel::paths::fileExists(*qel, "demo.qel"));
    QVERIFY(!qel::paths::fileExists(*qel, "sub.qel")); // a folder is no file
    QVERIFY(!qel::paths::fileExists(*qel, "other.qel"));
    QCOMPARE(QFileInfo(qel::paths::filePath(*qel, "DEMO.qel")).fileName(),
             QStringLiteral("Demo.QEL"));
    QCOMPARE(QFileInfo(qel::paths::filePath(*qel, "new.qel")).fileName(),
             QStringLiteral("new.qel"));
    QCOMPARE(qel::paths::shownPath(*qel, "x.qel"), QDir::toNativeSeparators("QEL/x.qel"));
}

void TestPaths::missingFolderIsNotFound()
{
    SimFolder sim(false, false);
    sim.write("qel", "a file, not a folder");
    QVERIFY(!qel::paths::simulatorSubfolder("qel"));
    QVERIFY(!qel::paths::simulatorSubfolder("pilots"));
}

void TestPaths::virtualStoreMergesWithTheFolder()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' own redirection");
#else
    const BelowProgramFiles sim;
    QVERIFY(sim.dir.isValid());
    const QString simPath = sim.path();
    QDir copy = sim.copy();
    auto write = [](const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(simPath + "/qel/both.qel", "real") && write(simPath + "/qel/real.qel", "real"));
    QVERIFY(write(copy.filePath("qel/BOTH.qel"), "copy") &&
            write(copy.filePath("qel/Copy.qel"), "copy"));
    const QDir qel(simPath + "/qel");
    const auto same = [](const QString& a, const QString& b) {
        return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
    };
    QVERIFY2(qel::paths::virtualStoreCopy(qel),
             "a folder below Program Files has no VirtualStore copy");

    qel::FileList list;
    list.setFolder(qel, "*.qel");
    QCOMPARE(list.names(), (QStringList{"BOTH.qel", "Copy.qel", "real.qel"}));
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(read(qel::paths::readPath(qel, "both.qel")), QByteArray("copy"));
    QCOMPARE(read(qel::paths::readPath(qel, "real.qel")), QByteArray("real"));
    QVERIFY(qel::paths::seenFileExists(qel, "copy.qel"));
    QVERIFY(same(qel::paths::writePath(qel, "both.qel").file, copy.filePath("qel/BOTH.qel")));
    QVERIFY(same(qel::paths::writePath(qel, "new.qel").file, qel.filePath("new.qel")));
    // Outside Program Files and the Windows folder nothing changes.
    const QTemporaryDir elsewhere;
    QVERIFY(!qel::paths::virtualStoreCopy(QDir(elsewhere.path())));
    QVERIFY(copy.removeRecursively());
#endif
}

// Below Program Files, in a folder the user may not write, a save goes to the VirtualStore copy.
// Working that out makes nothing: after a "No" to the question both the folder and the user's
// VirtualStore are as they were; a "Yes" makes the copy's folder and saves in it.
void TestPaths::noToTheQuestionLeavesTheVirtualStoreAsItWas()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' VirtualStore");
#else
    const BelowProgramFiles sim;
    QVERIFY(sim.dir.isValid());
    const QString simPath = sim.path();
    const QDir qel(simPath + "/qel");
    QVERIFY(QDir().mkpath(qel.path()));
    QFile old(qel.filePath("Old.qel"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QDir copy(sim.copy().filePath("qel"));
    const auto cleanUp = qScopeGuard([&] {
        setImmutable(qel.path(), false);
        sim.copy().removeRecursively();
    });
    QVERIFY(setImmutable(qel.path(), true));
    const DiskGuard simGuard(simPath);
    const DiskGuard storeGuard(BelowProgramFiles::store());
    const qel::files::SaveTarget target = qel::files::saveTarget(qel, "old.qel");
    int writes = 0;
    const auto write = [&writes](const QString& path) {
        ++writes;
        return qel::files::replaceFile(path, QByteArray("new"));
    };
    ModalAnswerer answerer;
    answerer.expectOverwriteQuestion(QMessageBox::No);
    QVERIFY(!qel::files::saveWithQuestion(nullptr, target, qel::files::Saved::Scenario, write));
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(writes, 0);
    QVERIFY_DISK_UNCHANGED(simGuard);
    QVERIFY_DISK_UNCHANGED(storeGuard);

    answerer.expectOverwriteQuestion(QMessageBox::Yes);
    answerer.expectSaved(true);
    QVERIFY(qel::files::saveWithQuestion(nullptr, target, qel::files::Saved::Scenario, write));
    QVERIFY_ANSWERED(answerer);
    QVERIFY_DISK_UNCHANGED(simGuard);
    QFile saved(copy.filePath("Old.qel"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("new"));
#endif
}

// A simulator folder named by its short 8.3 name, as an old shortcut or "dir /x" gives it, is
// the same folder as by its long name: seen through VirtualStore, and remembered by that.
void TestPaths::shortNamedFolderIsTakenByItsLongName()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' short names");
#else
    QTemporaryDir sim(qEnvironmentVariable("ProgramFiles") + QStringLiteral("/Flight sim XXXXXX"));
    QVERIFY(sim.isValid() && QDir(sim.path()).mkdir(QStringLiteral("pilots")));
    const QString longPath = QDir::fromNativeSeparators(sim.path());
    const QString alias = shortPath(longPath);
    QVERIFY2(!alias.isEmpty() && !alias.contains(u' '), qPrintable(alias));
    const std::optional<QDir> copy = qel::paths::virtualStoreCopy(QDir(alias));
    QVERIFY2(copy,
             "a folder below Program Files, named by its short name, has no VirtualStore copy");
    QCOMPARE(copy->path(), qel::paths::virtualStoreCopy(QDir(longPath))->path());
    const qel::simulator::StartFolder start = qel::simulator::findStartFolder({alias});
    QCOMPARE(start.step, qel::simulator::Step::Argument);
    QCOMPARE(start.folder.toLower(), longPath.toLower());
    const OwnSettings settings;
    qel::simulator::rememberFolder(alias);
    QCOMPARE(settings.folder().toString().toLower(), QDir::toNativeSeparators(longPath).toLower());
#endif
}

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"
