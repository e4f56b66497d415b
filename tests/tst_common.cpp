// The shared layer: names, text encoding, case-insensitive paths, safe replacement, file lists.
#include "ansi.h"
#include "bmpbytes.h"
#include "codepagesetting.h"
#include "dib.h"
#include "dibpictures.h"
#include "diskguard.h"
#include "filelist.h"
#include "folderchooser.h"
#include "fontfamilies.h"
#include "modalanswerer.h"
#include "names.h"
#include "ownsettings.h"
#include "paths.h"
#include "safefile.h"
#include "safefile_p.h"
#include "saveflow.h"
#include "simfolder.h"
#include "systemclipboard.h"
#include "twips.h"
#include "winclipboard.h"
#include "winfiles.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <optional>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void bareNames_data();
    void bareNames();
    void nameLengthAsTheFileSystemMeasuresIt_data();
    void nameLengthAsTheFileSystemMeasuresIt();
    void theExpectedCodePage();
    void everyByteSurvivesDecodeAndEncode();
    void codePageCharacters_data();
    void codePageCharacters();
    void codePageFromTheLocale_data();
    void codePageFromTheLocale();
    void pathsIgnoreLetterCase();
    void missingFolderIsNotFound();
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
    void fileListMatchesAndSortsIgnoringCase();
    void fileListSelection();
    void twipsRound();
    void clipboardBitmaps_data();
    void clipboardBitmaps();
    void clipboardBitmapLayouts_data();
    void clipboardBitmapLayouts();
    void startFolderSteps_data();
    void startFolderSteps();
    void enteringTheFolderRemembersItOnlyWhenItMoves();
    void chooserOffersTheFoldersFound();
    void virtualStoreMergesWithTheFolder();
    void noToTheQuestionLeavesTheVirtualStoreAsItWas();
    void shortNamedFolderIsTakenByItsLongName();
    void formFontWithoutLiberationSans();
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

void TestCommon::nameLengthAsTheFileSystemMeasuresIt_data()
{
    QTest::addColumn<QString>("name");
    // Letters of one to four bytes in UTF-8, repeated up to and just past 255 bytes.
    for (const char16_t* text : {u"a", u"\u00e9", u"\u20ac", u"\U0001F600"}) {
        const QString letter = QString::fromUtf16(text);
        const int bytes = int(letter.toUtf8().size());
        for (int count : {255 / bytes, 255 / bytes + 1})
            QTest::addRow("%d of \"%s\"", count, qPrintable(letter)) << letter.repeated(count);
    }
}

// The kernel is the judge: a name is refused exactly when the file system will not make a file
// of that name.
void TestCommon::nameLengthAsTheFileSystemMeasuresIt()
{
#ifdef Q_OS_WIN
    QSKIP("Wine keeps its files on a Linux file system, unlike Windows");
#endif
    QFETCH(QString, name);
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    const bool made = file.open(QIODevice::WriteOnly);
    QCOMPARE(qel::names::bareNameProblem(name).isEmpty(), made);
    if (!made)
        QVERIFY(qel::names::bareNameProblem(name).contains("at most 255"));
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
    QTest::newRow("1251 Russian") << 1251 << "Полёт Ж" << QByteArray("\xcf\xee\xeb\xb8\xf2 \xc6")
                                  << -1;
    QTest::newRow("1251 refuses l with stroke") << 1251 << "жŁ" << QByteArray() << 1;
    QTest::newRow("1253 Greek") << 1253 << "Αθήνα Ω" << QByteArray("\xc1\xe8\xde\xed\xe1 \xd9")
                                << -1;
    QTest::newRow("1253 refuses Cyrillic") << 1253 << "αж" << QByteArray() << 1;
    QTest::newRow("932 kanji, kana, half-width kana")
        << 932 << "東京のｱ" << QByteArray("\x93\x8c\x8b\x9e\x82\xcc\xb1") << -1;
    QTest::newRow("932 wave dash and NEC circled one")
        << 932 << "～①" << QByteArray("\x81\x60\x87\x40") << -1;
    QTest::newRow("932 refuses the yen sign, not backslash") << 932 << "\\¥" << QByteArray() << 1;
    QTest::newRow("UTF-8 Hindi, euro")
        << 65001 << "ह€" << QByteArray("\xe0\xa4\xb9\xe2\x82\xac") << -1;
}

