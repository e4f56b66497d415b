// The shared layer: names, text encoding, case-insensitive paths, safe replacement, file lists.
#include "ansi.h"
#include "bmpbytes.h"
#include "dib.h"
#include "filelist.h"
#include "names.h"
#include "paths.h"
#include "safefile.h"
#include "simfolder.h"
#include "twips.h"
#include "winfiles.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void bareNames_data();
    void bareNames();
    void theExpectedCodePage();
    void everyByteSurvivesDecodeAndEncode();
    void codePageCharacters_data();
    void codePageCharacters();
    void pathsIgnoreLetterCase();
    void missingFolderIsNotFound();
    void replaceWritesAndReplaces();
    void replaceEveryNameTheRulesAccept_data();
    void replaceEveryNameTheRulesAccept();
    void shortNamesOpenTheLongOne();
    void replaceFailuresKeepTheOldFile();
    void replaceLeavesNoTemporaryFileWhenTheWriterFails();
    void replaceKeepsPermissionsAndLinks();
    void replaceOnReadOnlyDiskNamesTheDisk();
    void fileListMatchesAndSortsIgnoringCase();
    void fileListSelection();
    void twipsRound();
    void clipboardBitmaps_data();
    void clipboardBitmaps();
};

void TestCommon::bareNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ok");
    QTest::newRow("plain") << "demo.qel" << true;
    QTest::newRow("blanks inside") << "my flight 2.qel" << true;
    QTest::newRow("no extension") << "demo" << true;
    QTest::newRow("ansi letters") << "Übung.qel" << true;
    QTest::newRow("leading dot") << ".hidden.qel" << true;
    QTest::newRow("255 characters") << QString(251, 'a') + ".qel" << true;
    QTest::newRow("256 characters") << QString(252, 'a') + ".qel" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "a/b.qel" << false;
    QTest::newRow("backslash") << "a\\b.qel" << false;
    QTest::newRow("colon") << "c:x.qel" << false;
    QTest::newRow("star") << "*.qel" << false;
    QTest::newRow("question mark") << "???.qel" << false;
    QTest::newRow("quote") << "a\"b" << false;
    QTest::newRow("angle brackets") << "<a>" << false;
    QTest::newRow("pipe") << "a|b" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("nul") << QString("a") + QChar(0) << false;
    QTest::newRow("trailing dot") << "demo." << false;
    QTest::newRow("trailing blank") << "demo.qel " << false;
    QTest::newRow("device") << "CON" << false;
    QTest::newRow("device lower case with extension") << "nul.qel" << false;
    QTest::newRow("com port") << "com1.bmp" << false;
    QTest::newRow("lpt9") << "LPT9" << false;
    QTest::newRow("com0 is kept for a device too") << "com0.bmp" << false;
    QTest::newRow("com10 is no device") << "com10.bmp" << true;
    QTest::newRow("console is no device") << "console.qel" << true;
}

void TestCommon::bareNames()
{
    QFETCH(QString, name);
    QFETCH(bool, ok);
    const QString problem = qel::names::bareNameProblem(name);
    QCOMPARE(problem.isEmpty(), ok);
}

// The Windows test stage runs this suite once per code page it sets up, and says which.
void TestCommon::theExpectedCodePage()
{
    const QByteArray expected = qgetenv("QEL_EXPECT_CODE_PAGE");
    if (expected.isEmpty())
        QSKIP("No code page expected in QEL_EXPECT_CODE_PAGE.");
    QCOMPARE(qel::ansi::codePage(), expected.toInt());
}

void TestCommon::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = qel::ansi::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(qel::ansi::firstUnencodable(text), -1);
    QCOMPARE(qel::ansi::encode(text), all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x81), QChar(0x0081));
}

