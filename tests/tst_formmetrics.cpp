// The forms' measures: twips to pixels, and the fonts they are drawn in.
#include "fontfamilies.h"
#include "twips.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestFormMetrics : public QObject {
    Q_OBJECT
private slots:
    void twipsRound();
    void formFontWithoutLiberationSans();
};

void TestFormMetrics::twipsRound()
{
    static_assert(qel::twips::toPixels(15) == 1);
    static_assert(qel::twips::toPixels(2415) == 161);
    static_assert(qel::twips::toPixels(1815) == 121);
    static_assert(qel::twips::toPixels(-15) == -1);
    QCOMPARE(qel::twips::rect(105, 15, 4335, 1020), QRect(7, 1, 289, 68));
}

// Where Liberation Sans is missing, the windows ask for their whole list of families for the
// system to find the nearest, instead of the one font they ask for where it is installed. Run in
// a child process whose fontconfig sees nothing but the DejaVu fonts.
void TestFormMetrics::formFontWithoutLiberationSans()
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

QTEST_MAIN(TestFormMetrics)
#include "tst_formmetrics.moc"
