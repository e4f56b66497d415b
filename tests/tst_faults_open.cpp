// Injected faults around opening a scenario: the file changes or vanishes between the open
// dialog's listing and "Select", and the picture a scenario names is missing or hostile. The user
// is told, the editor's fields stay as they were (or, for the picture, everything else opens) and
// nothing on disk changes.
#include "bmpbytes.h"
#include "diskguard.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "faultsupport.h"
#include "filelist.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "scenariotemplate.h"
#include "simfolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <sys/stat.h>

using namespace qel::editor;

namespace {

QByteArray openedFile(const QByteArray& picture)
{
    return scenarioFile({.description = "Opened",
                         .fileName = "opened.qel",
                         .applet = " ",
                         .picture = picture,
                         .flight = "B.stn",
                         .style = "M",
                         .ground = "FDEF",
                         .set = "SET2"});
}

// A bitmap header that claims 30000 × 30000 pixels of 24 bits and holds four.
QByteArray hugeClaimBitmap()
{
    QByteArray bytes("BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00"
                     "\x28\x00\x00\x00\x30\x75\x00\x00\x30\x75\x00\x00\x01\x00\x18\x00"
                     "\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00"
                     "\x00\x00\x00\x00\x00\x00\x00\x00",
                     54);
    bytes += QByteArray(16, '\x7f');
    return bytes;
}

// Everything of the main window that an open could change.
QStringList mainState(const EditorWindow& form)
{
    const EditorControls ui(form);
    return {ui.Text1->text(),
            ui.Text23->text(),
            ui.Text24->text(),
            ui.Text26->text(),
            ui.Text2->text(),
            ui.Text5->text(),
            ui.Text22->text(),
            ui.Text25->text(),
            QString::number(ui.Check1->checkState()),
            ui.Image2->hasImage() ? QStringLiteral("picture") : QStringLiteral("no picture")};
}

void prepare(SimFolder& sim)
{
    sim.write(QStringLiteral("pilots/A.stn"), "a");
    sim.write(QStringLiteral("pilots/B.stn"), "b");
    sim.write(QStringLiteral("qel/demo.qel"), openedFile(" "));
    sim.write(QStringLiteral("qel/other.qel"), openedFile(" "));
}

void editSomething(EditorWindow& form)
{
    const EditorControls ui(form);
    ui.Text1->setText(QStringLiteral("A.stn"));
    ui.Text23->setText(QStringLiteral("Being edited"));
    ui.Text24->setText(QStringLiteral("editing.qel"));
}

// In the open dialog: selects demo.qel and presses "Select".
void openDemo(const QWidget& dialog)
{
    control<qel::FileList>(dialog, "File1")->selectName(QStringLiteral("demo.qel"));
    control<QPushButton>(dialog, "command1")->click();
}

} // namespace

class TestFaultsOpen : public EditorFixture {
    Q_OBJECT
private slots:
    void fileChangesBetweenListingAndSelect_data();
    void fileChangesBetweenListingAndSelect();
    void scenarioNamesABadPicture_data();
    void scenarioNamesABadPicture();
    void controlCharacterOpensButIsNotSavedAgain_data();
    void controlCharacterOpensButIsNotSavedAgain();
};

