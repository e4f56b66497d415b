// The numbered photo history "1.bmp" … "10.bmp", run over throw-away folders.
#include "autosave.h"
#include "photo_bmpcheck.h"
#include "safefile.h"
#include "winfiles.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <QtTest>

using qel::photo::autosave::Outcome;
using Renames = QMap<QString, QString>; // new name → former name, "NEW" for the new photo

namespace {

QByteArray photoBytes(const QString& label)
{
    return "photo " + label.toUtf8();
}

void put(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray get(const QDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Name → content of every entry, folders shown as "<folder>".
QMap<QString, QByteArray> snapshot(const QDir& dir)
{
    QMap<QString, QByteArray> all;
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        all[info.fileName()] = info.isDir() ? QByteArray("<folder>") : get(dir, info.fileName());
    return all;
}

QString name(int n)
{
    return QStringLiteral("%1.bmp").arg(n);
}

// A writer that puts `bytes` at the path and counts its calls.
struct FakeWriter {
    QByteArray bytes = "NEW";
    int calls = 0;
    QString failure;
    qel::photo::autosave::Writer fn()
    {
        return [this](const QString& path) {
            ++calls;
            if (!failure.isEmpty())
                return failure;
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return file.errorString();
            file.write(bytes);
            return QString();
        };
    }
};

// Real moves, except the ones named ("5.bmp": every rename of it; "8.bmp>7.bmp": that one only),
// which fail.
class FailingMoves : public qel::photo::autosave::FileMoves {
public:
    QStringList failRenames;
    bool failRemove = false;
    bool keepRemoved = false; // says it removed the file, but leaves it
    QString rename(const QString& from, const QString& to) override
    {
        const QString name = QFileInfo(from).fileName();
        if (failRenames.contains(name) ||
            failRenames.contains(name + u'>' + QFileInfo(to).fileName()))
            return QStringLiteral("refused for the test");
        return FileMoves::rename(from, to);
    }
    QString remove(const QString& path) override
    {
        if (keepRemoved)
            return {};
        return failRemove ? QStringLiteral("refused for the test") : FileMoves::remove(path);
    }
};

const QStringList bystanders = {QStringLiteral("11.bmp"), QStringLiteral("01.bmp"),
                                QStringLiteral("1.bmp.bak"), QStringLiteral("notes.txt"),
                                QStringLiteral("20.bmp")};

} // namespace

class TestPhotoAutoSave : public QObject {
    Q_OBJECT
private slots:
    void movesByFirstFreeNumber_data();
    void movesByFirstFreeNumber();
    void gaps_data();
    void gaps();
    void eleventhPressDropsTheOldest();
    void writesTheCaptureAsABitmap();
    void noPictureTouchesNothing();
    void folderWithANumberedNameIsNotAPhoto();
    void caseVariantCountsAsPresent();
    void renameBlockedStopsBeforeAnyMove();
    void failureAtEachStepPutsEveryPhotoBack_data();
    void failureAtEachStepPutsEveryPhotoBack();
    void photoHeldOpenByAnotherProgram();
    void unwritableFolderBelowProgramFiles();
};

void TestPhotoAutoSave::movesByFirstFreeNumber_data()
{
    QTest::addColumn<int>("firstFree"); // 11: all ten taken
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("first free %d", k) << k;
    QTest::newRow("all ten taken") << 11;
}

void TestPhotoAutoSave::movesByFirstFreeNumber()
{
    QFETCH(int, firstFree);
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int n = 1; n < firstFree && n <= 10; ++n)
        put(dir, name(n), photoBytes(name(n)));
    // A photo above the gap stays where it is.
    const int above = firstFree + 2;
    if (above <= 10)
        put(dir, name(above), photoBytes(name(above)));
    for (const QString& other : bystanders)
        put(dir, other, photoBytes(other));

    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    QCOMPARE(writer.calls, 1);

    QMap<QString, QByteArray> expected;
    expected[name(1)] = "NEW";
    const int lastMoved = qMin(firstFree, 10) - 1; // photos 1 … lastMoved move up one
    for (int n = 1; n <= lastMoved; ++n)
        expected[name(n + 1)] = photoBytes(name(n));
    // With all ten taken, the former "10.bmp" is gone and the former "9.bmp" took its place.
    if (above <= 10)
        expected[name(above)] = photoBytes(name(above));
    for (const QString& other : bystanders)
        expected[other] = photoBytes(other);
    QCOMPARE(snapshot(dir), expected);
}

void TestPhotoAutoSave::gaps_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<Renames>("after");
    QTest::newRow("1 and 3") << QList<int>{1, 3}
                             << Renames{{"1.bmp", "NEW"}, {"2.bmp", "1.bmp"}, {"3.bmp", "3.bmp"}};
    QTest::newRow("1, 2 and 4") << QList<int>{1, 2, 4}
                                << Renames{{"1.bmp", "NEW"},
                                           {"2.bmp", "1.bmp"},
                                           {"3.bmp", "2.bmp"},
                                           {"4.bmp", "4.bmp"}};
    Renames noMoves{{"1.bmp", "NEW"}};
    for (int n = 2; n <= 10; ++n)
        noMoves[name(n)] = name(n);
    QTest::newRow("2 to 10 without 1") << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10} << noMoves;
}

