// The bytes of scenario files: expected files are written out by hand from the layout.
#include "codepagesetting.h"
#include "flightonlyfile.h"
#include "scenariofile.h"

#include <QtTest>

using qel::Scenario;

class TestScenarioFile : public QObject {
    Q_OBJECT
private slots:
    void typicalScenario();
    void onlyAFlight();
    void longDescriptionAndAppletOff();
    void ansiCharactersRoundTrip();
    void savedAndReadInTheCodePage_data();
    void savedAndReadInTheCodePage();
    void cutOffCharacterIsADamagedFile();
    void refusesWhatTheFileCannotHold_data();
    void refusesWhatTheFileCannotHold();
    void tabIsWrittenAsIs();
    void jumpLabel_data();
    void jumpLabel();
    void readsEveryLineEndStyle_data();
    void readsEveryLineEndStyle();
    void tooFewLinesIsReported_data();
    void tooFewLinesIsReported();
    void blankAndEmptyLinesDiffer();
};

void TestScenarioFile::typicalScenario()
{
    Scenario f;
    f.description = QStringLiteral("Gray evening over Meigs");
    f.fileName = QStringLiteral("demo.qel");
    f.appletFlag = QStringLiteral("app");
    f.picture = QStringLiteral("meigs.bmp");
    f.flight = QStringLiteral("Meigs Evening.stn");
    f.cloudStyle = QStringLiteral("OG");
    f.groundTexture = QStringLiteral("FSUM");
    f.cloudSet = QStringLiteral("SET2");
    const QByteArray expected = "@echo off\r\n"
                                "goto next\r\n"
                                "Gray evening over Meigs\r\n"
                                "demo.qel\r\n"
                                "app\r\n"
                                "meigs.bmp\r\n"
                                "Meigs Evening.stn\r\n"
                                "demo.qel\r\n"
                                "Gray evening over Meigs\r\n"
                                "OG\r\n"
                                "FSUM\r\n"
                                "SET2\r\n"
                                "app\r\n"
                                ":next\r\n"
                                "\r\n"
                                "call qel.bat OG FSUM SET2\r\n"
                                "\r\n"
                                ":end\r\n"
                                "del qeltemp.bat >nul\r\n";
    const auto encoded = qel::scenario::encode(f);
    QCOMPARE(encoded.error, QString());
    QCOMPARE(encoded.bytes, expected);
}

void TestScenarioFile::onlyAFlight()
{
    Scenario f;
    f.fileName = QStringLiteral("???.qel");
    f.appletFlag = QStringLiteral("app");
    f.picture = QStringLiteral(" ");
    f.flight = QStringLiteral("CESSNA.STN");
    const QByteArray expected = flightOnlyFile("???.qel", "CESSNA.STN");
    QCOMPARE(qel::scenario::encode(f).bytes, expected);
}

void TestScenarioFile::longDescriptionAndAppletOff()
{
    Scenario f;
    f.description = QString(210, QLatin1Char('x'));
    f.fileName = QStringLiteral("a.qel");
    f.appletFlag = QStringLiteral(" ");
    f.picture = QStringLiteral(" ");
    f.flight = QStringLiteral(" ");
    f.cloudStyle = QStringLiteral("CT");
    const QByteArray d(210, 'x');
    const QByteArray expected = QStringLiteral("@echo off\r\n"
                                               "goto next\r\n"
                                               "%1\r\n"
                                               "a.qel\r\n"
                                               " \r\n"
                                               " \r\n"
                                               " \r\n"
                                               "a.qel\r\n"
                                               "%1\r\n"
                                               "CT\r\n"
                                               "\r\n"
                                               "\r\n"
                                               " \r\n"
                                               ":next\r\n"
                                               "\r\n"
                                               "call qel.bat CT  \r\n"
                                               "\r\n"
                                               ":end\r\n"
                                               "del qeltemp.bat >nul\r\n")
                                    .arg(QLatin1String(d))
                                    .toLatin1();
    QCOMPARE(qel::scenario::encode(f).bytes, expected);
    QCOMPARE(expected.count("\r\n"), 19);
}

void TestScenarioFile::ansiCharactersRoundTrip()
{
    // Every byte but CR and LF on the description line is read as the character it stands for.
    QByteArray line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            line.append(char(b));
    }
    QByteArray file = "@echo off\r\ngoto next\r\nx\r\nx\r\napp\r\n \r\n \r\nz.qel\r\n" + line +
                      "\r\n\r\n\r\n\r\napp\r\n";
    const auto decoded = qel::scenario::decode(file);
    QCOMPARE(decoded.error, QString());
    QCOMPARE(decoded.scenario.description.size(), 254);
    QCOMPARE(decoded.scenario.description.at(0x80 - 2),
             QChar(0x20AC)); // euro sign (CR and LF left out)
    QCOMPARE(decoded.scenario.description.at(0xE9 - 2), QChar(0xE9));

    // Written back, the same bytes come out, all but the control characters a script line
    // cannot hold (tab is none of them): 0x00 to 0x08, 0x0B, 0x0C, 0x0E to 0x1F and 0x7F.
    const QByteArray printable =
        line.mid(0x09, 1) + line.mid(0x20 - 2, 0x7F - 0x20) + line.mid(0x80 - 2);
    Scenario f;
    f.description =
        qel::scenario::decode(QByteArray(file).replace(line, printable)).scenario.description;
    f.fileName = QStringLiteral("z.qel");
    f.appletFlag = QStringLiteral("app");
    f.picture = f.flight = QStringLiteral(" ");
    const auto encoded = qel::scenario::encode(f);
    QCOMPARE(encoded.error, QString());
    QVERIFY(encoded.bytes.contains("\r\n" + printable + "\r\n"));
    QCOMPARE(printable.size(), 1 + 95 + 128);
}