void TestFaultsOpen::fileChangesBetweenListingAndSelect_data()
{
    QTest::addColumn<std::function<void(SimFolder&)>>("change");
    QTest::addColumn<QString>("told");
    QTest::newRow("removed") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        QFile::remove(sim.filePath(QStringLiteral("qel/demo.qel")));
    }) << QStringLiteral("does not exist");
    QTest::newRow("replaced by a folder") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        QFile::remove(sim.filePath(QStringLiteral("qel/demo.qel")));
        sim.mkdir(QStringLiteral("qel/demo.qel"));
        sim.write(QStringLiteral("qel/demo.qel/inside.txt"), "kept");
    }) << QStringLiteral("not a regular file");
    QTest::newRow("grown to 100 KiB") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        sim.write(QStringLiteral("qel/demo.qel"), openedFile(" ") + QByteArray(100 * 1024, 'x'));
    }) << QStringLiteral("larger than");
    QTest::newRow("cut to five lines") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        sim.write(QStringLiteral("qel/demo.qel"), "@echo off\r\ngoto next\r\nx\r\ny\r\nz\r\n");
    }) << QStringLiteral("only 5 lines");
    QTest::newRow("emptied") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        sim.write(QStringLiteral("qel/demo.qel"), QByteArray());
    }) << QStringLiteral("only 0 lines");
    QTest::newRow("replaced by a named pipe")
        << std::function<void(SimFolder&)>([](SimFolder& sim) {
               QFile::remove(sim.filePath(QStringLiteral("qel/demo.qel")));
               mkfifo(QFile::encodeName(sim.filePath(QStringLiteral("qel/demo.qel"))).constData(),
                      0600);
           })
        << QStringLiteral("not a regular file");
    QTest::newRow("replaced by a link to an endless device")
        << std::function<void(SimFolder&)>([](SimFolder& sim) {
               QFile::remove(sim.filePath(QStringLiteral("qel/demo.qel")));
               QFile::link(QStringLiteral("/dev/zero"),
                           sim.filePath(QStringLiteral("qel/demo.qel")));
           })
        << QStringLiteral("not a regular file");
    QTest::newRow("qel folder removed") << std::function<void(SimFolder&)>([](SimFolder& sim) {
        QDir(sim.filePath(QStringLiteral("qel"))).removeRecursively();
    }) << QStringLiteral("\"qel\" folder is gone");
    QTest::newRow("qel folder replaced by a file")
        << std::function<void(SimFolder&)>([](SimFolder& sim) {
               QDir(sim.filePath(QStringLiteral("qel"))).removeRecursively();
               sim.write(QStringLiteral("qel"), "a file");
           })
        << QStringLiteral("\"qel\" folder is gone");
}

