// The file list over folders of every kind: the order of names that differ in case or are not
// plain ASCII, patterns with wildcards, and entries that are not plain files; and how it shows
// them: whole rows, long names, the keyboard focus, a name chosen elsewhere.
#include "filelist.h"
#include "folderlisting.h"
#include "simfolder.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A folder of `count` flights, the first `long` of them with names far wider than any list.
QDir flights(SimFolder& sim, int count, int longNames = 0)
{
    sim.mkdir(QStringLiteral("pilots"));
    for (int i = 0; i < count; ++i) {
        const QString stem = i < longNames ? QStringLiteral("A very long flight name over the Alps")
                                           : QStringLiteral("Flight");
        sim.write(QStringLiteral("pilots/%1 %2.stn").arg(stem).arg(i, 2, 10, QLatin1Char('0')),
                  "x");
    }
    return QDir(sim.filePath(QStringLiteral("pilots")));
}

// What a widget was asked to repaint.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

class TestFileListOrder : public QObject {
    Q_OBJECT
private slots:
    void orderIgnoresCaseLikeWindows();
    void patterns_data();
    void patterns();
    void linksAndHiddenFiles();
    void manyFlights();
    void showNameIgnoresCaseAndIsNoChoice_data();
    void showNameIgnoresCaseAndIsNoChoice();
    void onlyWholeRowsAreShown_data();
    void onlyWholeRowsAreShown();
    void longNamesShowWholeAsToolTip();
    void focusShowsBeforeAnyEntryIsChosen();
    void fileListMatchesAndSortsIgnoringCase();
    void fileListSelection();
};

void TestFileListOrder::orderIgnoresCaseLikeWindows()
{
    SimFolder sim;
    for (const char* name : {"b.stn", "Z.stn", "B.stn", "AB.stn", "a.stn", "_.stn", "[x].stn",
                             "\xc3\xa4.stn", "\xc3\x84.stn"})
        sim.write(QStringLiteral("pilots/") + QString::fromUtf8(name), "x");
    qel::FileList list;
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
    qel::FileList list;
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
    qel::FileList list;
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
    qel::FileList list;
    list.setFolder(pilots, "*.stn");
    QCOMPARE(list.count(), 2000);
    // Rows far below the first screenful, asked for first, are already in their places.
    QCOMPARE(list.model()->index(1500, 0).data().toString(), expected.at(1500));
    QCOMPARE(list.model()->index(3, 0).data().toString(), expected.at(3));
    QCOMPARE(list.names(), expected); // numbered names: their order ignores the case of "Flight"

    qel::FileList lastFirst; // the view asks for the last row first, to size the rows
    lastFirst.setFolder(pilots, "*.stn");
    QCOMPARE(lastFirst.model()->index(1999, 0).data().toString(), expected.last());
    QCOMPARE(lastFirst.model()->index(64, 0).data().toString(), expected.at(64));
    QCOMPARE(lastFirst.names(), expected);

    qel::FileList byKeyboard;
    byKeyboard.setFolder(pilots, "*.stn");
    byKeyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&byKeyboard));
    byKeyboard.setFocus();
    QTest::keyClick(&byKeyboard, Qt::Key_End);
    QCOMPARE(byKeyboard.selectedName(), expected.last());

    qel::FileList bySearch;
    bySearch.setFolder(pilots, "*.stn");
    bySearch.selectName(expected.at(1999));
    QCOMPARE(bySearch.selectedName(), expected.at(1999));
    QCOMPARE(bySearch.currentIndex().row(), 1999);
}

void TestFileListOrder::showNameIgnoresCaseAndIsNoChoice_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("selected");
    QTest::newRow("exact spelling first") << "b.stn"
                                          << "b.stn";
    QTest::newRow("other case") << "ALPS.stn"
                                << "alps.STN";
    QTest::newRow("no such entry") << "gone.stn" << QString();
    QTest::newRow("no flight") << " " << QString();
}

void TestFileListOrder::showNameIgnoresCaseAndIsNoChoice()
{
    QFETCH(QString, name);
    QFETCH(QString, selected);
    SimFolder sim;
    for (const char* flight : {"alps.STN", "B.stn", "b.stn", "c.stn"})
        sim.write(QStringLiteral("pilots/") + flight, "x");
    if (QDir(sim.filePath("pilots")).entryList(QDir::Files).size() < 4 && name == selected)
        QSKIP("This file system holds one file for B.stn and b.stn, as Windows does.");
    qel::FileList list;
    list.setFolder(QDir(sim.filePath("pilots")), "*.stn");
    list.selectName(QStringLiteral("c.stn")); // chosen before
    QSignalSpy chosen(&list, &qel::FileList::entryChosen);
    list.showName(name);
    QCOMPARE(list.selectedName(), selected);
    QCOMPARE(chosen.count(), 0);
}

void TestFileListOrder::onlyWholeRowsAreShown_data()
{
    QTest::addColumn<int>("height");
    for (int height : {84, 97, 110, 121})
        QTest::addRow("%d pixels", height) << height;
}

void TestFileListOrder::onlyWholeRowsAreShown()
{
    QFETCH(int, height);
    SimFolder sim;
    qel::FileList list;
    list.setFolder(flights(sim, 30), "*.stn");
    list.resize(120, height);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const int row = list.sizeHintForRow(0);
    QVERIFY(row > 0);
    QCOMPARE(list.viewport()->height() % row, 0);
    QVERIFY(list.viewport()->height() > list.height() - row - 2 * list.frameWidth());
    list.scrollToBottom();
    const QRect last = list.visualRect(list.model()->index(29, 0));
    QCOMPARE(last.bottom(), list.viewport()->height() - 1);
}

void TestFileListOrder::longNamesShowWholeAsToolTip()
{
    SimFolder sim;
    qel::FileList list;
    list.setFolder(flights(sim, 4, 2), "*.stn");
    list.resize(120, 90);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto hover = [&list](int row) {
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
    };
    const QStringList names = list.names();
    hover(0);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), names.at(0));
    hover(3); // "Flight 03.stn" fits: no tip
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestFileListOrder::focusShowsBeforeAnyEntryIsChosen()
{
    SimFolder sim;
    QWidget window;
    auto* list = new qel::FileList(&window);
    list->setFolder(flights(sim, 4), "*.stn");
    auto* other = new QPushButton(QStringLiteral("other"), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus(Qt::TabFocusReason);
    const QImage without = list->grab().toImage();
    QTest::keyClick(other, Qt::Key_Tab);
    QVERIFY(list->hasFocus());
    QVERIFY(!list->currentIndex().isValid());
    QVERIFY2(list->grab().toImage() != without, "the list looks the same with the focus");

    // Choosing an entry further down takes the frame off the top row on the screen too.
    QTest::qWait(50); // repaints already asked for go first
    PaintedRegion painted(list->viewport());
    list->selectName(list->names().last());
    const QRect top = list->visualRect(list->model()->index(0, 0));
    QTRY_VERIFY(painted.region.contains(top));
}

void TestFileListOrder::fileListMatchesAndSortsIgnoringCase()
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

void TestFileListOrder::fileListSelection()
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

QTEST_MAIN(TestFileListOrder)
#include "tst_filelistorder.moc"