// A flight and a description in the letters of each code page, and the bytes they take there.
void TestScenarioFile::savedAndReadInTheCodePage_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("flight");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("flightBytes");
    QTest::addColumn<QByteArray>("descriptionBytes");
    QTest::newRow("1250") << 1250 << "Łódź.stn"
                          << "Zażółć gęślą" << QByteArray("\xa3\xf3\x64\x9f.stn")
                          << QByteArray("Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9");
    QTest::newRow("1251") << 1251 << "Москва.stn"
                          << "Полёт над Москвой" << QByteArray("\xcc\xee\xf1\xea\xe2\xe0.stn")
                          << QByteArray("\xcf\xee\xeb\xb8\xf2 \xed\xe0\xe4 "
                                        "\xcc\xee\xf1\xea\xe2\xee\xe9");
    QTest::newRow("1253") << 1253 << "Αθήνα.stn"
                          << "Πτήση" << QByteArray("\xc1\xe8\xde\xed\xe1.stn")
                          << QByteArray("\xd0\xf4\xde\xf3\xe7");
    // Two bytes a character, also a second byte that is "\\" (0x5C) or ":" would be elsewhere.
    QTest::newRow("932") << 932 << "東京.stn"
                         << "富士山の上 ソ表" << QByteArray("\x93\x8c\x8b\x9e.stn")
                         << QByteArray("\x95\x78\x8e\x6d\x8e\x52\x82\xcc\x8f\xe3 "
                                       "\x83\x5c\x95\x5c");
}

void TestScenarioFile::savedAndReadInTheCodePage()
{
    QFETCH(int, codePage);
    QFETCH(QString, flight);
    QFETCH(QString, description);
    QFETCH(QByteArray, flightBytes);
    QFETCH(QByteArray, descriptionBytes);
    const CodePageSetting setting(codePage);
    QEL_SKIP_UNLESS_IN_USE(setting);
    Scenario f;
    f.flight = flight;
    f.description = description;
    f.fileName = QStringLiteral("a.qel");
    f.appletFlag = QStringLiteral("app");
    f.picture = QStringLiteral(" ");
    const QByteArray expected = flightOnlyFile("a.qel", flightBytes, "app", descriptionBytes);
    const auto encoded = qel::scenario::encode(f);
    QCOMPARE(encoded.error, QString());
    QCOMPARE(encoded.bytes, expected);
    const auto decoded = qel::scenario::decode(expected);
    QCOMPARE(decoded.error, QString());
    QCOMPARE(decoded.scenario.flight, flight);
    QCOMPARE(decoded.scenario.description, description);
    QCOMPARE(qel::scenario::encode(decoded.scenario).bytes, expected);
}

// A file cut or edited between the two bytes of a character is refused, never shown with half
// of it; a character the page lacks is refused naming the page.
void TestScenarioFile::cutOffCharacterIsADamagedFile()
{
    const CodePageSetting setting(932);
    QEL_SKIP_UNLESS_IN_USE(setting);
    const QByteArray file = flightOnlyFile("a.qel", "x.stn", "app", "\x93\x8c\x8b");
    const auto decoded = qel::scenario::decode(file);
    QVERIFY2(decoded.error.contains("Line 9"), qPrintable(decoded.error));
    Scenario f;
    f.flight = QStringLiteral("Łódź.stn");
    f.fileName = QStringLiteral("a.qel");
    const QString error = qel::scenario::encode(f).error;
    QVERIFY2(error.contains("\"Ł\", but a scenario file cannot hold it: scenario files here are "
                            "written in the Japanese code page, Shift_JIS."),
             qPrintable(error));
}

void TestScenarioFile::refusesWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("flight");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("named");
    QTest::newRow("greek letter in flight") << QStringLiteral("Ωmega.stn") << QString() << "flight";
    QTest::newRow("cjk in description")
        << QStringLiteral(" ") << QStringLiteral("雲") << "description";
    QTest::newRow("jump label") << QStringLiteral(" ") << QStringLiteral(":next") << "description";
    QTest::newRow("line break") << QStringLiteral(" ") << QStringLiteral("a\nb") << "description";
    QTest::newRow("NUL") << QStringLiteral(" ") << QStringLiteral("a") + QChar(0) << "description";
    QTest::newRow("backspace in flight") << QStringLiteral("a\b.stn") << QString() << "flight";
    QTest::newRow("unit separator")
        << QStringLiteral(" ") << QStringLiteral("\x1f") << "description";
    QTest::newRow("DEL") << QStringLiteral(" ") << QStringLiteral("a\x7f") << "description";
}

