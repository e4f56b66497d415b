// Injected faults around the editor's save: a file system that refuses to grow, a folder where
// the file should go, the qel folder turned into a file or removed while the editor is open, and
// names and descriptions that only Windows' rules make dangerous. Each ends with every file that
// was on disk byte-identical, nothing new left behind, and a failure message shown.
#include "diskguard.h"
#include "editorcontrols.h"
#include "editorwindow.h"
#include "faultsupport.h"
#include "foldertexts.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "otherdisks.h"
#include "savescenario.h"
#include "simfolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <optional>

#include <grp.h>
#include <unistd.h>

using namespace qel::editor;

namespace {

// A scenario file as an earlier save left it, written out by hand.
const QByteArray oldFile = "@echo off\r\n"
                           "goto next\r\n"
                           "Old one\r\n"
                           "demo.qel\r\n"
                           "app\r\n"
                           " \r\n"
                           "A.stn\r\n"
                           "demo.qel\r\n"
                           "Old one\r\n"
                           "L\r\n"
                           "FWIN\r\n"
                           "SET1\r\n"
                           "app\r\n"
                           ":next\r\n"
                           "\r\n"
                           "call qel.bat L FWIN SET1\r\n"
                           "\r\n"
                           ":end\r\n"
                           "del qeltemp.bat >nul\r\n";

void fillIn(EditorWindow& form, const QString& fileName)
{
    const EditorControls ui(form);
    ui.Text1->setText(QStringLiteral("A.stn"));
    ui.Text24->setText(fileName);
    ui.Text23->setText(QStringLiteral("A long grey afternoon with rain showers from the west"));
}

void prepare(SimFolder& sim)
{
    sim.write(QStringLiteral("pilots/A.stn"), "flight");
    sim.write(QStringLiteral("qel/other.qel"), "other");
    sim.write(QStringLiteral("qel/meigs.bmp"), "BM not really");
}

qel::Scenario plainFields(const QString& description)
{
    qel::Scenario f;
    f.description = description;
    f.fileName = QStringLiteral("demo.qel");
    f.appletFlag = QStringLiteral("app");
    f.picture = QStringLiteral(" ");
    f.flight = QStringLiteral("A.stn");
    return f;
}

// Child task: the editor saves demo.qel in the current folder, and fails (the file system refuses
// to let the file grow past the limit its parent set, or the file may not be replaced). Exit code
// 0 when the user was asked (if the file existed) and then told of the failure; where $QEL_TOLD
// is set, told before any question, in words that contain it.
int childSaveScenario()
{
    EditorWindow form;
    form.show();
    fillIn(form, QStringLiteral("demo.qel"));
    ModalAnswerer answers;
    const QString told = qEnvironmentVariable("QEL_TOLD");
    const bool replacing = QFileInfo::exists(QStringLiteral("qel/demo.qel"));
    if (told.isEmpty() && replacing)
        answers.expectOverwriteQuestion(QMessageBox::Yes);
    // Worded as the photo tool words it, the old file's fate included.
    const QString failed = replacing ? QStringLiteral("\nThe file that was there is unchanged.")
                                     : QStringLiteral("could not be saved");
    answers.expectFailure(told.isEmpty() ? failed : told);
    ui(form).Command1->click();
    if (!answers.allAnswered()) {
        std::fprintf(stderr, "%s\n", qPrintable(answers.report()));
        return 1;
    }
    return 0;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void fileSystemRefusesToGrow_data();
    void fileSystemRefusesToGrow();
    void targetNameTakenByFolder();
    void replacesOnOtherDisks_data();
    void replacesOnOtherDisks();
    void refusedBeforeTheQuestion_data();
    void refusedBeforeTheQuestion();
    void qelFolderIsAFile();
    void qelFolderRemovedWhileEditorIsOpen();
    void qelFolderReplacedByFileWhileEditorIsOpen();
    void namesWindowsKeepsForDevices_data();
    void namesWindowsKeepsForDevices();
    void descriptionsTheInterpreterTakesAsTheLabel_data();
    void descriptionsTheInterpreterTakesAsTheLabel();
};

void TestFaults::fileSystemRefusesToGrow_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("limit");
    QTest::newRow("over an existing file, nothing may grow") << true << 0;
    QTest::newRow("over an existing file, half a file") << true << 200;
    QTest::newRow("new file, half a file") << false << 200;
}