void TestCommon::codePageCharacters()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, refusedAt);
    const CodePageSetting setting(codePage);
    QEL_SKIP_UNLESS_IN_USE(setting);
    QCOMPARE(qel::ansi::firstUnencodable(text), qsizetype(refusedAt));
    if (refusedAt >= 0) {
        QVERIFY(!qel::ansi::canEncode(text.at(refusedAt)));
        return;
    }
    QCOMPARE(qel::ansi::encode(text), bytes);
    QCOMPARE(qel::ansi::decode(bytes), text);
}

// As Wine chooses the code page for the launcher: from the locale that governs LC_CTYPE, when the
// system has it (scripts/deps generates these; "de_DE.UTF-8" and "ru_RU" stay missing), unless
// the settings name one. The Windows stage compares Wine's own choice (codepage_wine.sh).
void TestCommon::codePageFromTheLocale_data()
{
    QTest::addColumn<QString>("environment"); // LC_ALL LC_CTYPE LANG, "-" for unset
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("expected");
    QTest::newRow("LANG Russian") << "- - ru_RU.UTF-8"
                                  << "" << 1251;
    QTest::newRow("LC_CTYPE Polish alone") << "- pl_PL.UTF-8 -"
                                           << "" << 1250;
    QTest::newRow("LC_CTYPE over a missing LANG") << "- ru_RU.UTF-8 de_DE.UTF-8"
                                                  << "" << 1251;
    QTest::newRow("missing LC_CTYPE over LANG") << "- de_DE.UTF-8 ru_RU.UTF-8"
                                                << "" << 1252;
    QTest::newRow("LC_ALL over both") << "el_GR.UTF-8 pl_PL.UTF-8 ru_RU.UTF-8"
                                      << "" << 1253;
    QTest::newRow("Japanese") << "ja_JP.UTF-8 - -"
                              << "" << 932;
    QTest::newRow("locale the system lacks") << "- - ru_RU"
                                             << "" << 1252;
    QTest::newRow("setting over the locale") << "- - ru_RU.UTF-8"
                                             << "1250" << 1250;
    QTest::newRow("setting outside the table") << "- pl_PL.UTF-8 -"
                                               << "437" << 1250;
}

void TestCommon::codePageFromTheLocale()
{
#ifdef Q_OS_WIN
    QSKIP("Windows uses its own code page.");
#else
    QFETCH(QString, environment);
    QFETCH(QString, setting);
    QFETCH(int, expected);
    const OwnSettings settings;
    if (!setting.isEmpty())
        qel::simulator::settings()->setValue(qel::ansi::codePageKey, setting);
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    const QStringList values = environment.split(QLatin1Char(' '));
    QByteArray before[3];
    for (int i = 0; i < 3; ++i) {
        before[i] = qgetenv(names[i]);
        values[i] == "-" ? qunsetenv(names[i]) : qputenv(names[i], values[i].toLatin1());
    }
    const int chosen = qel::ansi::codePage();
    qel::simulator::settings()->remove(qel::ansi::codePageKey);
    for (int i = 0; i < 3; ++i)
        before[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], before[i]);
    QCOMPARE(chosen, expected);
#endif
}

void TestCommon::pathsIgnoreLetterCase()
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

void TestCommon::missingFolderIsNotFound()
{
    SimFolder sim(false, false);
    sim.write("qel", "a file, not a folder");
    QVERIFY(!qel::paths::simulatorSubfolder("qel"));
    QVERIFY(!qel::paths::simulatorSubfolder("pilots"));
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
    const auto qel = qel::paths::simulatorSubfolder("qel");
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
#ifndef Q_OS_WIN
    // A link into a missing folder names that folder.
    QVERIFY(QFile::link("../gone/x.qel", sim.filePath("qel/away.qel")));
    QVERIFY(qel::files::replaceFile(sim.filePath("qel/away.qel"), QByteArray("new"))
                .contains(sim.filePath("gone")));
#endif
    QCOMPARE(sim.entries(), QStringList({"pilots", "qel"}));
}

void TestCommon::replaceLeavesNoTemporaryFileWhenTheWriterFails_data()
{
    QTest::addColumn<bool>("shortName");
    QTest::newRow("the usual way") << false;
    // Where the system has no files without a name, and for the longest names.
    QTest::newRow("through a short temporary name") << true;
}