void TestFaultsOpen::fileChangesBetweenListingAndSelect()
{
    QFETCH(std::function<void(SimFolder&)>, change);
    QFETCH(QString, told);
    SimFolder& sim = folder();
    prepare(sim);
    EditorWindow& form = this->window();
    form.show();
    editSomething(form);
    const QStringList before = mainState(form);
    DiskGuard onDisk(sim.path());
    bool listed = false;
    bool stayedOpen = false;

    ModalAnswerer& answers = this->answerer();
    answers.expectWindow(QStringLiteral("Form5"), [&](QWidget* window) {
        auto* list = control<qel::FileList>(*window, "File1");
        listed = list->names().contains(QStringLiteral("demo.qel"));
        list->selectName(QStringLiteral("demo.qel"));
        change(sim);
        onDisk.remember();
        control<QPushButton>(*window, "command1")->click(); // the failure is answered inside
        stayedOpen = window->isVisible();
        control<QPushButton>(*window, "Command2")->click();
    });
    answers.expectFailure(told);
    ::ui(form).Command11->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(listed);
    QVERIFY(stayedOpen); // the user can choose another file
    QCOMPARE(mainState(form), before);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsOpen::scenarioNamesABadPicture_data()
{
    QTest::addColumn<QByteArray>("line6");
    QTest::addColumn<QByteArray>("pictureBytes"); // written to qel/<line6> unless empty
    QTest::addColumn<QString>("told");
    QTest::newRow("missing") << QByteArray("gone.bmp") << QByteArray()
                             << QStringLiteral("no such file");
    QTest::newRow("not a picture")
        << QByteArray("text.bmp") << QByteArray("@echo off\r\ndel *.*\r\n")
        << QStringLiteral("not a picture");
    QTest::newRow("bitmap header claims 30000 x 30000 pixels")
        << QByteArray("huge.bmp") << hugeClaimBitmap() << QStringLiteral("cannot be shown");
    QTest::newRow("pixmap header claims 30000 x 30000 pixels")
        << QByteArray("huge.ppm") << QByteArray("P6\n30000 30000\n255\n\x01\x02\x03")
        << QStringLiteral("too large");
    QTest::newRow("bitmap pixels cut short")
        << QByteArray("short.bmp") << bmpbytes::header24(161, 121) + QByteArray(100, '\x7f')
        << QStringLiteral("not a picture");
    // A palette of 16: the unset pixels hold indices beyond it, which have no colour to compare.
    QTest::newRow("RLE8 run overruns the bitmap")
        << QByteArray("runs.bmp") << bmpbytes::rle8(4, 2, QByteArray("\x0a\x05\x00\x01", 4), 16)
        << QStringLiteral("not a picture");
    QTest::newRow("empty line, the folder itself")
        << QByteArray("") << QByteArray() << QStringLiteral("not the plain name");
    QTest::newRow("outside the qel folder")
        << QByteArray("../pilots/A.stn") << QByteArray() << QStringLiteral("not the plain name");
    QTest::newRow("a device name")
        << QByteArray("con.bmp") << QByteArray() << QStringLiteral("not the plain name");
    // Reading a named pipe would wait for a writer forever.
    QTest::newRow("a named pipe") << QByteArray("pipe.bmp") << QByteArray("<fifo>")
                                  << QStringLiteral("no such file");
}

void TestFaultsOpen::scenarioNamesABadPicture()
{
    QFETCH(QByteArray, line6);
    QFETCH(QByteArray, pictureBytes);
    QFETCH(QString, told);
    SimFolder& sim = folder();
    prepare(sim);
    sim.write(QStringLiteral("qel/demo.qel"), openedFile(line6));
    const QString picturePath = sim.filePath(QStringLiteral("qel/") + QString::fromLatin1(line6));
    if (pictureBytes == "<fifo>")
        QCOMPARE(mkfifo(QFile::encodeName(picturePath).constData(), 0600), 0);
    else if (!pictureBytes.isEmpty())
        sim.write(QStringLiteral("qel/") + QString::fromLatin1(line6), pictureBytes);
    EditorWindow& form = this->window();
    form.show();
    editSomething(form);
    const DiskGuard onDisk(sim.path());

    ModalAnswerer& answers = this->answerer();
    answers.expectWindow(QStringLiteral("Form5"), [](QWidget* window) { openDemo(*window); });
    answers.expectFailure(told);
    ui().Command11->click();
    QVERIFY_ANSWERED(answers);
    // The rest of the scenario is open; the picture box stays empty.
    QCOMPARE(ui().Text1->text(), QStringLiteral("B.stn"));
    QCOMPARE(ui().Text24->text(), QStringLiteral("opened.qel"));
    QCOMPARE(ui().Text26->text(), QString::fromLatin1(line6));
    QVERIFY(!ui().Image2->hasImage());
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsOpen::controlCharacterOpensButIsNotSavedAgain_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<QString>("field");
    QTest::newRow("NUL in the description")
        << QByteArray("Opened") << QByteArray("Cloudy\0night", 12) << "description";
    QTest::newRow("DEL in the description")
        << QByteArray("Opened") << QByteArray("Opened\x7f") << "description";
    QTest::newRow("escape in the flight")
        << QByteArray("B.stn") << QByteArray("B\x1b.stn") << "flight";
}

// A file edited by hand may hold what the editor never writes: it opens, but saving refuses.
void TestFaultsOpen::controlCharacterOpensButIsNotSavedAgain()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, edited);
    QFETCH(QString, field);
    SimFolder& sim = folder();
    prepare(sim);
    sim.write(QStringLiteral("qel/demo.qel"), openedFile(" ").replace(line, edited));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answers = this->answerer();
    answers.expectWindow(QStringLiteral("Form5"), [](QWidget* window) { openDemo(*window); });
    ui().Command11->click();
    QVERIFY_ANSWERED(answers);
    const QLineEdit* box = field == QLatin1String("flight") ? ui().Text1 : ui().Text23;
    QCOMPARE(box->text(), QString::fromLatin1(edited));

    ui().Text24->setText(QStringLiteral("demo.qel"));
    const DiskGuard onDisk(sim.path());
    answers.expectFailure(QStringLiteral("The %1 contains the control character").arg(field));
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

QTEST_MAIN(TestFaultsOpen)
#include "tst_faults_open.moc"
