// Starting the photo tool and the launcher, and ending the editor. Every program started here
// is a small stand-in script written by the test, which records that it ran, with what
// arguments and in which folder.
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "launch.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "simfolder.h"
#include "standin.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using namespace qel::editor;

namespace {

using standin::recorded;

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

// PATH for the length of one test.
class PathForTest {
public:
    explicit PathForTest(const QString& path)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathForTest() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

class TestLaunch : public EditorFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void photoToolSearchOrder_data();
    void photoToolSearchOrder();
    void photoToolMissingEverywhere();
    void launcherStartsAndTheEditorEnds();
    void launcherFoundWhateverItsLetterCase();
    void failedLauncherStartKeepsTheEditor_data();
    void failedLauncherStartKeepsTheEditor();
    void windowsProgramRunsThroughWine();
    void windowsProgramWithoutWineIsReported();
    void exitEndsTheEditorAtOnce();
    void endingLeavesTheEventLoopWithoutClosingSteps();

private:
    std::unique_ptr<QTemporaryDir> m_programFolder; // the editor's own folder, for the search
    std::optional<qel::launch::ProgramFolderForTests> m_programFolderHook;
    std::unique_ptr<QTemporaryDir> m_scratch; // markers and PATH folders
};

void TestLaunch::init()
{
    EditorFixture::init();
    m_programFolder = std::make_unique<QTemporaryDir>();
    m_scratch = std::make_unique<QTemporaryDir>();
    m_programFolderHook.emplace(m_programFolder->path());
}

void TestLaunch::cleanup()
{
    m_programFolderHook.reset();
    EditorFixture::cleanup();
}

void TestLaunch::photoToolSearchOrder_data()
{
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("inCurrentFolder");
    QTest::addColumn<bool>("onPath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("everywhere: beside the editor wins") << true << true << true << "program";
    QTest::newRow("current folder before PATH") << false << true << true << "current";
    QTest::newRow("PATH last") << false << false << true << "path";
}

void TestLaunch::photoToolSearchOrder()
{
    QFETCH(bool, besideProgram);
    QFETCH(bool, inCurrentFolder);
    QFETCH(bool, onPath);
    QFETCH(QString, expected);
    SimFolder& sim = folder();
    const QString pathFolder = m_scratch->filePath(QStringLiteral("bin"));
    QDir().mkpath(pathFolder);
    PathForTest path(pathFolder);
    const QString marker = m_scratch->filePath(QStringLiteral("marker"));
    const QString tool = standin::photoTool;
    if (besideProgram)
        standin::write(m_programFolder->filePath(tool), marker, "program");
    if (inCurrentFolder)
        standin::write(sim.filePath(tool), marker, "current");
    if (onPath)
        standin::write(pathFolder + QLatin1Char('/') + tool, marker, "path");

    const auto started = qel::launch::startPhotoTool();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QVERIFY(started.pid > 0);
    QTRY_COMPARE_WITH_TIMEOUT(recorded(marker).size(), 3, 15000);
    QCOMPARE(recorded(marker), (QStringList{expected, QStringLiteral("0"), canonical(sim.path())}));
}

void TestLaunch::photoToolMissingEverywhere()
{
    PathForTest path(m_scratch->path());
    const auto started = qel::launch::startPhotoTool();
    QVERIFY(!started.ok());
    QVERIFY2(started.error.contains(QStringLiteral("could not be found")),
             qPrintable(started.error));
    QVERIFY2(started.error.contains(QDir::toNativeSeparators(m_programFolder->path())),
             qPrintable(started.error));
}

void TestLaunch::launcherStartsAndTheEditorEnds()
{
    SimFolder& sim = folder();
    const QString marker = m_scratch->filePath(QStringLiteral("marker"));
    standin::write(sim.filePath(QStringLiteral("qel.exe")), marker);
    EditorWindow& form = this->window();
    QSignalSpy ended(&form, &EditorWindow::endRequested);
    form.show();
    ModalAnswerer answerer(1000);
    QTest::mouseClick(::ui(form).Command6, Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(
        recorded(marker),
        (QStringList{QStringLiteral("ran"), QStringLiteral("0"), canonical(sim.path())}), 15000);
    QVERIFY_ANSWERED(answerer);
}

void TestLaunch::launcherFoundWhateverItsLetterCase()
{
    SimFolder& sim = folder();
    const QString marker = m_scratch->filePath(QStringLiteral("marker"));
    standin::write(sim.filePath(QStringLiteral("QEL.EXE")), marker);
    QCOMPARE(canonical(qel::launch::findLauncher()),
             canonical(sim.filePath(QStringLiteral("QEL.EXE"))));
    QVERIFY(qel::launch::startLauncher().ok());
    QTRY_COMPARE_WITH_TIMEOUT(recorded(marker).value(0), QStringLiteral("ran"), 15000);
}

void TestLaunch::failedLauncherStartKeepsTheEditor_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("told");
    // A folder (no bytes) that merely looks like the launcher does not count.
    QTest::newRow("missing") << QStringLiteral("qel.exe.d") << QByteArray()
                             << QStringLiteral("there is no \"qel.exe\"");
    QTest::newRow("no program") << QStringLiteral("qel.exe")
                                << QByteArray("not a program, and not marked as one")
                                << QStringLiteral("could not be started");
}

void TestLaunch::failedLauncherStartKeepsTheEditor()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, told);
    SimFolder& sim = folder();
    if (bytes.isEmpty())
        sim.mkdir(file);
    else
        sim.write(file, bytes);
    EditorWindow& form = this->window();
    QSignalSpy ended(&form, &EditorWindow::endRequested);
    form.show();
    ui().Text23->setText(QStringLiteral("unsaved work"));
    ModalAnswerer& answerer = this->answerer();
    answerer.expectFailure(told);
    QTest::mouseClick(ui().Command6, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ended.count(), 0);
    QVERIFY(form.isVisible());
    QCOMPARE(ui().Text23->text(), QStringLiteral("unsaved work"));
}

