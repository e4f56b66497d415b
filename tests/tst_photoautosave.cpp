// The numbered photo history "1.bmp" … "10.bmp", run over throw-away folders.
#include "autosave.h"
#include "photo_bmpcheck.h"

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

// Real moves, except the ones named, which fail.
class FailingMoves : public qel::photo::autosave::FileMoves {
public:
    QString failRenameOf;
    bool failRemove = false;
    bool keepRemoved = false; // says it removed the file, but leaves it
    QString rename(const QString& from, const QString& to) override
    {
        if (QFileInfo(from).fileName() == failRenameOf)
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
    void renameFailingMidwayLosesNothingAndNextPressCarriesOn();
    void deleteFailingMovesNothing_data();
    void deleteFailingMovesNothing();
    void writeFailingAfterTheMovesLosesNothing_data();
    void writeFailingAfterTheMovesLosesNothing();
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
    QVERIFY2(outcome.saved, qPrintable(outcome.error));
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
    QVERIFY2(outcome.saved, qPrintable(outcome.error));
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
        QVERIFY2(outcome.saved, qPrintable(outcome.error));
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
    QVERIFY2(outcome.saved, qPrintable(outcome.error));
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
    QVERIFY(!outcome.saved);
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
    QVERIFY(!outcome.saved);
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
    QVERIFY2(outcome.saved, qPrintable(outcome.error));
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
    QVERIFY(!outcome.saved);
    QVERIFY2(outcome.error.contains(QStringLiteral("2.bmp could not be renamed to 3.bmp")),
             qPrintable(outcome.error));
    QCOMPARE(writer.calls, 0);
    QCOMPARE(snapshot(dir), before);
}

void TestPhotoAutoSave::renameFailingMidwayLosesNothingAndNextPressCarriesOn()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    put(dir, name(1), photoBytes(name(1)));
    put(dir, name(2), photoBytes(name(2)));
    FailingMoves moves;
    moves.failRenameOf = name(1);
    FakeWriter writer;
    Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn(), moves);
    QVERIFY(!outcome.saved);
    QVERIFY2(outcome.error.contains(QStringLiteral("1.bmp could not be renamed to 2.bmp")),
             qPrintable(outcome.error));
    QCOMPARE(writer.calls, 0);
    QMap<QString, QByteArray> halfway{{"1.bmp", photoBytes("1.bmp")},
                                      {"3.bmp", photoBytes("2.bmp")}};
    QCOMPARE(snapshot(dir), halfway);

    outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY2(outcome.saved, qPrintable(outcome.error));
    QMap<QString, QByteArray> done{
        {"1.bmp", "NEW"}, {"2.bmp", photoBytes("1.bmp")}, {"3.bmp", photoBytes("2.bmp")}};
    QCOMPARE(snapshot(dir), done);
}

void TestPhotoAutoSave::deleteFailingMovesNothing_data()
{
    QTest::addColumn<bool>("saysRemoved");
    QTest::newRow("refused") << false;
    QTest::newRow("said done, still there") << true;
}

void TestPhotoAutoSave::deleteFailingMovesNothing()
{
    QFETCH(bool, saysRemoved);
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int n = 1; n <= 10; ++n)
        put(dir, name(n), photoBytes(name(n)));
    const auto before = snapshot(dir);
    FailingMoves moves;
    moves.failRemove = !saysRemoved;
    moves.keepRemoved = saysRemoved;
    FakeWriter writer;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn(), moves);
    QVERIFY(!outcome.saved);
    QVERIFY2(outcome.error.contains(QStringLiteral("10.bmp could not be deleted")),
             qPrintable(outcome.error));
    QCOMPARE(writer.calls, 0);
    QCOMPARE(snapshot(dir), before);
}

void TestPhotoAutoSave::writeFailingAfterTheMovesLosesNothing_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("told");
    QTest::newRow("a sentence of ours")
        << QStringLiteral("The disk is full.") << QStringLiteral("The disk is full. No photo");
    // The system's reasons come without a full stop.
    QTest::newRow("the system's words")
        << QStringLiteral("Permission denied") << QStringLiteral("Permission denied. No photo");
}

void TestPhotoAutoSave::writeFailingAfterTheMovesLosesNothing()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    put(dir, name(1), photoBytes(name(1)));
    QFETCH(QString, reason);
    QFETCH(QString, told);
    FakeWriter writer;
    writer.failure = reason;
    const Outcome outcome = qel::photo::autosave::rotate(dir, writer.fn());
    QVERIFY(!outcome.saved);
    QVERIFY2(outcome.error.contains(told), qPrintable(outcome.error));
    QMap<QString, QByteArray> expected{{"2.bmp", photoBytes("1.bmp")}};
    QCOMPARE(snapshot(dir), expected);
}

QTEST_GUILESS_MAIN(TestPhotoAutoSave)
#include "tst_photoautosave.moc"