void TestScenarioFile::refusesWhatTheFileCannotHold()
{
    QFETCH(QString, flight);
    QFETCH(QString, description);
    QFETCH(QString, named);
    Scenario f;
    f.flight = flight;
    f.description = description;
    f.fileName = QStringLiteral("a.qel");
    const auto encoded = qel::scenario::encode(f);
    QVERIFY(encoded.bytes.isEmpty());
    QVERIFY2(encoded.error.contains(named), qPrintable(encoded.error));
}

// The command interpreter takes a tab as a blank, so a description may hold one.
void TestScenarioFile::tabIsWrittenAsIs()
{
    Scenario f;
    f.flight = QStringLiteral("A.stn");
    f.description = QStringLiteral("a\tb");
    f.fileName = QStringLiteral("a.qel");
    const auto encoded = qel::scenario::encode(f);
    QVERIFY2(encoded.error.isEmpty(), qPrintable(encoded.error));
    QVERIFY(encoded.bytes.contains("\r\na\tb\r\na.qel\r\n"));
}

void TestScenarioFile::jumpLabel_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isLabel");
    QTest::newRow("plain") << ":next" << true;
    QTest::newRow("blanks, upper case, more words") << "  : NEXT and more" << true;
    QTest::newRow("at sign") << "@:next" << true;
    QTest::newRow("separators") << "\t;,=:Next" << true;
    QTest::newRow("no-break space and y-diaeresis") << QStringLiteral("\u00a0\u00ff:next") << true;
    QTest::newRow("smiley") << ":-)" << false;
    QTest::newRow("another label") << ":nextday" << false;
    QTest::newRow("word first") << "go :next" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("colon only") << ":" << false;
}

void TestScenarioFile::jumpLabel()
{
    QFETCH(QString, line);
    QFETCH(bool, isLabel);
    QCOMPARE(qel::scenario::isJumpLabel(line), isLabel);
}

void TestScenarioFile::readsEveryLineEndStyle_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestScenarioFile::readsEveryLineEndStyle()
{
    QFETCH(QByteArray, end);
    const QList<QByteArray> lines = {"@echo off",
                                     "goto next",
                                     "d3",
                                     "f4",
                                     "app",
                                     "pic.bmp",
                                     "Flight.stn",
                                     "name.qel",
                                     "desc",
                                     "TB",
                                     "FWIN",
                                     "SET1",
                                     " ",
                                     ":next",
                                     "",
                                     "call qel.bat TB FWIN SET1",
                                     "",
                                     ":end",
                                     "del qeltemp.bat >nul"};
    const QByteArray file = lines.join(end) + end;
    const auto decoded = qel::scenario::decode(file);
    QCOMPARE(decoded.error, QString());
    QCOMPARE(decoded.scenario.picture, QStringLiteral("pic.bmp"));
    QCOMPARE(decoded.scenario.flight, QStringLiteral("Flight.stn"));
    QCOMPARE(decoded.scenario.fileName, QStringLiteral("name.qel"));
    QCOMPARE(decoded.scenario.description, QStringLiteral("desc"));
    QCOMPARE(decoded.scenario.cloudStyle, QStringLiteral("TB"));
    QCOMPARE(decoded.scenario.groundTexture, QStringLiteral("FWIN"));
    QCOMPARE(decoded.scenario.cloudSet, QStringLiteral("SET1"));
    QCOMPARE(decoded.scenario.appletFlag, QStringLiteral(" "));
}

void TestScenarioFile::tooFewLinesIsReported_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    const QByteArray twelve = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("twelve lines") << twelve << false;
    QTest::newRow("thirteenth without line end") << twelve + "app" << true;
    QTest::newRow("thirteen lines") << twelve + "app\r\n" << true;
}

void TestScenarioFile::tooFewLinesIsReported()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    const auto decoded = qel::scenario::decode(file);
    QCOMPARE(decoded.error.isEmpty(), ok);
    if (ok)
        QCOMPARE(decoded.scenario.appletFlag, QStringLiteral("app"));
    else
        QVERIFY(decoded.error.contains(QStringLiteral("19")));
}

void TestScenarioFile::blankAndEmptyLinesDiffer()
{
    const QByteArray file = "1\r\n2\r\n3\r\n4\r\n5\r\n \r\n\r\n8\r\n9\r\n\r\n\r\n\r\n\r\n";
    const auto decoded = qel::scenario::decode(file);
    QCOMPARE(decoded.scenario.picture, QStringLiteral(" "));
    QCOMPARE(decoded.scenario.flight, QString());
    QCOMPARE(decoded.scenario.appletFlag, QString());
}

QTEST_GUILESS_MAIN(TestScenarioFile)
#include "tst_scenariofile.moc"
