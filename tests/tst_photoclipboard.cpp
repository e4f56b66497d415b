// The photo tool against a real clipboard: on an X display, another program (xclip) owns a PNG
// picture, and what the tool shows and saves must be exactly that picture's pixels. Runs under
// xvfb-run through photo_clipboard.cmake.
#include "modalanswerer.h"
#include "photo_bmpcheck.h"
#include "photocontrols.h"
#include "simfolder.h"

#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage knownPicture()
{
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            image.setPixel(x, y, qRgb(x % 256, (y * 5) % 256, (x * y) % 251));
    return image;
}

// Every pixel of the file against the picture; the first difference, or "".
QString differences(const bmpcheck::File& file, const QImage& expected)
{
    if (!file.problem.isEmpty())
        return file.problem;
    if (file.width != expected.width() || file.height != expected.height())
        return QStringLiteral("size %1 × %2").arg(file.width).arg(file.height);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (file.pixel(x, y) != QColor(expected.pixel(x, y)))
                return QStringLiteral("pixel %1,%2 is %3")
                    .arg(x)
                    .arg(y)
                    .arg(file.pixel(x, y).name());
    return {};
}

// xclip hands the picture over from a process of its own and serves it until another program
// takes the clipboard; returns once this program sees it offered.
void offerWithXclip(const QString& png, const QImage& picture)
{
    QVERIFY(picture.save(png, "PNG"));
    QFile file(png);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QProcess owner;
    owner.start(QStandardPaths::findExecutable(QStringLiteral("xclip")),
                {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                 QStringLiteral("image/png"), QStringLiteral("-i"), png});
    QVERIFY(owner.waitForFinished(10000));
    QCOMPARE(owner.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(
        QGuiApplication::clipboard()->mimeData() &&
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")) == bytes,
        10000);
}

} // namespace

class TestPhotoClipboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theProgramStartsAndQuitsWhenIdle();
    void savesExactlyTheClipboardsPixels();
    void autoSaveNoticesAnotherProgramsNewCapture();

private:
    QTemporaryDir m_dir;
    QImage m_picture;
};

void TestPhotoClipboard::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("qelphoto"));
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display: CTest runs this suite as photo_clipboard under xvfb-run");
    const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    QVERIFY2(!xclip.isEmpty(), "xclip is missing; scripts/deps installs it");

    m_picture = knownPicture();
    offerWithXclip(m_dir.filePath(QStringLiteral("capture.png")), m_picture);
}

void TestPhotoClipboard::cleanupTestCase()
{
    // Taking the clipboard ends the xclip that served it.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QGuiApplication::clipboard()->clear();
}

void TestPhotoClipboard::theProgramStartsAndQuitsWhenIdle()
{
    SimFolder sim;
    QProcess program;
    program.setWorkingDirectory(sim.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QEL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QEL_BIN_DIR "/qelphoto"), {});
    QVERIFY2(program.waitForFinished(30000), "qelphoto did not quit by itself");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // Starting writes nothing.
    QCOMPARE(sim.entries(), (QStringList{QStringLiteral("pilots"), QStringLiteral("qel")}));
}

void TestPhotoClipboard::savesExactlyTheClipboardsPixels()
{
    SimFolder sim;
    qel::photo::PhotoWindow form;
    const PhotoControls ui(form);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.startupDone(), 10000);
    QCOMPARE(ui.Image1->image().convertToFormat(QImage::Format_RGB32), m_picture);
    QCOMPARE(ui.Picture1->image().convertToFormat(QImage::Format_RGB32), m_picture);

    ui.Text3->setText(QStringLiteral("full.bmp"));
    {
        ModalAnswerer answerer;
        answerer.expectSaved(false);
        ui.Command5->click();
        QVERIFY_ANSWERED(answerer);
    }
    QString diff = differences(bmpcheck::read(sim.read(QStringLiteral("full.bmp"))), m_picture);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    {
        ModalAnswerer answerer;
        answerer.expectSaved(false);
        answerer.expectSaved(false);
        ui.Command7->click();
        ui.Command7->click();
        QVERIFY_ANSWERED(answerer);
    }
    for (const QString& name : {QStringLiteral("1.bmp"), QStringLiteral("2.bmp")}) {
        diff = differences(bmpcheck::read(sim.read(name)), m_picture);
        QVERIFY2(diff.isEmpty(), qPrintable(name + ": " + diff));
    }

    {
        ModalAnswerer answerer;
        answerer.expectSaved(false);
        ui.Command1->click();
        QVERIFY_ANSWERED(answerer);
    }
    const bmpcheck::File scenario = bmpcheck::read(sim.read(QStringLiteral("qel/full.bmp")));
    QVERIFY2(scenario.problem.isEmpty(), qPrintable(scenario.problem));
    QCOMPARE(scenario.bytes.size(), 58618);
}

// The X server tells of the new owner; AutoSave reads and saves its picture, not the one held.
void TestPhotoClipboard::autoSaveNoticesAnotherProgramsNewCapture()
{
    SimFolder sim;
    qel::photo::PhotoWindow form;
    const PhotoControls ui(form);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.startupDone(), 10000);
    const QImage second = knownPicture().mirrored(true, false);
    // The notice comes as an event, before any click a user could make after the capture.
    const QSignalSpy notices(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    offerWithXclip(m_dir.filePath(QStringLiteral("second.png")), second);
    QTRY_VERIFY_WITH_TIMEOUT(!notices.isEmpty(), 10000);
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    const QString diff = differences(bmpcheck::read(sim.read(QStringLiteral("1.bmp"))), second);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

QTEST_MAIN(TestPhotoClipboard)
#include "tst_photoclipboard.moc"