void TestFaults::fileSystemRefusesToGrow()
{
    QFETCH(bool, existing);
    QFETCH(int, limit);
    SimFolder sim;
    prepare(sim);
    if (existing)
        sim.write(QStringLiteral("qel/demo.qel"), oldFile);
    const DiskGuard onDisk(sim.path());

    const auto child =
        faults::runChildWithFileSizeLimit(QStringLiteral("save-scenario"), sim.path(), limit);
    QVERIFY2(child.finished, qPrintable(child.output));
    QCOMPARE(child.status, QProcess::NormalExit);
    QVERIFY2(child.exitCode == 0, qPrintable(child.output));

    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::refusedBeforeTheQuestion_data()
{
    QTest::addColumn<int>("qelMode");
    QTest::addColumn<int>("fileMode"); // of demo.qel, which is root's
    QTest::addColumn<QString>("told");
    QTest::newRow("a folder that cannot be written")
        << 0555 << 0666 << QStringLiteral("The folder %1 cannot be written to");
    QTest::newRow("another user's file")
        << 0777 << 0644
        << QStringLiteral("The existing file belongs to root, and you may not change it");
    // As /tmp is: anyone may add files, but only a file's owner may replace it.
    QTest::newRow("another user's file in a sticky folder")
        << 01777 << 0666
        << QStringLiteral("The existing file belongs to root, and the folder %1 lets only a "
                          "file's owner replace it");
}

// The save runs as a child: as the user "nobody" where the suites run as root, who could write
// anything.
void TestFaults::refusedBeforeTheQuestion()
{
    QFETCH(int, qelMode);
    QFETCH(int, fileMode);
    QFETCH(QString, told);
    SimFolder sim;
    prepare(sim);
    sim.write(QStringLiteral("qel/demo.qel"), oldFile);
    const bool root = QFileInfo(sim.filePath(QStringLiteral("qel/demo.qel"))).ownerId() == 0;
    if (qelMode != 0555 && !root)
        QSKIP("only the administrator (root) can make a file another user's");
    const QString qel = sim.filePath(QStringLiteral("qel"));
    QVERIFY(QFile::setPermissions(sim.path(), QFileDevice::Permissions::fromInt(0x5555)));
    QCOMPARE(QProcess::execute("chmod", {QString::number(qelMode, 8), qel}), 0);
    QCOMPARE(QProcess::execute("chmod", {QString::number(fileMode, 8), qel + "/demo.qel"}), 0);
    const DiskGuard onDisk(sim.path());
    qputenv("QEL_TOLD", told.replace("%1", sim.filePath("qel")).toUtf8());
    const auto child = faults::runChild(QStringLiteral("save-scenario"), sim.path(), [root] {
        if (root && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
    });
    qunsetenv("QEL_TOLD");
    QCOMPARE(QProcess::execute("chmod", {"0777", qel}), 0);
    QVERIFY2(child.finished, qPrintable(child.output));
    QVERIFY2(child.exitCode == 0, qPrintable(child.output));
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::targetNameTakenByFolder()
{
    SimFolder sim;
    prepare(sim);
    sim.mkdir(QStringLiteral("qel/demo.qel"));
    sim.write(QStringLiteral("qel/demo.qel/inside.txt"), "kept");
    const DiskGuard onDisk(sim.path());

    EditorWindow form;
    fillIn(form, QStringLiteral("demo.qel"));
    ModalAnswerer answers;
    answers.expectFailure(QStringLiteral("A folder of that name is in the way."));
    ui(form).Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::replacesOnOtherDisks_data()
{
    QTest::addColumn<bool>("onFat"); // else qel is a link to another disk
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("through the links") << false << "T.qel"
                                       << "disk2/shared/T.qel";
    QTest::newRow("on FAT") << true << "fat.qel"
                            << "qel/fat.qel";
    // Too long for QSaveFile's temporary name: through a short one instead.
    const QString longName = QString(246, u'f') + ".qel";
    QTest::newRow("on FAT, 250 characters") << true << longName << "qel/" + longName;
}

// The file the system reaches through the links is replaced, never another; a disk that has no
// owners or modes takes a file in place of another all the same.
void TestFaults::replacesOnOtherDisks()
{
    QFETCH(bool, onFat);
    QFETCH(QString, name);
    QFETCH(QString, written);
    SimFolder sim(true, onFat);
    sim.write(QStringLiteral("pilots/A.stn"), "flight");
    std::optional<FatDisk> fat;
    if (onFat && !fat.emplace(sim.filePath(QStringLiteral("qel"))).problem().isEmpty())
        QSKIP(qPrintable(fat->problem()));
    if (!onFat)
        QVERIFY(linkQelToAnotherDisk(sim, QStringLiteral("qel")));
    EditorWindow form;
    fillIn(form, name);
    ModalAnswerer answers;
    if (onFat) {
        answers.expectSaved(false);
        ui(form).Command1->click();
    }
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    ui(form).Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(sim.read(written).startsWith("@echo off\r\n"));
    if (!onFat)
        QCOMPARE(sim.read(QStringLiteral("shared/T.qel")), QByteArray("UNRELATED"));
}

void TestFaults::qelFolderIsAFile()
{
    SimFolder sim(true, false);
    sim.write(QStringLiteral("pilots/A.stn"), "flight");
    sim.write(QStringLiteral("qel"), "a file called qel");
    const DiskGuard onDisk(sim.path());

    EditorWindow form;
    fillIn(form, QStringLiteral("demo.qel"));
    ModalAnswerer answers;
    answers.expectFailure(foldertexts::noQelToSaveScenario());
    ui(form).Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::qelFolderRemovedWhileEditorIsOpen()
{
    SimFolder sim;
    prepare(sim);
    EditorWindow form;
    const EditorControls ui(form);
    form.show();
    fillIn(form, QStringLiteral("demo.qel"));
    QVERIFY(QDir(sim.filePath(QStringLiteral("qel"))).removeRecursively());
    const DiskGuard onDisk(sim.path());

    ModalAnswerer answers;
    answers.expectFailure(foldertexts::noQelToSaveScenario());
    ui.Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);

    // Once the folder is back, the very same fields save.
    sim.mkdir(QStringLiteral("qel"));
    answers.expectSaved(false);
    ui.Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(sim.read(QStringLiteral("qel/demo.qel")).startsWith("@echo off\r\ngoto next\r\n"));
}

void TestFaults::qelFolderReplacedByFileWhileEditorIsOpen()
{
    SimFolder sim;
    prepare(sim);
    EditorWindow form;
    form.show();
    fillIn(form, QStringLiteral("demo.qel"));
    QVERIFY(QDir(sim.filePath(QStringLiteral("qel"))).removeRecursively());
    sim.write(QStringLiteral("qel"), "now a file");
    const DiskGuard onDisk(sim.path());

    ModalAnswerer answers;
    answers.expectFailure(foldertexts::noQelToSaveScenario());
    ui(form).Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::namesWindowsKeepsForDevices_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("superscript port") << QStringLiteral("COM\u00B9.qel");
    QTest::newRow("superscript printer port") << QStringLiteral("lpt\u00B3");
    QTest::newRow("port zero") << QStringLiteral("com0.qel");
    QTest::newRow("blank before the extension") << QStringLiteral("nul .qel");
    QTest::newRow("console output") << QStringLiteral("CONOUT$");
    QTest::newRow("console input, lower case") << QStringLiteral("conin$.qel");
}

void TestFaults::namesWindowsKeepsForDevices()
{
    QFETCH(QString, name);
    SimFolder sim;
    prepare(sim);
    const DiskGuard onDisk(sim.path());
    EditorWindow form;
    fillIn(form, name);
    ModalAnswerer answers;
    answers.expectFailure(QStringLiteral("reserved by Windows for a device"));
    ui(form).Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaults::descriptionsTheInterpreterTakesAsTheLabel_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("vertical tab before") << QStringLiteral("\v:next");
    QTest::newRow("form feed before") << QStringLiteral("\f:next");
    QTest::newRow("0xFF after") << QStringLiteral(":next\u00FF and more");
    QTest::newRow("delimiters around") << QStringLiteral(";=, :\u00A0NEXT\tcloudy");
}

void TestFaults::descriptionsTheInterpreterTakesAsTheLabel()
{
    QFETCH(QString, description);
    SimFolder sim;
    prepare(sim);
    sim.write(QStringLiteral("qel/demo.qel"), oldFile);
    const DiskGuard onDisk(sim.path());
    ModalAnswerer answers;
    answers.expectFailure(QStringLiteral("label \":next\""));
    QVERIFY(!saveScenario(nullptr, plainFields(description)));
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc >= 3 && faults::childSwitch == QLatin1String(argv[1])) {
        if (qstrcmp(argv[2], "save-scenario") == 0)
            return childSaveScenario();
        return 2;
    }
    TestFaults suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_faults.moc"
