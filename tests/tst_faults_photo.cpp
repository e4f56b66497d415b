// Injected faults around the photo tool's saves: a file system that refuses to grow under a
// full-size photo, a folder standing at the next AutoSave number, renames and deletes of photos
// that the system refuses (as Windows does for a file another program holds open), and a process
// killed at random moments while a large photo replaces an old one. Every photo that was on disk
// survives whole; the user is told what happened.
#include "bmpbytes.h"
#include "clipboardpicture.h"
#include "diskguard.h"
#include "faultsupport.h"
#include "modalanswerer.h"
#include "otherdisks.h"
#include "photocontrols.h"
#include "picture.h"
#include "simfolder.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRandomGenerator>
#include <QtTest>

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <optional>
#include <unistd.h>

using qel::photo::PhotoWindow;

namespace {

// Deletes and renames of files with these names fail, as for files another program holds open.
// Set only while the program under test runs on this thread.
QStringList refusedNames;

bool refused(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return refusedNames.contains(QString::fromLocal8Bit(slash ? slash + 1 : path));
}

// While set, the flush of a new file to the disk fails, as on a disk that broke down.
bool flushFails = false;

} // namespace

// The content of a new file is put on the disk through sync_file_range().
extern "C" int sync_file_range(int fd, off64_t from, off64_t length, unsigned flags) noexcept
{
    if (flushFails) {
        errno = EIO;
        return -1;
    }
    using Sync = int (*)(int, off64_t, off64_t, unsigned);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "sync_file_range"));
    return real(fd, from, length, flags);
}

// A new file under a name too long for QSaveFile's temporary name is put on the disk with fsync().
extern "C" int fsync(int fd) noexcept
{
    if (flushFails) {
        errno = EIO;
        return -1;
    }
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

// A new file takes an old one's place through rename(), which fails onto refused names.
extern "C" int rename(const char* from, const char* to) noexcept
{
    if (refused(to)) {
        errno = EBUSY;
        return -1;
    }
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

// Every delete of the program passes through here (Qt removes files with unlink()).
extern "C" int unlink(const char* path) noexcept
{
    if (refused(path)) {
        errno = EACCES;
        return -1;
    }
    using Unlink = int (*)(const char*);
    static const auto real = reinterpret_cast<Unlink>(dlsym(RTLD_NEXT, "unlink"));
    return real(path);
}

// Qt renames without replacing through renameat2().
extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to,
                         unsigned flags) noexcept
{
    if (refused(from)) {
        errno = EACCES;
        return -1;
    }
    using Rename = int (*)(int, const char*, int, const char*, unsigned);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "renameat2"));
    return real(fromDir, from, toDir, to, flags);
}

namespace {

// A capture with a pattern that differs in every row and column.
QImage capture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x % 256, y % 256, (x / 256 + y / 256 * 16) % 256);
    }
    return image;
}

// The pixel part of a 24-bit bitmap of capture(width, height), from the format: rows bottom-up,
// blue, green, red, each row padded with zeros to a multiple of four bytes.
QByteArray expectedPixels(int width, int height)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray bytes(qsizetype(stride) * height, '\0');
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        char* out = bytes.data() + qsizetype(row) * stride;
        for (int x = 0; x < width; ++x) {
            *out++ = char((x / 256 + y / 256 * 16) % 256);
            *out++ = char(y % 256);
            *out++ = char(x % 256);
        }
    }
    return bytes;
}

quint32 little32(const QByteArray& bytes, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(bytes[at + i]);
    return v;
}

