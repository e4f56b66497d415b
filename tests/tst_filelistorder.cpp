// The file list over folders of every kind: the order of names that differ in case or are not
// plain ASCII, patterns with wildcards, and entries that are not plain files.
#include "filelist.h"
#include "folderlisting.h"
#include "simfolder.h"

#include <QFile>
#include <QtTest>

class TestFileListOrder : public QObject {
    Q_OBJECT
private slots:
    void orderIgnoresCaseLikeWindows();
    void patterns_data();
    void patterns();
    void linksAndHiddenFiles();
    void manyFlights();
};

void TestFileListOrder::orderIgnoresCaseLikeWindows()
{
    SimFolder sim;
    for (const char* name : {"b.stn", "Z.stn", "B.stn", "AB.stn", "a.stn", "_.stn", "[x].stn",
                             "\xc3\xa4.stn", "\xc3\x84.stn"})
        sim.write(QStringLiteral("pilots/") + QString::fromUtf8(name), "x");
    FileList list;
    list.setFolder(QDir(sim.filePath("pilots")), "*.stn");
    // "[" and "_" lie between "Z" and "a", so they come before every letter once case is ignored;
    // names equal but for case keep a fixed order, upper case first; "ä" folds after "z".
    QStringList expected{"[x].stn",
                         "_.stn",
                         "a.stn",
                         "AB.stn",
                         "B.stn",
                         "b.stn",
                         "Z.stn",
                         QString::fromUtf8("\xc3\x84.stn"),
                         QString::fromUtf8("\xc3\xa4.stn")};
    // Windows keeps one file for names equal but for case: the one written first.
    if (QFile::exists(sim.filePath("pilots/A.STN"))) {
        expected.removeOne("B.stn");
        expected.removeOne(QString::fromUtf8("\xc3\x84.stn"));
    }
    QCOMPARE(list.names(), expected);
}

void TestFileListOrder::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("extension, any case") << "*.STN" << QStringList{"a.stn", "b.STN", "c.Stn"};
    QTest::newRow("question mark") << "?.stn" << QStringList{"a.stn", "b.STN", "c.Stn"};
    QTest::newRow("question mark in extension")
        << "*.st?" << QStringList{"a.stn", "ab.stx", "b.STN", "c.Stn"};
    QTest::newRow("exact name") << "ab.stx" << QStringList{"ab.stx"};
    QTest::newRow("everything") << "*"
                                << QStringList{"a.stn", "a.stn.bak", "ab.stx", "b.STN", "c.Stn"};
    QTest::newRow("nothing") << "*.zxz" << QStringList{};
}

void TestFileListOrder::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    SimFolder sim;
    for (const char* name : {"a.stn", "b.STN", "c.Stn", "ab.stx", "a.stn.bak"})
        sim.write(QStringLiteral("pilots/") + name, "x");
    FileList list;
    list.setFolder(QDir(sim.filePath("pilots")), pattern);
    QCOMPARE(list.names(), listed);
}

void TestFileListOrder::linksAndHiddenFiles()
{
    SimFolder sim;
    sim.write("pilots/plain.stn", "x");
    sim.write("pilots/.hidden.stn", "x");
    sim.mkdir("pilots/folder.stn");
    sim.mkdir("elsewhere");
    const QString pilots = sim.filePath("pilots");
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes shortcut files on Windows, not symbolic links.");
#endif
    if (!QFile::link(pilots + "/plain.stn", pilots + "/tofile.stn") ||
        !QFile::link(sim.filePath("elsewhere"), pilots + "/tofolder.stn") ||
        !QFile::link(pilots + "/gone.stn", pilots + "/broken.stn"))
        QSKIP("this file system has no symbolic links");
    // As QDir lists Files | Hidden | System: a link counts as what it points to, a broken link
    // is listed, folders are not.
    const QStringList expected{".hidden.stn", "broken.stn", "plain.stn", "tofile.stn"};
    FileList list;
    list.setFolder(QDir(pilots), "*.stn");
    QCOMPARE(list.names(), expected);
    QStringList raw = qel::listing::fileNames(pilots);
    raw.sort();
    QCOMPARE(raw, expected);
    QVERIFY(qel::listing::fileNames(sim.filePath("missing")).isEmpty());
}

void TestFileListOrder::manyFlights()
{
    SimFolder sim;
    QStringList expected;
    for (int i = 0; i < 2000; ++i) {
        const QString name = QStringLiteral("%1 %2.%3")
                                 .arg(i % 2 ? "flight" : "Flight")
                                 .arg(i, 4, 10, QLatin1Char('0'))
                                 .arg(i % 3 ? "stn" : "STN");
        sim.write("pilots/" + name, QByteArray());
        expected << name;
    }
    const QDir pilots(sim.filePath("pilots"));
    FileList list;
    list.setFolder(pilots, "*.stn");
    QCOMPARE(list.count(), 2000);
    // Rows far below the first screenful, asked for first, are already in their places.
    QCOMPARE(list.model()->index(1500, 0).data().toString(), expected.at(1500));
    QCOMPARE(list.model()->index(3, 0).data().toString(), expected.at(3));
    QCOMPARE(list.names(), expected); // numbered names: their order ignores the case of "Flight"

    FileList lastFirst; // the view asks for the last row first, to size the rows
    lastFirst.setFolder(pilots, "*.stn");
    QCOMPARE(lastFirst.model()->index(1999, 0).data().toString(), expected.last());
    QCOMPARE(lastFirst.model()->index(64, 0).data().toString(), expected.at(64));
    QCOMPARE(lastFirst.names(), expected);

    FileList byKeyboard;
    byKeyboard.setFolder(pilots, "*.stn");
    byKeyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&byKeyboard));
    byKeyboard.setFocus();
    QTest::keyClick(&byKeyboard, Qt::Key_End);
    QCOMPARE(byKeyboard.selectedName(), expected.last());

    FileList bySearch;
    bySearch.setFolder(pilots, "*.stn");
    bySearch.selectName(expected.at(1999));
    QCOMPARE(bySearch.selectedName(), expected.at(1999));
    QCOMPARE(bySearch.currentIndex().row(), 1999);
}

QTEST_MAIN(TestFileListOrder)
#include "tst_filelistorder.moc"
