// The shared message boxes as the window system shows them: the title the platform window gets
// and the size of a box holding a very long name. Run on a real X display (see messages.cmake).
// Also how the answerer of modal windows, which every suite uses, deals with a failed handler.
#include "messages.h"
#include "modalanswerer.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QtTest>

#include <limits>

namespace {

// The title the window manager shows, read from the X server; a null string when unset.
QString shownTitle(const QWidget* window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000))
        return QStringLiteral("<xprop did not run>");
    // _NET_WM_NAME(UTF8_STRING) = "title"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = out.indexOf(u'"');
    if (open < 0 || !out.endsWith(u'"'))
        return {};
    return out.mid(open + 1, out.size() - open - 2);
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void savedTitleShowsEmpty_data();
    void savedTitleShowsEmpty();
    void longNameWrapsWithinTheScreen_data();
    void longNameWrapsWithinTheScreen();
    void windowLeftOpenByItsHandlerGoesAtOnce();
};

void TestMessages::savedTitleShowsEmpty_data()
{
    QTest::addColumn<bool>("afterQuestion");
    QTest::newRow("without the overwrite question") << false;
    QTest::newRow("after the overwrite question") << true;
}

void TestMessages::savedTitleShowsEmpty()
{
    QFETCH(bool, afterQuestion);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display");
    QString shown;
    ModalAnswerer answerer;
    answerer.expectWindow(QStringLiteral("savedMessage"), [&shown](QWidget* box) {
        shown = shownTitle(box);
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    qel::messages::showSaved(nullptr, afterQuestion);
    QVERIFY_ANSWERED(answerer);
    // Something is set, or the window manager would take the program's name, and it is blank.
    QVERIFY2(!shown.isNull() && shown.trimmed().isEmpty(), qPrintable("\"" + shown + "\""));
    // The box itself keeps the title its callers expect.
    answerer.expectSaved(afterQuestion);
    qel::messages::showSaved(nullptr, afterQuestion);
    QVERIFY_ANSWERED(answerer);
}

void TestMessages::longNameWrapsWithinTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("letters") << QString(240, u'x') + QStringLiteral(".bmp");
    // Characters of two UTF-16 units each, which must never be split.
    QTest::newRow("outside the basic plane")
        << QString(90, u'a') + QString::fromUtf8("\U0001F600").repeated(40);
}

void TestMessages::longNameWrapsWithinTheScreen()
{
    QFETCH(QString, name);
    ModalAnswerer answerer;
    answerer.expectWindow(QStringLiteral("failureMessage"), [](QWidget* box) {
        const QRect screen = box->screen()->availableGeometry();
        const QRect frame = box->frameGeometry();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        // Every line fits the label: nothing is cut off at the right.
        const bool fits = label->minimumSizeHint().width() <= label->width() &&
                          label->heightForWidth(label->width()) <= label->height();
        const QString text = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                                        .arg(frame.width())
                                                        .arg(frame.height())
                                                        .arg(frame.x())
                                                        .arg(frame.y())));
        QVERIFY(frame.width() <= screen.width() / 2);
        QVERIFY(fits);
        QVERIFY(QString::fromUtf8(text.toUtf8()) == text); // no half of a character alone
    });
    qel::messages::showFailure(nullptr, QStringLiteral("\"%1\" cannot be used.").arg(name));
    QVERIFY_ANSWERED(answerer);
    answerer.expectFailure(name); // the whole name is there to read
    qel::messages::showFailure(nullptr, QStringLiteral("\"%1\" cannot be used.").arg(name));
    QVERIFY_ANSWERED(answerer);
}

// A handler that returns without closing its window, as one does whose check failed: the window
// goes at once, the outer of two as well, however long the answerer would wait otherwise.
void TestMessages::windowLeftOpenByItsHandlerGoesAtOnce()
{
    ModalAnswerer answerer(std::numeric_limits<int>::max());
    answerer.expectWindow(QStringLiteral("outer"), [](QWidget* w) {
        QDialog inner(w);
        inner.setObjectName(QStringLiteral("inner"));
        inner.exec();
    });
    answerer.expectWindow(QStringLiteral("inner"), [](QWidget*) {});
    QDialog outer;
    outer.setObjectName(QStringLiteral("outer"));
    outer.exec();
    QCOMPARE(answerer.problems(), (QStringList{"window inner \"\" was left open by its handler",
                                               "window outer \"\" was left open by its handler"}));
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