void TestCommon::replaceLeavesNoTemporaryFileWhenTheWriterFails()
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

void TestCommon::replaceKeepsPermissionsAndLinks_data()
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

void TestCommon::replaceKeepsPermissionsAndLinks()
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

void TestCommon::replaceWritesWhatTheSystemReads_data()
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
void TestCommon::replaceWritesWhatTheSystemReads()
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

void TestCommon::replaceKeepsOwnerAndAccessList_data()
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
void TestCommon::replaceKeepsOwnerAndAccessList()
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
void TestCommon::replaceLeavesTheOldContentUnderASecondName()
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
void TestCommon::replaceOnReadOnlyDiskNamesTheDisk()
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
void TestCommon::replaceWithoutTheProcFolder()
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
void TestCommon::replaceOnADiskThatFillsPartWay()
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
    QTest::newRow("32 bits, V5 header with an alpha mask")
        << dibHeader(124, 2, 1, 32, 0, {0xff0000, 0xff00, 0xff, 0xff000000}) +
               QByteArray("\x03\x02\x01\0\x06\x05\x04\x80", 8)
        << QSize(2, 1) << lower << false;
    // Red in the second byte, green in the third, blue in the fourth.
    const QList<quint32> masks{0x0000ff00, 0x00ff0000, 0xff000000};
    const QByteArray rows32("\x99\x01\x02\x03\x99\x04\x05\x06", 8);
    QTest::newRow("32 bits, masks after the header")
        << dibHeader(40, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    QTest::newRow("32 bits, masks in a V5 header")
        << dibHeader(124, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    // 2:10:10:10, ten bits a colour and two of alpha, which is ignored.
    const QList<quint32> tenBits{0x3ff00000, 0x000ffc00, 0x000003ff};
    QTest::newRow("32 bits, ten bits a colour")
        << dibHeader(40, 2, 1, 32, 3, tenBits) + QByteArray("\x05\x00\xf8\xff\x00\xf1\x4f\x00", 8)
        << QSize(2, 1) << QList<QRgb>{qRgb(255, 128, 1), qRgb(1, 255, 64)} << false;
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
    // Read as runs, the first draws three pixels into a row of two.
    QTest::newRow("8 bits, run-length encoded")
        << dibHeader(40, 2, 2, 8, 1) + rows24 << QSize() << QList<QRgb>() << true;
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

void TestCommon::clipboardBitmapLayouts_data()
{
    using dibpictures::Layout;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QRgb>>("pixels"); // none when the bitmap is damaged
    const QList<quint32> masks565{0xf800, 0x07e0, 0x001f};
    for (Layout l : {Layout{.bits = 1}, Layout{.bits = 4}, Layout{.bits = 4, .compression = 2},
                     Layout{.bits = 8}, Layout{.bits = 8, .compression = 1}, Layout{.bits = 16},
                     Layout{.bits = 16, .compression = 3, .masks = masks565},
                     Layout{.bits = 16, .compression = 3, .masks = masks565, .headerSize = 124},
                     Layout{.bits = 24}, Layout{.bits = 32},
                     Layout{.bits = 32, .compression = 3, .masks = {0xff, 0xff00, 0xff0000}},
                     Layout{.bits = 32, .headerSize = 124},
                     Layout{.bits = 32,
                            .compression = 3,
                            .masks = {0xff0000, 0xff00, 0xff},
                            .headerSize = 124}}) {
        const QByteArray name = QByteArray::number(l.bits) + " bits, compression " +
                                QByteArray::number(l.compression) + ", header " +
                                QByteArray::number(l.headerSize);
        QTest::newRow(name) << l.bytes() << l.pixels();
        l.topDown = true; // which compressed rows never are
        QTest::newRow(name + ", top-down") << l.bytes() << (l.runs() ? QList<QRgb>() : l.pixels());
        l.topDown = false;
        if (!l.runs())
            continue;
        // Runs that leave the picture, or a move over the bottom row, which stays the first
        // colour.
        const QByteArray whole = l.bytes();
        const qsizetype runs = whole.size() - 3 * (l.bits == 8 ? 10 : 8) - 2;
        QTest::newRow(name + ", a run past the row's end")
            << QByteArray(whole).replace(runs, 1, "\x04", 1) << QList<QRgb>();
        QTest::newRow(name + ", a run above the top row")
            << QByteArray(whole).insert(whole.size() - 2, "\x01\x00", 2) << QList<QRgb>();
        QTest::newRow(name + ", a move out of the picture")
            << QByteArray(whole).insert(runs, "\x00\x02\x00\x04", 4) << QList<QRgb>();
        QList<QRgb> skipped = l.pixels();
        std::fill(skipped.end() - dibpictures::width, skipped.end(), dibpictures::paletteColour(0));
        QTest::newRow(name + ", a move over the bottom row")
            << QByteArray(whole).replace(runs, l.bits == 8 ? 10 : 8, "\x00\x02\x00\x01", 4)
            << skipped;
    }
}

// Each bitmap whole and then cut short to every length below its own: all its pixels read, or
// refused as damaged, never a pixel from the memory beyond its bytes (filled with a colour of
// its own). On Windows also through the clipboard, the bytes alone in memory of their size.
void TestCommon::clipboardBitmapLayouts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QRgb>, pixels);
    for (qsizetype size = pixels.isEmpty() ? bytes.size() : 1; size <= bytes.size(); ++size) {
        const QByteArray memory = bytes.left(size) + QByteArray(1024, '\xc3');
        QList<qel::dib::Picture> read{
            qel::dib::fromPacked(QByteArrayView(memory.constData(), size), 16384LL * 16384)};
        if (putDibOnClipboard(bytes.left(size)))
            read << qel::systemclipboard::screenCapture(16384LL * 16384);
#ifdef Q_OS_WIN
        QCOMPARE(read.size(), 2);
#endif
        const bool whole = size == bytes.size() && !pixels.isEmpty();
        for (const qel::dib::Picture& picture : read) {
            QVERIFY2(picture.damaged != whole, qPrintable(QString::number(size)));
            QList<QRgb> got;
            for (int i = 0; i < picture.image.width() * picture.image.height(); ++i)
                got << picture.image.pixel(i % picture.image.width(), i / picture.image.width());
            QCOMPARE(got, whole ? pixels : QList<QRgb>());
        }
    }
}