void TestPhotoAutoSave::gaps()
{
    QFETCH(QList<int>, present);
    QFETCH(Renames, after);
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int n : present)
        put(dir, name(n), photoBytes(name(n)));
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    QMap<QString, QByteArray> expected;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        expected[it.key()] = it.value() == "NEW" ? QByteArray("NEW") : photoBytes(it.value());
    QCOMPARE(snapshot(dir), expected);
}

void TestPhotoAutoSave::eleventhPressDropsTheOldest()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    FakeWriter writer;
    for (int press = 1; press <= 11; ++press) {
        writer.bytes = photoBytes(QStringLiteral("press %1").arg(press));
        const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
        QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    }
    QMap<QString, QByteArray> expected;
    for (int n = 1; n <= 10; ++n)
        expected[name(n)] = photoBytes(QStringLiteral("press %1").arg(12 - n));
    QCOMPARE(snapshot(dir), expected);
}

void TestPhotoAutoSave::writesTheCaptureAsABitmap()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    put(dir, name(1), photoBytes(name(1)));
    QImage capture(640, 480, QImage::Format_RGB32);
    capture.fill(QColor(1, 2, 3));
    capture.setPixel(639, 479, qRgb(200, 100, 50));
    const Outcome outcome = qel::photo::autosave::save(dir, capture);
    QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    const bmpcheck::File file = bmpcheck::read(get(dir, name(1)));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.bytes.size(), 54 + 1920 * 480);
    QCOMPARE(file.pixel(0, 0), QColor(1, 2, 3));
    QCOMPARE(file.pixel(639, 479), QColor(200, 100, 50));
    QCOMPARE(get(dir, name(2)), photoBytes(name(1)));
}

void TestPhotoAutoSave::noPictureTouchesNothing()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int n = 1; n <= 10; ++n)
        put(dir, name(n), photoBytes(name(n)));
    const auto before = snapshot(dir);
    const Outcome outcome = qel::photo::autosave::save(dir, QImage());
    QVERIFY(!outcome.saved());
    QVERIFY2(outcome.error.contains(QStringLiteral("no picture")), qPrintable(outcome.error));
    QCOMPARE(snapshot(dir), before);
}

void TestPhotoAutoSave::folderWithANumberedNameIsNotAPhoto()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QVERIFY(dir.mkdir(name(1)));
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    // The folder is not renamed and not written over; the user hears about it.
    QVERIFY(!outcome.saved());
    QVERIFY2(outcome.error.contains(name(1)), qPrintable(outcome.error));
    QCOMPARE(writer.calls, 0);
    QVERIFY(QFileInfo(dir.filePath(name(1))).isDir());
}

void TestPhotoAutoSave::caseVariantCountsAsPresent()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    put(dir, QStringLiteral("1.BMP"), photoBytes(QStringLiteral("upper")));
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    QMap<QString, QByteArray> expected{{"1.bmp", "NEW"}, {"2.bmp", photoBytes("upper")}};
    QCOMPARE(snapshot(dir), expected);
}