void TestLaunch::windowsProgramRunsThroughWine()
{
#ifdef Q_OS_WIN
    QSKIP("Windows runs its own programs.");
#endif
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel.exe"), QByteArray("MZ\x90\0\x03\0\0\0", 8)); // not executable
    const QString pathFolder = m_scratch->filePath(QStringLiteral("bin"));
    QDir().mkpath(pathFolder);
    const QString marker = m_scratch->filePath(QStringLiteral("marker"));
    standin::write(pathFolder + QStringLiteral("/wine"), marker, "wine");
    PathForTest path(pathFolder);
    const auto started = qel::launch::startLauncher();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QTRY_COMPARE_WITH_TIMEOUT(
        recorded(marker),
        (QStringList{QStringLiteral("wine"), QStringLiteral("1"), canonical(sim.path()),
                     canonical(sim.filePath(QStringLiteral("qel.exe")))}),
        15000);

    // In the editor's own locale, from which Wine takes the code page the launcher reads in.
    QFile wine(pathFolder + QStringLiteral("/wine"));
    QVERIFY(wine.open(QIODevice::WriteOnly | QIODevice::Truncate));
    wine.write("#!/bin/sh\nprintf '%s\\n' \"$LC_ALL/$LC_CTYPE/$LANG\" > '" + marker.toUtf8() +
               "'\n");
    wine.close();
    const QByteArray before = qgetenv("LC_CTYPE");
    qputenv("LC_CTYPE", "ru_RU.UTF-8");
    const QString own =
        qEnvironmentVariable("LC_ALL") + "/ru_RU.UTF-8/" + qEnvironmentVariable("LANG");
    const bool ok = qel::launch::startLauncher().ok();
    before.isNull() ? qunsetenv("LC_CTYPE") : qputenv("LC_CTYPE", before);
    QVERIFY(ok);
    QTRY_COMPARE_WITH_TIMEOUT(recorded(marker), QStringList{own}, 15000);
}

void TestLaunch::windowsProgramWithoutWineIsReported()
{
#ifdef Q_OS_WIN
    QSKIP("Windows runs its own programs.");
#endif
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qelphoto.exe"), QByteArray("MZ\x90\0", 4));
    PathForTest path(m_scratch->path());
    // No Unix build of the photo tool anywhere, so the Windows one in the current folder is used.
    QCOMPARE(canonical(qel::launch::findPhotoTool()),
             canonical(sim.filePath(QStringLiteral("qelphoto.exe"))));
    const auto started = qel::launch::startPhotoTool();
    QVERIFY(!started.ok());
    QVERIFY2(started.error.contains(QStringLiteral("Windows program")), qPrintable(started.error));
    QVERIFY2(started.error.contains(QStringLiteral("\"wine\"")), qPrintable(started.error));
}

void TestLaunch::exitEndsTheEditorAtOnce()
{
    EditorWindow& form = this->window();
    QSignalSpy ended(&form, &EditorWindow::endRequested);
    form.show();
    ui().Text23->setText(QStringLiteral("unsaved work"));
    ModalAnswerer answerer(500);
    QTest::mouseClick(ui().Command5, Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QTest::qWait(50);
    QVERIFY_ANSWERED(answerer); // no question was asked
}

// The real way of ending: the event loop that main() runs returns, every window is gone, and no
// window was asked to close (which could ask questions of its own).
void TestLaunch::endingLeavesTheEventLoopWithoutClosingSteps()
{
    EditorWindow& form = this->window();
    connect(&form, &EditorWindow::endRequested, &EditorWindow::endApplication); // as main() does
    form.show();
    QWidget bystander;
    bystander.show();
    struct CloseWatch : QObject {
        int closes = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Close)
                ++closes;
            return false;
        }
    } watch;
    form.installEventFilter(&watch);
    bystander.installEventFilter(&watch);
    QTimer::singleShot(0, &form,
                       [&form] { QTest::mouseClick(::ui(form).Command5, Qt::LeftButton); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!form.isVisible());
    QVERIFY(!bystander.isVisible());
    QCOMPARE(watch.closes, 0);
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