Q_DECLARE_METATYPE(qel::simulator::Step)

namespace {

// Folders for the start-up steps: two simulators, one with only "QEL", one without either.
struct StartWorld {
    QTemporaryDir dir;
    StartWorld()
    {
        for (const char* folder : {"sim/pilots", "other sim/pilots", "qel only/QEL", "plain"})
            QDir(dir.path()).mkpath(QString::fromLatin1(folder));
        QFile flight(dir.filePath("sim/pilots/a.stn"));
        flight.open(QIODevice::WriteOnly);
    }
    QString path(const QString& name) const { return name.isEmpty() ? name : dir.filePath(name); }
};

QString same(const QString& folder)
{
    return folder.isEmpty() ? folder : QFileInfo(folder).canonicalFilePath();
}

} // namespace

void TestCommon::startFolderSteps_data()
{
    using qel::simulator::Step;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("error");
    QTest::newRow("argument") << QStringList{"other sim"} << "sim"
                              << "sim" << Step::Argument << "other sim"
                              << "";
    QTest::newRow("missing argument") << QStringList{"nowhere"} << "sim"
                                      << "" << Step::Refused << ""
                                      << "There is no folder";
    QTest::newRow("a file as the argument") << QStringList{"sim/pilots/a.stn"} << "sim"
                                            << "" << Step::Refused << ""
                                            << "is a file, not a folder";
    QTest::newRow("argument without pilots or qel")
        << QStringList{"plain"} << "sim"
        << "" << Step::Refused << ""
        << "holds neither a \"pilots\" nor a \"qel\" folder";
    QTest::newRow("two arguments") << QStringList{"sim", "other sim"} << "plain"
                                   << "" << Step::Refused << ""
                                   << "at most one argument";
    QTest::newRow("current") << QStringList{} << "sim"
                             << "other sim" << Step::Current << "sim"
                             << "";
    QTest::newRow("current with only QEL") << QStringList{} << "qel only"
                                           << "other sim" << Step::Current << "qel only"
                                           << "";
    QTest::newRow("remembered") << QStringList{} << "plain"
                                << "other sim" << Step::Remembered << "other sim"
                                << "";
    QTest::newRow("remembered but gone") << QStringList{} << "plain"
                                         << "gone" << Step::Ask << ""
                                         << "";
    QTest::newRow("remembered without pilots or qel") << QStringList{} << "plain"
                                                      << "plain" << Step::Ask << ""
                                                      << "";
    QTest::newRow("nothing remembered") << QStringList{} << "plain"
                                        << "" << Step::Ask << ""
                                        << "";
}