void TestPhotoAutoSave::renameBlockedStopsBeforeAnyMove()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    put(dir, name(1), photoBytes(name(1)));
    put(dir, name(2), photoBytes(name(2)));
    QVERIFY(dir.mkdir(name(3))); // a folder: not a photo, and in the way of "2.bmp"
    const auto before = snapshot(dir);
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY(!outcome.saved());
    QVERIFY2(outcome.error.contains(QStringLiteral("2.bmp could not be renamed to 3.bmp")),
             qPrintable(outcome.error));
    QCOMPARE(writer.calls, 0);
    QCOMPARE(snapshot(dir), before);
}

void TestPhotoAutoSave::failureAtEachStepPutsEveryPhotoBack_data()
{
    QTest::addColumn<QStringList>("failRenames");
    QTest::addColumn<QString>("failWrite");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<Renames>("after"); // of ten photos; names not listed hold their own
    QTest::addColumn<QString>("told");
    const QString none;
    QTest::newRow("setting the oldest aside")
        << QStringList{"10.bmp"} << none << false << Renames{}
        << "10.bmp could not be set aside to make room (refused for the test)";
    QTest::newRow("moving 9 up") << QStringList{"9.bmp"} << none << false << Renames{}
                                 << "9.bmp could not be renamed to 10.bmp";
    QTest::newRow("moving 5 up") << QStringList{"5.bmp"} << none << false << Renames{}
                                 << "every photo is where it was, under its old number";
    QTest::newRow("moving 1 up") << QStringList{"1.bmp"} << none << false << Renames{}
                                 << "1.bmp could not be renamed to 2.bmp";
    QTest::newRow("writing, a sentence of ours")
        << QStringList{} << "The disk is full." << false << Renames{}
        << "1.bmp: The disk is full. No photo was moved";
    // The system's reasons come without a full stop, or with one and a line end (Windows).
    QTest::newRow("writing, the system's words")
        << QStringList{} << "Permission denied" << false << Renames{}
        << "1.bmp: Permission denied. No photo";
    QTest::newRow("writing, Windows' words")
        << QStringList{} << "Sharing violation.\r\n"
        << false << Renames{} << "1.bmp: Sharing violation. No photo";
    QTest::newRow("undo fails at the oldest")
        << QStringList{"5.bmp", "~oldest.bmp"} << none << false
        << Renames{{"10.bmp", ""}, {"~oldest.bmp", "10.bmp"}}
        << "Putting the photos back failed too (refused for the test). No photo was deleted, "
           "but these are under other names now: ~oldest.bmp holds the photo that was 10.bmp.";
    QTest::newRow("undo fails midway")
        << QStringList{"5.bmp", "8.bmp>7.bmp"} << none << false
        << Renames{{"7.bmp", ""},
                   {"8.bmp", "7.bmp"},
                   {"9.bmp", "8.bmp"},
                   {"10.bmp", "9.bmp"},
                   {"~oldest.bmp", "10.bmp"}}
        << "~oldest.bmp holds the photo that was 10.bmp; 10.bmp holds the photo that was 9.bmp; "
           "9.bmp holds the photo that was 8.bmp; 8.bmp holds the photo that was 7.bmp.";
    Renames rotated{{"1.bmp", "NEW"}, {"~oldest.bmp", "10.bmp"}};
    for (int n = 2; n <= 10; ++n)
        rotated[name(n)] = name(n - 1);
    QTest::newRow("deleting the oldest at the end")
        << QStringList{} << none << true << rotated
        << "the oldest photo, set aside as ~oldest.bmp, could not be deleted";
    // A delete that says it worked is looked at again.
    QTest::newRow("deleted, but still there")
        << QStringList{} << none << true << rotated << "could not be deleted (it is still there)";
}

void TestPhotoAutoSave::failureAtEachStepPutsEveryPhotoBack()
{
    QFETCH(QStringList, failRenames);
    QFETCH(QString, failWrite);
    QFETCH(bool, saved);
    QFETCH(Renames, after);
    QFETCH(QString, told);
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QMap<QString, QByteArray> expected;
    for (int n = 1; n <= 10; ++n) {
        put(dir, name(n), photoBytes(name(n)));
        expected[name(n)] = photoBytes(name(n));
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (it.value().isEmpty())
            expected.remove(it.key());
        else
            expected[it.key()] = it.value() == "NEW" ? QByteArray("NEW") : photoBytes(it.value());
    }
    FailingMoves moves;
    moves.failRenames = failRenames;
    moves.failRemove = saved;
    moves.keepRemoved = QTest::currentDataTag() == QLatin1String("deleted, but still there");
    FakeWriter writer;
    writer.failure = failWrite;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn(), moves);
    QCOMPARE(outcome.saved(), saved);
    const QString problem = saved ? outcome.leftOver : outcome.error;
    QVERIFY2(problem.contains(told, Qt::CaseInsensitive), qPrintable(problem));
    QCOMPARE(snapshot(dir), expected);
}

