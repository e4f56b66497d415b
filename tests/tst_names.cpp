// The bare name check: what a file may be called, and how long a name may be.
#include "names.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestNames : public QObject {
    Q_OBJECT
private slots:
    void bareNames_data();
    void bareNames();
    void nameLengthAsTheFileSystemMeasuresIt_data();
    void nameLengthAsTheFileSystemMeasuresIt();
};

void TestNames::bareNames_data()
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

void TestNames::bareNames()
{
    QFETCH(QString, name);
    QFETCH(bool, ok);
    const QString problem = qel::names::bareNameProblem(name);
    QCOMPARE(problem.isEmpty(), ok);
}

void TestNames::nameLengthAsTheFileSystemMeasuresIt_data()
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
void TestNames::nameLengthAsTheFileSystemMeasuresIt()
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

QTEST_MAIN(TestNames)
#include "tst_names.moc"