void TestCommon::startFolderSteps()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, current);
    QFETCH(QString, remembered);
    QFETCH(qel::simulator::Step, step);
    QFETCH(QString, folder);
    QFETCH(QString, error);
    const StartWorld world;
    const OwnSettings settings;
    if (!remembered.isEmpty())
        settings.setFolder(QDir::toNativeSeparators(world.path(remembered)));
    for (QString& argument : arguments)
        argument = world.path(argument);
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(world.path(current)));
    const qel::simulator::StartFolder start = qel::simulator::findStartFolder(arguments);
    QDir::setCurrent(before);
    QCOMPARE(int(start.step), int(step));
    QCOMPARE(same(start.folder), same(world.path(folder)));
    QVERIFY2(start.error.contains(error), qPrintable(start.error));
    QCOMPARE(start.error.isEmpty(), error.isEmpty());
}

void TestCommon::enteringTheFolderRemembersItOnlyWhenItMoves()
{
    const StartWorld world;
    const OwnSettings settings;
    const QString before = QDir::currentPath();
    QDir::setCurrent(world.path("sim"));
    QVERIFY(qel::simulator::enterStartFolder({}));
    QCOMPARE(same(QDir::currentPath()), same(world.path("sim")));
    QVERIFY(!settings.folder().isValid()); // started in the simulator folder: nothing written
    QVERIFY(qel::simulator::enterStartFolder({world.path("other sim")}));
    QCOMPARE(same(QDir::currentPath()), same(world.path("other sim")));
    QCOMPARE(settings.folder().toString(), QDir::toNativeSeparators(world.path("other sim")));
    QDir::setCurrent(before);
}

void TestCommon::chooserOffersTheFoldersFound()
{
#ifdef Q_OS_WIN
    QSKIP("the search looks at the machine's own drives, and Browse opens the system's dialog");
#endif
    const StartWorld world;
    const OwnSettings settings;
    const QString before = QDir::currentPath();
    const QByteArray home = qgetenv("HOME");
    const QDir fake(world.path("plain"));
    qputenv("HOME", QFile::encodeName(fake.path()));
    const QString wine = fake.filePath(".wine/drive_c/Program Files/Microsoft Games/FS98");
    const QString prefix = fake.filePath(".local/share/wineprefixes/fs/drive_c/FS98");
    for (const QString& made :
         {wine + "/PILOTS", prefix + "/qel", fake.filePath(".wine/drive_c/Games/a/deep/pilots")})
        QVERIFY(QDir().mkpath(made));
    QCOMPARE(qel::simulator::foundFolders(), (QStringList{prefix, wine}));

    // The first start asks; the folder chosen is entered and remembered.
    QDir::setCurrent(world.path("plain"));
    ModalAnswerer answers;
    answers.expectWindow("folderChooser", [](QWidget* w) {
        auto* list = w->findChild<QListWidget*>("foundFolders");
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1);
        w->findChild<QPushButton*>("useFolder")->click();
    });
    QVERIFY(qel::simulator::enterStartFolder({}));
    QVERIFY_ANSWERED(answers);
    QCOMPARE(same(QDir::currentPath()), same(wine));
    QCOMPARE(settings.folder().toString(), QDir::toNativeSeparators(wine));

    // A browsed folder without "pilots" or "qel" is warned about; choosing again is the default.
    settings.setFolder(QString());
    QDir::setCurrent(world.path("plain"));
    answers.expectWindow("folderChooser", [](QWidget* w) {
        w->findChild<QPushButton*>("browse")->click();
        w->findChild<QPushButton*>("keepCurrent")->click();
    });
    answers.expectWindow("browseDialog", [&world](QWidget* w) {
        auto* dialog = static_cast<QFileDialog*>(w);
        dialog->setDirectory(world.dir.path());
        dialog->selectFile(world.path("plain"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
    });
    answers.expectWindow("notSimulatorFolder", [](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("Choose again"));
        box->defaultButton()->click();
    });
    QVERIFY(qel::simulator::enterStartFolder({}));
    QVERIFY_ANSWERED(answers);
    QCOMPARE(same(QDir::currentPath()), same(world.path("plain"))); // went on as it was
    QCOMPARE(settings.folder().toString(), QString());
    QDir::setCurrent(before);
    qputenv("HOME", home);
}