// Characters by code page: `bytes` is what a scenario file holds for `text`, empty when the code
// page has no place for its character at `refusedAt`.
void TestCommon::codePageCharacters_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("refusedAt");
    QTest::newRow("1252 euro, trade mark, y diaeresis")
        << 1252 << "a€™Ÿÿ" << QByteArray("a\x80\x99\x9f\xff") << -1;
    QTest::newRow("1252 curly quotes")
        << 1252 << "“x” ‘y’" << QByteArray("\x93x\x94 \x91y\x92") << -1;
    QTest::newRow("1252 refuses omega") << 1252 << "abc€Ω" << QByteArray() << 4;
    QTest::newRow("1252 refuses l with stroke") << 1252 << "Łódź" << QByteArray() << 0;
    QTest::newRow("1252 refuses u double acute, not u") << 1252 << "xű" << QByteArray() << 1;
    QTest::newRow("1250 Polish") << 1250 << "Łódź"
                                 << QByteArray("\xa3\xf3"
                                               "d\x9f")
                                 << -1;
    QTest::newRow("1250 euro, a diaeresis") << 1250 << "€ä" << QByteArray("\x80\xe4") << -1;
    QTest::newRow("1250 refuses a ring, not a") << 1250 << "så" << QByteArray() << 1;
    QTest::newRow("1250 refuses y diaeresis") << 1250 << "Ÿ" << QByteArray() << 0;
}

void TestCommon::codePageCharacters()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, refusedAt);
    if (qel::ansi::codePage() != codePage)
        QSKIP("Another code page is in use here.");
    QCOMPARE(qel::ansi::firstUnencodable(text), qsizetype(refusedAt));
    if (refusedAt >= 0) {
        QVERIFY(!qel::ansi::canEncode(text.at(refusedAt)));
        return;
    }
    QCOMPARE(qel::ansi::encode(text), bytes);
    QCOMPARE(qel::ansi::decode(bytes), text);
}

void TestCommon::pathsIgnoreLetterCase()
{
    SimFolder sim(false, false);
    sim.mkdir("QEL");
    sim.write("QEL/Demo.QEL", "x");
    sim.mkdir("QEL/sub.qel");
    const auto qel = qel::paths::simulatorFolder("qel");
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

void TestCommon::missingFolderIsNotFound()
{
    SimFolder sim(false, false);
    sim.write("qel", "a file, not a folder");
    QVERIFY(!qel::paths::simulatorFolder("qel"));
    QVERIFY(!qel::paths::simulatorFolder("pilots"));
}

void TestCommon::replaceWritesAndReplaces()
{
    SimFolder sim;
    const QString path = sim.filePath("qel/a.qel");
    QCOMPARE(qel::files::replaceFile(path, QByteArray("first, longer content")), QString());
    QCOMPARE(qel::files::replaceFile(path, QByteArray("second")), QString());
    QCOMPARE(sim.read("qel/a.qel"), QByteArray("second"));
    QCOMPARE(sim.entries("qel"), QStringList({"a.qel"}));
}

void TestCommon::replaceEveryNameTheRulesAccept_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("248 characters") << 248 << false;
    QTest::newRow("249 characters") << 249 << false;
    QTest::newRow("255 characters") << 255 << false;
    QTest::newRow("a hidden file") << 8 << true;
}

void TestCommon::replaceEveryNameTheRulesAccept()
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

void TestCommon::shortNamesOpenTheLongOne()
{
    SimFolder sim;
    sim.write("qel/Very long scenario name.qel", "x");
    const auto qel = qel::paths::simulatorFolder("qel");
    const QString alias = shortAlias(sim.filePath("qel/Very long scenario name.qel"));
    if (alias.isEmpty())
        QSKIP("the system gives no short names");
    QVERIFY(qel::paths::fileExists(*qel, alias));
    QCOMPARE(QFileInfo(qel::paths::filePath(*qel, alias.toLower())).fileName(),
             QStringLiteral("Very long scenario name.qel"));
}

void TestCommon::replaceFailuresKeepTheOldFile()
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
    QCOMPARE(sim.entries(), QStringList({"pilots", "qel"}));
}

void TestCommon::replaceLeavesNoTemporaryFileWhenTheWriterFails()
{
    SimFolder sim;
    sim.write("qel/a.bmp", "old picture");
    const QString error = qel::files::replaceFile(sim.filePath("qel/a.bmp"), [](QIODevice& out) {
        out.write("half of the new pic");
        return false;
    });
    QVERIFY(!error.isEmpty());
    QCOMPARE(sim.read("qel/a.bmp"), QByteArray("old picture"));
    QCOMPARE(sim.entries("qel"), QStringList({"a.bmp"}));
}