// Windows refuses to rename a file another program holds open (as an image viewer may).
void TestPhotoAutoSave::photoHeldOpenByAnotherProgram()
{
#ifndef QEL_HOLDFILE_EXE
    QSKIP("a file held open blocks renames on Windows only");
#else
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int n = 1; n <= 10; ++n)
        put(dir, name(n), photoBytes(name(n)));
    const auto before = snapshot(dir);
    QProcess holder;
    holder.start(QFileInfo(QStringLiteral(QEL_HOLDFILE_EXE)).absoluteFilePath(),
                 {QDir::toNativeSeparators(dir.absoluteFilePath(name(5)))});
    QVERIFY(holder.waitForReadyRead(60000));
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    // A named save over it says why, and what to do.
    const QString named = qel::files::replaceFile(dir.absoluteFilePath(name(5)), "new");
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(60000));
    QVERIFY(!outcome.saved());
    QVERIFY2(outcome.error.contains("5.bmp could not be renamed to 6.bmp"),
             qPrintable(outcome.error));
    QVERIFY2(!outcome.error.contains(".)."), qPrintable(outcome.error));
    QVERIFY2(outcome.error.contains("every photo is where it was"), qPrintable(outcome.error));
    QVERIFY2(named.contains("in use by another program") && named.contains("Close that program"),
             qPrintable(named));
    QCOMPARE(snapshot(dir), before);
#endif
}

// A standard user cannot write below Program Files; the simulator sees the folder merged with
// the user's VirtualStore copy, the copy's files winning. The whole history moves to the copy,
// the photos it lacks copied from the folder, and the folder is left as it was.
void TestPhotoAutoSave::unwritableFolderBelowProgramFiles()
{
#ifndef Q_OS_WIN
    QSKIP("Windows' VirtualStore");
#else
    const BelowProgramFiles sim;
    QVERIFY(sim.dir.isValid());
    const QDir real(sim.path());
    QDir copy = sim.copy();
    QVERIFY(QDir().mkpath(copy.path()));
    for (int n = 1; n <= 10; ++n)
        put(real, name(n), photoBytes(QStringLiteral("real %1").arg(n)));
    put(copy, name(2), photoBytes(QStringLiteral("copy 2")));
    const auto before = snapshot(real);
    const auto cleanUp = qScopeGuard([&] {
        setImmutable(real.path(), false);
        copy.removeRecursively();
    });
    QVERIFY(setImmutable(real.path(), true));
    QImage capture(4, 3, QImage::Format_RGB32);
    for (int press = 1; press <= 2; ++press) {
        capture.fill(QColor(press, 2, 3));
        const Outcome outcome = qel::photo::autosave::save(real, capture);
        QVERIFY2(outcome.saved(), qPrintable(outcome.error));
    }
    QCOMPARE(snapshot(real), before);
    const auto history = snapshot(copy);
    QCOMPARE(history.keys(), QList<QString>({"1.bmp", "10.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp",
                                             "6.bmp", "7.bmp", "8.bmp", "9.bmp"}));
    QCOMPARE(bmpcheck::read(history["1.bmp"]).pixel(0, 0), QColor(2, 2, 3));
    QCOMPARE(bmpcheck::read(history["2.bmp"]).pixel(0, 0), QColor(1, 2, 3));
    QCOMPARE(history["3.bmp"], photoBytes("real 1"));
    QCOMPARE(history["4.bmp"], photoBytes("copy 2"));
    for (int n = 5; n <= 10; ++n)
        QCOMPARE(history[name(n)], photoBytes(QStringLiteral("real %1").arg(n - 2)));
#endif
}

QTEST_GUILESS_MAIN(TestPhotoAutoSave)
#include "tst_photoautosave.moc"