// An old photo: not a bitmap this program wrote, so it can't be mistaken for a new one.
QByteArray oldPhoto(int size, char seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

std::unique_ptr<PhotoWindow> startedWith(const QImage& picture)
{
    QGuiApplication::clipboard()->setImage(picture);
    return startedPhotoWindow();
}

constexpr int photoWidth = 1600;
constexpr int photoHeight = 1200;
constexpr int largeWidth = 2400;
constexpr int largeHeight = 1800;

// Child task: the capture is saved over photo.bmp, as a full-screen photo in the current folder
// or as a scenario picture in qel; the file system refuses to let any file grow past its limit.
// Exit 0 when the user was asked and told.
int childSavePhoto(bool scenarioPicture, const QString& name = QStringLiteral("photo.bmp"))
{
    auto form = startedWith(capture(photoWidth, photoHeight));
    const PhotoControls ui(*form);
    ui.Text3->setText(name);
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    // The system's own reason, as the editor gives it.
    answers.expectFailure(QStringLiteral("File too large\nThe file that was there is unchanged."));
    (scenarioPicture ? ui.Command1 : ui.Command5)->click();
    if (!answers.allAnswered()) {
        std::fprintf(stderr, "%s\n", qPrintable(answers.report()));
        return 1;
    }
    return 0;
}

// Child task: AutoSave with ten numbered photos present; the new photo cannot be written.
int childAutoSave()
{
    auto form = startedWith(capture(photoWidth, photoHeight));
    const PhotoControls ui(*form);
    ModalAnswerer answers;
    answers.expectFailure(QStringLiteral("every photo is where it was, under its old number"));
    ui.Command7->click();
    if (!answers.allAnswered()) {
        std::fprintf(stderr, "%s\n", qPrintable(answers.report()));
        return 1;
    }
    return 0;
}

// Child task: a large photo replaces photo.bmp; "saving" is printed right before the save starts,
// so the parent can kill the process at a moment of its choosing during it.
int childSaveLargePhoto()
{
    auto form = startedWith(capture(largeWidth, largeHeight));
    const PhotoControls ui(*form);
    ui.Text3->setText(QStringLiteral("photo.bmp"));
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    ui.Command5->click();
    return answers.allAnswered() ? 0 : 1;
}

} // namespace

class TestFaultsPhoto : public QObject {
    Q_OBJECT
private slots:
    void photoOnAFileSystemThatRefusesToGrow_data();
    void photoOnAFileSystemThatRefusesToGrow();
    void replacingFailsLate_data();
    void replacingFailsLate();
    void replacesOnOtherDisks_data();
    void replacesOnOtherDisks();
    void autoSaveWriteRefusedKeepsEveryPhoto();
    void autoSaveFolderAtTheNextNumber();
    void autoSaveStepRefused_data();
    void autoSaveStepRefused();
    void killedWhileSavingALargePhoto();
    void clipboardWithoutAUsablePicture_data();
    void clipboardWithoutAUsablePicture();
    void largeCaptureIsShownAndSaved();
};

void TestFaultsPhoto::photoOnAFileSystemThatRefusesToGrow_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("limit");
    // A megabyte: far less than the 5.7 MB of the full-screen photo.
    QTest::newRow("full-screen photo")
        << QStringLiteral("save-photo") << QStringLiteral("photo.bmp") << (1 << 20);
    // The PNG of the same capture, whose gradients pack well, takes about 8 KB.
    QTest::newRow("full-screen photo as PNG")
        << QStringLiteral("save-png-photo") << QStringLiteral("photo.png") << 4096;
    // The scenario picture (161 x 121 pixels) needs 58 KB.
    QTest::newRow("scenario picture")
        << QStringLiteral("save-scenario-picture") << QStringLiteral("qel/photo.bmp") << 20000;
}