void TestCommon::replaceKeepsPermissionsAndLinks()
{
#ifdef Q_OS_WIN
    QSKIP("permission bits and links are the Unix file systems'");
#endif
    SimFolder sim;
    sim.write("qel/shared.qel", "old");
    const QFileDevice::Permissions groupReads = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    QVERIFY(QFile::setPermissions(sim.filePath("qel/shared.qel"), groupReads));
    QVERIFY(QFile::link(sim.filePath("qel/shared.qel"), sim.filePath("qel/link.qel")));
    QCOMPARE(qel::files::replaceFile(sim.filePath("qel/link.qel"), QByteArray("new")), QString());
    QVERIFY(QFileInfo(sim.filePath("qel/link.qel")).isSymLink());
    QCOMPARE(sim.read("qel/shared.qel"), QByteArray("new"));
    const auto ownerGroupOther = QFileDevice::Permissions::fromInt(0x7077);
    QCOMPARE(QFile::permissions(sim.filePath("qel/shared.qel")) & ownerGroupOther, groupReads);
    QCOMPARE(sim.entries("qel"), QStringList({"link.qel", "shared.qel"}));
}

// Runs again as a child that sees the qel folder mounted read-only (in a mount namespace of its
// own, which needs no administrator), and checks there what the user is told.
void TestCommon::replaceOnReadOnlyDiskNamesTheDisk()
{
    const QString readOnly = qEnvironmentVariable("QEL_READ_ONLY_FOLDER");
    if (!readOnly.isEmpty()) {
        for (const char* name : {"old.qel", "new.qel"}) {
            const QString error = qel::files::replaceFile(readOnly + '/' + name, QByteArray("new"));
            QVERIFY2(error.contains("on a disk that cannot be written to"), qPrintable(error));
        }
        return;
    }
    SimFolder sim;
    sim.write("qel/old.qel", "old");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QEL_READ_ONLY_FOLDER", sim.filePath("qel"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("unshare", {"--user", "--map-root-user", "--mount", "sh", "-c",
                            "mount --bind \"$0\" \"$0\" && mount -o remount,ro,bind \"$0\" "
                            "\"$0\" || exit 77; exec \"$1\" replaceOnReadOnlyDiskNamesTheDisk",
                            sim.filePath("qel"), QCoreApplication::applicationFilePath()});
    QVERIFY(child.waitForFinished(60000) || child.error() == QProcess::FailedToStart);
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (child.error() == QProcess::FailedToStart || child.exitCode() == 77)
        QSKIP(qPrintable("no read-only mount can be made here: " + output));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output));
    QCOMPARE(sim.read("qel/old.qel"), QByteArray("old"));
    QCOMPARE(sim.entries("qel"), QStringList({"old.qel"}));
}

void TestCommon::fileListMatchesAndSortsIgnoringCase()
{
    SimFolder sim;
    for (const char* name : {"b.bmp", "A.BMP", "c.Bmp", "d.bmpx", "e.qel", "bmp"})
        sim.write(QStringLiteral("qel/") + name, "x");
    sim.mkdir("qel/f.bmp");
    qel::FileList list;
    list.setFolder(QDir(sim.filePath("qel")), "*.bmp");
    QCOMPARE(list.names(), QStringList({"A.BMP", "b.bmp", "c.Bmp"}));
    list.setPattern("*.zxz");
    QCOMPARE(list.count(), 0);
    list.setPattern("e.qel");
    QCOMPARE(list.names(), QStringList({"e.qel"}));
    list.clearFolder();
    QCOMPARE(list.count(), 0);
}

void TestCommon::fileListSelection()
{
    SimFolder sim;
    sim.write("pilots/one.stn", "x");
    sim.write("pilots/two.stn", "x");
    qel::FileList list;
    list.setFolder(QDir(sim.filePath("pilots")), "*.stn");
    QSignalSpy clicked(&list, &qel::FileList::entryChosen);
    QCOMPARE(list.selectedName(), QString());
    list.selectName("two.stn");
    QCOMPARE(list.selectedName(), QStringLiteral("two.stn"));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("two.stn"));
    list.setFolder(QDir(sim.filePath("pilots")), "*.stn");
    QCOMPARE(list.selectedName(), QString());

    // From the keyboard, the first arrow key selects the first entry.
    list.show();
    list.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&list));
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.selectedName(), QStringLiteral("one.stn"));
}

