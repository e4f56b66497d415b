// Every window of the editor opens with the client area it was laid out with (twips, 15 to a
// pixel), and every control it shows lies inside that area.
#include "editorcontrols.h"
#include "editorwindow.h"
#include "folderchooser.h"
#include "helpwindow.h"
#include "openscenariodialog.h"
#include "picturepicker.h"
#include "simfolder.h"
#include "styledialog.h"
#include "twips.h"

#include <QLayout>
#include <QPushButton>
#include <QtMath>
#include <QtTest>

#include <functional>
#include <memory>

using namespace qel::editor;

namespace {

using Maker = std::function<QWidget*(EditorWindow&)>;

} // namespace

Q_DECLARE_METATYPE(Maker)

class TestWindowSizes : public QObject {
    Q_OBJECT
private slots:
    void clientArea_data();
    void clientArea();
    void bannerAtTheScreensScale();
    void folderChooserFitsItsContent_data();
    void folderChooserFitsItsContent();
};

void TestWindowSizes::folderChooserFitsItsContent_data()
{
    QTest::addColumn<QStringList>("found");
    QTest::newRow("nothing found") << QStringList{};
    QTest::newRow("two folders found") << QStringList{"C:/FS98", "D:/Games/FS98"};
}

// Every control gets at least the size its layout asks for: the wrapped text all its lines, the
// buttons their full height.
void TestWindowSizes::folderChooserFitsItsContent()
{
    QFETCH(QStringList, found);
    qel::simulator::FolderChooser chooser(found);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    const QLayout* layout = chooser.layout();
    QVERIFY(chooser.height() >= layout->totalHeightForWidth(chooser.width()));
    for (QWidget* child : chooser.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->parentWidget() != &chooser)
            continue;
        const int needed = child->hasHeightForWidth() ? child->heightForWidth(child->width()) : 0;
        QVERIFY2(child->height() >= qMax(needed, child->minimumSizeHint().height()),
                 qPrintable(child->metaObject()->className()));
    }
    for (QPushButton* button : chooser.findChildren<QPushButton*>())
        QVERIFY(button->height() >= button->sizeHint().height());
    QCOMPARE(chooser.findChild<QPushButton*>("useFolder") != nullptr, !found.isEmpty());
}

void TestWindowSizes::clientArea_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("Form1 editor") << Maker([](EditorWindow& main) { return &main; }) << 8400
                                  << 5265;
    QTest::newRow("Form2 help") << Maker([](EditorWindow& main) { return new HelpWindow(&main); })
                                << 8160 << 6180;
    QTest::newRow("Form3 cirrus") << Maker([](EditorWindow& main) {
        return new StyleDialog(styleDialogLayout(StyleDialogKind::Cirrus), &main);
    }) << 1920 << 1680;
    QTest::newRow("Form4 picker") << Maker([](EditorWindow& main) {
        return new PicturePicker(&main);
    }) << 5820 << 2325;
    QTest::newRow("Form5 open") << Maker([](EditorWindow& main) {
        return new OpenScenarioDialog(&main);
    }) << 2820 << 1845;
    QTest::newRow("Form6 overcast") << Maker([](EditorWindow& main) {
        return new StyleDialog(styleDialogLayout(StyleDialogKind::Overcast), &main);
    }) << 2295 << 2100;
    QTest::newRow("Form7 front") << Maker([](EditorWindow& main) {
        return new StyleDialog(styleDialogLayout(StyleDialogKind::Front), &main);
    }) << 1935 << 1575;
}

void TestWindowSizes::clientArea()
{
    QFETCH(Maker, make);
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    SimFolder sim;
    EditorWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QWidget* window = make(main);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // 15 twips to a pixel: 8400 twips are 560 pixels. The sizes are written out here, not
    // taken from the conversion under test.
    const QSize expected(widthTwips / 15, heightTwips / 15);
    // Run once as is and once with QT_SCALE_FACTOR=2 (tests/scaling.cmake): the screen really is
    // scaled, and the layout in device-independent pixels is the same.
    const double scale =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(window->devicePixelRatioF(), scale);
    QCOMPARE(window->size(), expected);
    QCOMPARE(window->minimumSize(), expected); // the user cannot squeeze the layout
    QCOMPARE(window->maximumSize(), expected);
    QCOMPARE(qel::twips::size(widthTwips, heightTwips), expected);

    const QRect client = window->rect();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isWindow() || control->parentWidget() != window ||
            !control->isVisibleTo(window))
            continue;
        // Frames may overhang the edge by a pixel, as the Cirrus frame is laid out at -15 twips.
        QVERIFY2(client.adjusted(-1, -1, 1, 1).contains(control->geometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 leaves the window")
                                .arg(control->objectName())
                                .arg(control->x())
                                .arg(control->y())
                                .arg(control->width())
                                .arg(control->height())));
    }
    if (window != &main)
        window->close();
}

// Run at both scales too: the banner is drawn for the screen, with as many pixels as it has.
void TestWindowSizes::bannerAtTheScreensScale()
{
    SimFolder sim;
    EditorWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const qreal scale = main.devicePixelRatioF();
    const QImage banner = EditorControls(main).Image1->image();
    QCOMPARE(banner.devicePixelRatio(), scale);
    QCOMPARE(banner.size(), QSize(qCeil(289 * scale), qCeil(68 * scale)));
    QCOMPARE(EditorControls(main).Image1->contentsRect().size(), QSize(289, 68));
    // Sharp rather than enlarged: a picture of 289 × 68 blown up to twice the size would have
    // every pixel of an even column repeated in the next one.
    int splitPairs = 0;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = 0; x + 1 < banner.width(); x += 2)
            splitPairs += banner.pixel(x, y) != banner.pixel(x + 1, y);
    if (scale >= 2)
        QVERIFY2(splitPairs > 200, qPrintable(QString::number(splitPairs)));
}

QTEST_MAIN(TestWindowSizes)
#include "tst_windowsizes.moc"