void TestCommon::virtualStoreMergesWithTheFolder()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' own redirection");
#else
    QTemporaryDir sim(qEnvironmentVariable("ProgramFiles") + QStringLiteral("/qeltest-XXXXXX"));
    QVERIFY(sim.isValid());
    const QString simPath = QDir::fromNativeSeparators(sim.path());
    QDir copy(qEnvironmentVariable("LOCALAPPDATA") + QStringLiteral("/VirtualStore") +
              simPath.mid(2));
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
    QVERIFY(same(qel::paths::writePath(qel, "both.qel"), copy.filePath("qel/BOTH.qel")));
    QVERIFY(same(qel::paths::writePath(qel, "new.qel"), qel.filePath("new.qel")));
    // Outside Program Files and the Windows folder nothing changes.
    const QTemporaryDir elsewhere;
    QVERIFY(!qel::paths::virtualStoreCopy(QDir(elsewhere.path())));
    QVERIFY(copy.removeRecursively());
#endif
}

// Below Program Files, in a folder the user may not write, a save goes to the VirtualStore copy.
// Working that out makes nothing: after a "No" to the question both the folder and the user's
// VirtualStore are as they were; a "Yes" makes the copy's folder and saves in it.
void TestCommon::noToTheQuestionLeavesTheVirtualStoreAsItWas()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' VirtualStore");
#else
    QTemporaryDir sim(qEnvironmentVariable("ProgramFiles") + QStringLiteral("/qeltest-XXXXXX"));
    QVERIFY(sim.isValid());
    const QString simPath = QDir::fromNativeSeparators(sim.path());
    const QDir qel(simPath + "/qel");
    QVERIFY(QDir().mkpath(qel.path()));
    QFile old(qel.filePath("Old.qel"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QString store = qEnvironmentVariable("LOCALAPPDATA") + QStringLiteral("/VirtualStore");
    const QDir copy(store + simPath.mid(2) + "/qel");
    const auto cleanUp = qScopeGuard([&] {
        setImmutable(qel.path(), false);
        QDir(store + simPath.mid(2)).removeRecursively();
    });
    QVERIFY(setImmutable(qel.path(), true));
    const DiskGuard simGuard(simPath);
    const DiskGuard storeGuard(store);
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
void TestCommon::shortNamedFolderIsTakenByItsLongName()
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

// Where Liberation Sans is missing, the windows ask for their whole list of families for the
// system to find the nearest, instead of the one font they ask for where it is installed. Run in
// a child process whose fontconfig sees nothing but the DejaVu fonts.
void TestCommon::formFontWithoutLiberationSans()
{
    using namespace qel::fonts;
    if (qEnvironmentVariableIsSet("QEL_FONTS_CHILD")) {
        QVERIFY(!QFontDatabase::families().isEmpty());
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
        for (const QFont& font :
             {formFont(Typeface::form, 8.25), formFont(Typeface::arial, 9.75)}) {
            QVERIFY2(font.families().size() > 1 &&
                         font.families().contains(QStringLiteral("Liberation Sans")),
                     qPrintable(font.families().join(QLatin1Char(','))));
            QVERIFY(QFontDatabase::families().contains(QFontInfo(font).family()));
        }
        QVERIFY(formFont(Typeface::arial, 9.75).families().startsWith(QStringLiteral("Arial")));
        return;
    }
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    if (QGuiApplication::platformName() == QLatin1String("windows") || !QFile::exists(dejavu))
        QSKIP("Needs fontconfig and the DejaVu fonts.");
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir>"
                                "<cachedir>%2</cachedir></fontconfig>\n")
                     .arg(dejavu, dir.filePath(QStringLiteral("cache")))
                     .toUtf8());
    config.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
    env.insert(QStringLiteral("QEL_FONTS_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("formFontWithoutLiberationSans")});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