void TestCommon::twipsRound()
{
    static_assert(qel::twips::toPixels(15) == 1);
    static_assert(qel::twips::toPixels(2415) == 161);
    static_assert(qel::twips::toPixels(1815) == 121);
    static_assert(qel::twips::toPixels(-15) == -1);
    QCOMPARE(qel::twips::rect(105, 15, 4335, 1020), QRect(7, 1, 289, 68));
}

void TestCommon::clipboardBitmaps_data()
{
    using bmpbytes::dibHeader;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRgb>>("pixels"); // top row first; none when refused
    QTest::addColumn<bool>("damaged");
    // Rows of 2 pixels (blue, green, red), padded to 4 bytes.
    const QByteArray rows24("\x03\x02\x01\x06\x05\x04\0\0\x30\x20\x10\x60\x50\x40\0\0", 16);
    const QList<QRgb> upper{qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60)};
    const QList<QRgb> lower{qRgb(1, 2, 3), qRgb(4, 5, 6)};
    QTest::newRow("24 bits, bottom-up")
        << dibHeader(40, 2, 2, 24, 0) + rows24 << QSize(2, 2) << upper + lower << false;
    QTest::newRow("24 bits, top-down")
        << dibHeader(40, 2, -2, 24, 0) + rows24 << QSize(2, 2) << lower + upper << false;
    QTest::newRow("32 bits, alpha ignored")
        << dibHeader(40, 2, 1, 32, 0) + QByteArray("\x03\x02\x01\0\x06\x05\x04\x80", 8)
        << QSize(2, 1) << lower << false;
    // Red in the second byte, green in the third, blue in the fourth.
    const QList<quint32> masks{0x0000ff00, 0x00ff0000, 0xff000000};
    const QByteArray rows32("\x99\x01\x02\x03\x99\x04\x05\x06", 8);
    QTest::newRow("32 bits, masks after the header")
        << dibHeader(40, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    QTest::newRow("32 bits, masks in a V5 header")
        << dibHeader(124, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    QTest::newRow("larger than 16384 x 16384") << dibHeader(40, 16385, 16384, 24, 0) + rows24
                                               << QSize(16385, 16384) << QList<QRgb>() << false;
    QTest::newRow("pixels cut short")
        << dibHeader(40, 2, 3, 24, 0) + rows24 << QSize() << QList<QRgb>() << true;
    QTest::newRow("no rows") << dibHeader(40, 2, 0, 24, 0) + rows24 << QSize() << QList<QRgb>()
                             << true;
    // A table of two colours (the count at offset 32), then indexes 1, 0 and one past the table.
    const QByteArray twoColours = dibHeader(40, 3, 1, 8, 0).replace(32, 1, "\x02", 1) +
                                  QByteArray("\x03\x02\x01\0\x06\x05\x04\0\x01\x00\x07\0", 12);
    QTest::newRow("8 bits, colour table")
        << twoColours << QSize(3, 1) << QList<QRgb>{lower[1], lower[0], qRgb(0, 0, 0)} << false;
    // No count: a table of all 256 colours (entry n is n, n, n), then indexes 0 and 255, top-down.
    QByteArray grey = dibHeader(40, 2, -1, 8, 0);
    for (int n = 0; n < 256; ++n)
        grey += QByteArray(3, char(n)) + '\0';
    QTest::newRow("8 bits, all 256 colours")
        << grey + QByteArray("\x00\xff\0\0", 4) << QSize(2, 1)
        << QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)} << false;
    QTest::newRow("8 bits, run-length encoded")
        << dibHeader(40, 2, 2, 8, 1) + rows24 << QSize() << QList<QRgb>() << false;
}

void TestCommon::clipboardBitmaps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, pixels);
    QFETCH(bool, damaged);
    const qel::dib::Picture picture = qel::dib::fromPacked(bytes, 16384LL * 16384);
    QCOMPARE(picture.size, size);
    QCOMPARE(picture.damaged, damaged);
    QCOMPARE(picture.image.isNull(), pixels.isEmpty());
    QList<QRgb> read;
    for (int y = 0; y < picture.image.height(); ++y)
        for (int x = 0; x < picture.image.width(); ++x)
            read << picture.image.pixel(x, y);
    QCOMPARE(read, pixels);
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
