// Scenario text in the ANSI code page: which page is in use, and the bytes each character takes.
#include "ansi.h"
#include "codepagesetting.h"
#include "ownsettings.h"

#include <QtTest>

class TestCodePages : public QObject {
    Q_OBJECT
private slots:
    void theExpectedCodePage();
    void everyByteSurvivesDecodeAndEncode();
    void codePageCharacters_data();
    void codePageCharacters();
    void codePageFromTheLocale_data();
    void codePageFromTheLocale();
};

// The Windows test stage runs this suite once per code page it sets up, and says which.
void TestCodePages::theExpectedCodePage()
{
    const QByteArray expected = qgetenv("QEL_EXPECT_CODE_PAGE");
    if (expected.isEmpty())
        QSKIP("No code page expected in QEL_EXPECT_CODE_PAGE.");
    QCOMPARE(qel::ansi::codePage(), expected.toInt());
}

void TestCodePages::everyByteSurvivesDecodeAndEncode()
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
void TestCodePages::codePageCharacters_data()
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

void TestCodePages::codePageCharacters()
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
void TestCodePages::codePageFromTheLocale_data()
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

void TestCodePages::codePageFromTheLocale()
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

QTEST_MAIN(TestCodePages)
#include "tst_codepages.moc"
