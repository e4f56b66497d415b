// The photo tool's window as laid out: its client area, every control inside it, the Tab order
// and a name for every control that a screen reader can announce.
#include "photofixture.h"

#include <QApplication>
#include <QtTest>

using qel::photo::PhotoWindow;

class TestPhotoWindowSize : public PhotoFixture {
    Q_OBJECT
private slots:
    void clientArea();
    void tabOrder();
    void everyControlHasAName();
};

void TestPhotoWindowSize::clientArea()
{
    folder();
    const PhotoControls& ui = startWith({});
    PhotoWindow& window = this->window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // 6960 × 4740 twips at 15 twips to a pixel.
    QCOMPARE(window.size(), QSize(464, 316));
    QCOMPARE(window.minimumSize(), QSize(464, 316));
    QCOMPARE(window.maximumSize(), QSize(464, 316));
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->parentWidget() != &window || !control->isVisibleTo(&window))
            continue;
        QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
    // The preview box is as large as the editor's picture box: 2415 × 1815 twips.
    QCOMPARE(ui.Picture1->size(), QSize(161, 121));
}

void TestPhotoWindowSize::tabOrder()
{
    folder();
    const PhotoControls& ui = startWith({});
    PhotoWindow& window = this->window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), ui.Command1);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == ui.Command1)
            break;
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"Command1", "Text3", "Command5", "Command6", "Command7", "Command8"}));
}

void TestPhotoWindowSize::everyControlHasAName()
{
    folder();
    const PhotoControls& ui = startWith({});
    PhotoWindow& window = this->window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* unnamed = firstUnnamed(window);
    QVERIFY2(!unnamed, unnamed ? qPrintable(unnamed->objectName()) : "");
    QCOMPARE(ui.Command7->accessibleName(), QStringLiteral("AutoSave"));
    QCOMPARE(ui.Text3->accessibleName(), QStringLiteral("Name to save under"));
}

QTEST_MAIN(TestPhotoWindowSize)
#include "tst_photo_windowsize.moc"
