// Finding the simulator's folder at start: the command line, the current folder, the one
// remembered, and the chooser that asks.
#include "folderchooser.h"
#include "modalanswerer.h"
#include "ownsettings.h"
#include "simulatorfolder.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestSimulatorFolder : public QObject {
    Q_OBJECT
private slots:
    void startFolderSteps_data();
    void startFolderSteps();
    void enteringTheFolderRemembersItOnlyWhenItMoves();
    void chooserOffersTheFoldersFound();
};

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

void TestSimulatorFolder::startFolderSteps_data()
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

void TestSimulatorFolder::startFolderSteps()
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

void TestSimulatorFolder::enteringTheFolderRemembersItOnlyWhenItMoves()
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

void TestSimulatorFolder::chooserOffersTheFoldersFound()
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

QTEST_MAIN(TestSimulatorFolder)
#include "tst_simulatorfolder.moc"
