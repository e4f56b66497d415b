#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

// Answers the modal windows (message boxes, dialogs) that the code under test opens, in order.
// Each expectation is checked against the next modal window that appears; a window nobody
// expected, or one its handler left open, is closed at once and reported (one whose handler never
// returns, after a timeout), so a test fails instead of hanging. Nested modal windows work: a
// handler may open the next one.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    struct Message {
        QString title;
        QString text; // whole text; see textContains
        bool textContains = false;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton; // NoButton: not checked
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton press = QMessageBox::Ok;
        QString informative; // the line below the text; checked when not empty
    };

    explicit ModalAnswerer(int timeoutMs = 5000, QObject* parent = nullptr);

    // A box's text as the user reads it, without the invisible places where a long name may
    // break.
    static QString readText(const QMessageBox* box);
    ~ModalAnswerer() override;

    void expectMessage(const Message& message);
    // `naming`, when given, is the file the question must name, as it is on disk.
    void expectOverwriteQuestion(QMessageBox::StandardButton press, const QString& naming = {});
    void expectSaved(bool afterQuestion);
    // A failure box (warning icon, OK) whose text contains `part`.
    void expectFailure(const QString& part = QString());
    // The next modal window must have this objectName; `act` runs on it and must close it.
    void expectWindow(const QString& objectName, std::function<void(QWidget*)> act);

    int pending() const { return int(m_queue.size()); }
    QStringList problems() const { return m_problems; }
    // Everything expected came and matched, nothing unexpected came.
    bool allAnswered() const { return m_queue.empty() && m_problems.isEmpty(); }
    QString report() const;
    // Waits (handling events) until every expectation is met or the timeout passes.
    bool waitAllAnswered(int ms = 5000);

private:
    struct Expectation {
        QString objectName; // empty for message boxes
        std::function<void(QWidget*)> act;
    };

    void poll();
    void handle(QWidget* window);
    void closeStray(QWidget* window, const QString& why);

    QTimer m_timer;
    int m_timeoutMs;
    std::deque<Expectation> m_queue;
    QStringList m_problems;
    QList<QPointer<QWidget>> m_handled;
    QPointer<QWidget> m_current;
    QDeadlineTimer m_currentDeadline;
};

// Fails the test unless `answerer` met every expectation and saw nothing unexpected; the message
// says what came instead.
#define QVERIFY_ANSWERED(answerer)                                                                 \
    QVERIFY2((answerer).allAnswered(), qPrintable((answerer).report()))