void TestFaultsPhoto::photoOnAFileSystemThatRefusesToGrow()
{
    QFETCH(QString, task);
    QFETCH(QString, target);
    QFETCH(int, limit);
    SimFolder sim;
    sim.write(target, oldPhoto(300000, 'a'));
    sim.write(QStringLiteral("qel/meigs.bmp"), oldPhoto(1000, 'm'));
    const DiskGuard onDisk(sim.path());

    const auto child = faults::runChildWithFileSizeLimit(task, sim.path(), limit);
    QVERIFY2(child.finished, qPrintable(child.output));
    QCOMPARE(child.status, QProcess::NormalExit);
    QVERIFY2(child.exitCode == 0, qPrintable(child.output));
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsPhoto::replacingFailsLate_data()
{
    QTest::addColumn<bool>("flushFailing");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("name");
    // 250 characters: too long for QSaveFile's temporary name, through a short one instead.
    for (const QString& name : {QStringLiteral("photo.bmp"), QString(246, u'p') + ".bmp"}) {
        QTest::addRow("the flush to the disk, %lld characters", name.size())
            << true << QStringLiteral("Input/output error") << name;
        QTest::addRow("the rename over the old file, %lld characters", name.size())
            << false << QStringLiteral("Device or resource busy") << name;
    }
}

// The new photo is complete, and the old one must stay all the same: no photo of unknown state
// under its name, no temporary file left over.
void TestFaultsPhoto::replacingFailsLate()
{
    QFETCH(bool, flushFailing);
    QFETCH(QString, told);
    QFETCH(QString, name);
    SimFolder sim;
    sim.write(name, oldPhoto(30000, 'p'));
    auto form = startedWith(capture(64, 48));
    const PhotoControls ui(*form);
    ui.Text3->setText(name);
    const DiskGuard onDisk(sim.path());
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectFailure(told + QStringLiteral("\nThe file that was there is unchanged."));
    flushFails = flushFailing;
    if (!flushFailing)
        refusedNames = {name};
    ui.Command5->click();
    flushFails = false;
    refusedNames.clear();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsPhoto::replacesOnOtherDisks_data()
{
    QTest::addColumn<bool>("scenarioPicture");
    QTest::addColumn<bool>("onFat"); // else qel is a link to another disk
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("scenario picture through the links") << true << false << "T.bmp"
                                                        << "disk2/shared/T.bmp";
    // T.bmp -> qel/T2.bmp, a link in the linked folder.
    QTest::newRow("full-screen photo through the links") << false << false << "T.bmp"
                                                         << "disk2/shared/T.bmp";
    QTest::newRow("scenario picture on FAT") << true << true << "fat.bmp"
                                             << "qel/fat.bmp";
    // Too long for QSaveFile's temporary name: through a short one instead.
    const QString longName = QString(246, u'f') + ".bmp";
    QTest::newRow("scenario picture on FAT, 250 characters")
        << true << true << longName << "qel/" + longName;
}

// The file the system reaches through the links is replaced, never another; a disk that has no
// owners or modes takes a file in place of another all the same.
void TestFaultsPhoto::replacesOnOtherDisks()
{
    QFETCH(bool, scenarioPicture);
    QFETCH(bool, onFat);
    QFETCH(QString, name);
    QFETCH(QString, written);
    SimFolder sim(true, onFat);
    std::optional<FatDisk> fat;
    if (onFat && !fat.emplace(sim.filePath(QStringLiteral("qel"))).problem().isEmpty())
        QSKIP(qPrintable(fat->problem()));
    if (!onFat) {
        QVERIFY(linkQelToAnotherDisk(sim, QStringLiteral("bmp")));
        QVERIFY(QFile::link(QStringLiteral("qel/T2.bmp"), sim.filePath(QStringLiteral("T.bmp"))));
    }
    auto form = startedWith(capture(64, 48));
    const PhotoControls ui(*form);
    ui.Text3->setText(name);
    QPushButton* save = scenarioPicture ? ui.Command1 : ui.Command5;
    ModalAnswerer answers;
    if (onFat) {
        answers.expectSaved(false);
        save->click();
    }
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    save->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(sim.read(written).startsWith("BM"));
    if (!onFat)
        QCOMPARE(sim.read(QStringLiteral("shared/T.bmp")), QByteArray("UNRELATED"));
}

void TestFaultsPhoto::autoSaveWriteRefusedKeepsEveryPhoto()
{
    SimFolder sim;
    for (int n = 1; n <= 10; ++n)
        sim.write(QStringLiteral("%1.bmp").arg(n), oldPhoto(5000, char('0' + n)));
    const DiskGuard onDisk(sim.path());
    const auto child =
        faults::runChildWithFileSizeLimit(QStringLiteral("autosave"), sim.path(), 1 << 20);
    QVERIFY2(child.finished, qPrintable(child.output));
    QVERIFY2(child.exitCode == 0, qPrintable(child.output));
    // Every photo back under its old number, no half-written "1.bmp" or temporary file left.
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsPhoto::autoSaveFolderAtTheNextNumber()
{
    SimFolder sim;
    sim.write(QStringLiteral("1.bmp"), oldPhoto(5000, '1'));
    sim.write(QStringLiteral("2.bmp"), oldPhoto(5000, '2'));
    sim.mkdir(QStringLiteral("3.bmp"));
    sim.write(QStringLiteral("3.bmp/inside.txt"), "kept");
    sim.write(QStringLiteral("4.bmp"), oldPhoto(5000, '4'));
    auto form = startedWith(capture(64, 48));
    const PhotoControls ui(*form);
    const DiskGuard onDisk(sim.path());

    ModalAnswerer answers;
    answers.expectFailure(QStringLiteral("could not be renamed to 3.bmp"));
    ui.Command7->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

void TestFaultsPhoto::autoSaveStepRefused_data()
{
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QStringList>("heldBy"); // former name of the photo in 1.bmp … 10.bmp, ~oldest
    const QStringList asBefore{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", ""};
    const QString allBack = QStringLiteral("every photo is where it was, under its old number");
    QTest::newRow("oldest held open") << QStringList{"10.bmp"} << allBack << asBefore;
    QTest::newRow("5.bmp held open") << QStringList{"5.bmp"} << allBack << asBefore;
    QTest::newRow("1.bmp held open") << QStringList{"1.bmp"} << allBack << asBefore;
    QTest::newRow("oldest cannot go back")
        << QStringList{"5.bmp", "~oldest.bmp"}
        << QStringLiteral("~oldest.bmp holds the photo that was 10.bmp")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "10"};
    QTest::newRow("oldest cannot be deleted")
        << QStringList{"~oldest.bmp"} << QStringLiteral("could not be deleted")
        << QStringList{"new", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
}

void TestFaultsPhoto::autoSaveStepRefused()
{
    QFETCH(QStringList, refused);
    QFETCH(QString, told);
    QFETCH(QStringList, heldBy);
    SimFolder sim;
    for (int n = 1; n <= 10; ++n)
        sim.write(QStringLiteral("%1.bmp").arg(n), oldPhoto(3000, char('A' + n)));
    auto form = startedWith(capture(64, 48));
    const PhotoControls ui(*form);

    ModalAnswerer answers;
    answers.expectFailure(told);
    refusedNames = refused;
    ui.Command7->click();
    refusedNames.clear();
    QVERIFY_ANSWERED(answers);
    disk::Tree expected{{"pilots", "<folder>"}, {"qel", "<folder>"}};
    for (int i = 0; i < heldBy.size(); ++i) {
        const QString name = i < 10 ? QStringLiteral("%1.bmp").arg(i + 1) : "~oldest.bmp";
        if (heldBy[i] == "new")
            expected[name] = sim.read(name); // checked below
        else if (!heldBy[i].isEmpty())
            expected[name] = oldPhoto(3000, char('A' + heldBy[i].toInt()));
    }
    const QString changed = disk::difference(expected, disk::snapshot(sim.path()));
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    if (heldBy[0] == "new")
        QCOMPARE(sim.read(QStringLiteral("1.bmp")).sliced(54), expectedPixels(64, 48));
}

void TestFaultsPhoto::killedWhileSavingALargePhoto()
{
    const QByteArray old = oldPhoto(4000000, 'o');
    const QByteArray pixels = expectedPixels(largeWidth, largeHeight);
    auto isNewPhoto = [&](const QByteArray& bytes) {
        return bytes.size() == 54 + pixels.size() && bytes.startsWith("BM") &&
               little32(bytes, 18) == quint32(largeWidth) &&
               little32(bytes, 22) == quint32(largeHeight) && bytes.sliced(54) == pixels;
    };
    QElapsedTimer clock;
    qint64 saveMs = 0; // measured by a first run that is not killed
    int oldKept = 0;
    int newWritten = 0;
    int strays = 0;
    int wholeBeside = 0;
    constexpr int runs = 30;
    for (int run = 0; run <= runs; ++run) {
        SimFolder sim(false, false);
        sim.write(QStringLiteral("photo.bmp"), old);
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({faults::childSwitch, QStringLiteral("save-large-photo")});
        child.setWorkingDirectory(sim.path());
        child.start();
        QVERIFY(child.waitForStarted());
        QVERIFY2(QTest::qWaitFor(
                     [&] { return child.canReadLine() || child.state() == QProcess::NotRunning; },
                     60000),
                 "the child never started saving");
        clock.start();
        if (run == 0) {
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitCode(), 0);
            saveMs = qMax<qint64>(clock.elapsed(), 1);
        } else {
            QThread::msleep(QRandomGenerator::global()->bounded(saveMs + 1));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(60000));
        }
        const QByteArray now = sim.read(QStringLiteral("photo.bmp"));
        if (run == 0)
            QVERIFY2(isNewPhoto(now), "the save that was not killed did not write the photo");
        if (now == old) {
            ++oldKept;
        } else {
            QVERIFY2(isNewPhoto(now),
                     qPrintable(QStringLiteral("run %1: photo.bmp holds %2 bytes, neither the old "
                                               "photo nor the whole new one")
                                    .arg(run)
                                    .arg(now.size())));
            ++newWritten;
        }
        // Qt names the finished file in the folder and then renames it over the old one: a kill
        // between those two calls leaves the whole new photo under a temporary name beside the
        // old one, which no save can avoid. A part of a photo anywhere is a fault.
        for (const QString& entry : sim.entries()) {
            if (entry == QLatin1String("photo.bmp"))
                continue;
            if (now == old && isNewPhoto(sim.read(entry)))
                ++wholeBeside;
            else
                ++strays;
        }
    }
    qInfo("save took %lld ms; killed runs: %d kept the old photo, %d had the new one; %d stray "
          "temporary files, %d the whole new photo killed before its rename",
          saveMs, oldKept, newWritten - 1, strays, wholeBeside);
    // A process killed outright can't clean up; the file system must not show its half file.
    QCOMPARE(strays, 0);
}

void TestFaultsPhoto::clipboardWithoutAUsablePicture_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("saying");
    QTest::newRow("text only") << QStringLiteral("text/plain") << QByteArray("Meigs at dusk")
                               << QStringLiteral("no picture");
    QTest::newRow("picture type, no bytes")
        << QStringLiteral("image/bmp") << QByteArray() << QStringLiteral("no picture");
    QTest::newRow("picture type, broken bytes")
        << QStringLiteral("image/png") << QByteArray("\x89PNG\r\n\x1a\n broken")
        << QStringLiteral("no picture");
    // Read without a limit this would ask for 3.6 GB.
    QTest::newRow("picture claiming 30000 x 30000 pixels")
        << QStringLiteral("image/x-portable-pixmap") << QByteArray("P6\n30000 30000\n255\n\x01")
        << QStringLiteral("is 30000 × 30000 pixels, too large");
    QTest::newRow("pixmap claiming 16385 x 16384 pixels")
        << QStringLiteral("image/x-portable-pixmap") << QByteArray("P6\n16385 16384\n255\n\x01")
        << QStringLiteral("is 16385 × 16384 pixels, too large");
}

void TestFaultsPhoto::clipboardWithoutAUsablePicture()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, saying);
    SimFolder sim;
    sim.write(QStringLiteral("1.bmp"), oldPhoto(3000, '1'));
    sim.write(QStringLiteral("photo.bmp"), oldPhoto(3000, 'p'));
    const DiskGuard onDisk(sim.path());
    auto* data = new QMimeData;
    data->setData(format, bytes);
    QGuiApplication::clipboard()->setMimeData(data);

    ModalAnswerer answers; // starting with no picture is no reason for a message
    PhotoWindow form;
    const PhotoControls ui(form);
    form.show();
    QVERIFY(QTest::qWaitFor([&] { return form.startupDone(); }));
    QVERIFY_ANSWERED(answers);
    QVERIFY(!ui.Image1->hasImage());

    ui.Text3->setText(QStringLiteral("photo.bmp"));
    answers.expectFailure(saying);
    ui.Command5->click();
    answers.expectFailure(saying);
    ui.Command7->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY_DISK_UNCHANGED(onDisk);
}

// 8000 x 6000 pixels, beyond what Qt's image readers take by default (128 MB at 4 bytes a pixel).
void TestFaultsPhoto::largeCaptureIsShownAndSaved()
{
    QImage grey(8000, 6000, QImage::Format_Grayscale8);
    grey.fill(0x80);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && grey.save(&buffer, "PNG"));
    grey = {};
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
    SimFolder sim;
    auto form = startedPhotoWindow();
    const PhotoControls ui(*form);
    QCOMPARE(ui.Image1->image().size(), QSize(8000, 6000));

    ModalAnswerer answers;
    answers.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answers);
    QFile photo(sim.path() + QStringLiteral("/1.bmp"));
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QCOMPARE(photo.size(), 54 + 8000 * 3 * 6000);
    QByteArray headers = bmpbytes::header24(8000, 6000);
    headers.replace(38, 8, QByteArray(8, '\0')); // no resolution given
    QCOMPARE(photo.read(54), headers);
    QCOMPARE(photo.read(4), QByteArray(4, '\x80'));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qel::pictures::allowPicturesUpTo(qel::photo::largestCapture); // as qelphoto's main() does
    if (argc >= 3 && faults::childSwitch == QLatin1String(argv[1])) {
        const QByteArray task = argv[2];
        if (task == "save-photo")
            return childSavePhoto(false);
        if (task == "save-png-photo")
            return childSavePhoto(false, QStringLiteral("photo.png"));
        if (task == "save-scenario-picture")
            return childSavePhoto(true);
        if (task == "autosave")
            return childAutoSave();
        if (task == "save-large-photo")
            return childSaveLargePhoto();
        return 2;
    }
    TestFaultsPhoto suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_faults_photo.moc"
