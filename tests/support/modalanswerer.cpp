#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace {

QString describe(QWidget* w)
{
    if (auto* box = qobject_cast<QMessageBox*>(w))
        return QStringLiteral("message box \"%1\" / \"%2\"").arg(box->windowTitle(), box->text());
    return QStringLiteral("window %1 \"%2\"").arg(w->objectName(), w->windowTitle());
}

} // namespace

QString ModalAnswerer::readText(const QMessageBox* box)
{
    return box->text().remove(QChar(0x200B));
}

ModalAnswerer::ModalAnswerer(int timeoutMs, QObject* parent)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::expectMessage(const Message& expected)
{
    m_queue.push_back(
        {QString(), [this, expected](QWidget* w) {
             auto* box = qobject_cast<QMessageBox*>(w);
             if (!box) {
                 m_problems << QStringLiteral("expected a message box, got %1").arg(describe(w));
                 closeStray(w, QString());
                 return;
             }
             QStringList wrong;
             if (box->windowTitle() != expected.title)
                 wrong << QStringLiteral("title \"%1\"").arg(box->windowTitle());
             const QString text = readText(box);
             const bool textOk =
                 expected.textContains ? text.contains(expected.text) : text == expected.text;
             if (!textOk)
                 wrong << QStringLiteral("text \"%1\"").arg(text);
             if (box->standardButtons() != expected.buttons)
                 wrong << QStringLiteral("buttons %1").arg(int(box->standardButtons()));
             if (expected.defaultButton != QMessageBox::NoButton &&
                 static_cast<QAbstractButton*>(box->defaultButton()) !=
                     box->button(expected.defaultButton))
                 wrong << QStringLiteral("another default button");
             const QString informative = box->informativeText().remove(QChar(0x200B));
             if (!expected.informative.isEmpty() && informative != expected.informative)
                 wrong << QStringLiteral("naming \"%1\"").arg(informative);
             if (box->icon() != expected.icon)
                 wrong << QStringLiteral("icon %1").arg(int(box->icon()));
             if (!wrong.isEmpty())
                 m_problems << QStringLiteral("message box \"%1\": %2")
                                   .arg(expected.text, wrong.join(QStringLiteral(", ")));
             QAbstractButton* button = box->button(expected.press);
             if (button)
                 button->click();
             else
                 closeStray(w, QStringLiteral("has no button to press"));
         }});
}

void ModalAnswerer::expectOverwriteQuestion(QMessageBox::StandardButton press,
                                            const QString& naming)
{
    expectMessage({QStringLiteral("QEL alert!!!"),
                   QStringLiteral("File already exists. Do you want to overwrite?"), false,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::NoIcon, press,
                   naming});
}

void ModalAnswerer::expectSaved(bool afterQuestion)
{
    expectMessage({afterQuestion ? QStringLiteral(" ") : QString(),
                   QStringLiteral("File Saved!"),
                   false,
                   QMessageBox::Ok,
                   QMessageBox::NoButton,
                   QMessageBox::Information,
                   QMessageBox::Ok,
                   {}});
}

void ModalAnswerer::expectFailure(const QString& part)
{
    expectMessage({QApplication::applicationName(),
                   part,
                   true,
                   QMessageBox::Ok,
                   QMessageBox::NoButton,
                   QMessageBox::Warning,
                   QMessageBox::Ok,
                   {}});
}

void ModalAnswerer::expectWindow(const QString& objectName, std::function<void(QWidget*)> act)
{
    m_queue.push_back({objectName, std::move(act)});
}

QString ModalAnswerer::report() const
{
    QStringList lines = m_problems;
    if (!m_queue.empty())
        lines << QStringLiteral("%1 expected modal window(s) never appeared").arg(m_queue.size());
    return lines.join(QLatin1Char('\n'));
}

bool ModalAnswerer::waitAllAnswered(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!m_queue.empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return allAnswered();
}

void ModalAnswerer::poll()
{
    // A window whose handler did not close it in time is closed here, so the test goes on.
    if (m_current && m_current->isVisible() && m_currentDeadline.hasExpired()) {
        QPointer<QWidget> stuck = m_current;
        m_current = nullptr;
        closeStray(stuck, QStringLiteral("was left open by its handler"));
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (!window || !window->isVisible())
        return;
    for (const QPointer<QWidget>& done : m_handled) {
        if (done == window)
            return;
    }
    m_handled.append(window);
    m_current = window;
    m_currentDeadline = QDeadlineTimer(m_timeoutMs);
    // Act from a fresh event, not from inside this timer: the action may open the next modal
    // window, and this timer must be free to fire inside that window's event loop.
    QPointer<QWidget> target = window;
    QTimer::singleShot(0, this, [this, target] {
        if (target)
            handle(target);
    });
}

void ModalAnswerer::handle(QWidget* window)
{
    if (m_queue.empty()) {
        m_problems << QStringLiteral("unexpected %1").arg(describe(window));
        closeStray(window, QString());
        return;
    }
    Expectation next = std::move(m_queue.front());
    m_queue.pop_front();
    if (!next.objectName.isEmpty() && window->objectName() != next.objectName) {
        m_problems
            << QStringLiteral("expected window %1, got %2").arg(next.objectName, describe(window));
        closeStray(window, QString());
        return;
    }
    if (next.objectName.isEmpty() && !qobject_cast<QMessageBox*>(window)) {
        m_problems << QStringLiteral("expected a message box, got %1").arg(describe(window));
        closeStray(window, QString());
        return;
    }
    const QPointer<QWidget> answered = window;
    next.act(window);
    // A handler whose check failed has returned early: the window goes now, so that the test
    // ends with that failure instead of waiting (or, with a window in between, hanging) for it.
    if (answered && answered->isVisible())
        closeStray(answered, QStringLiteral("was left open by its handler"));
}

void ModalAnswerer::closeStray(QWidget* window, const QString& why)
{
    if (!window)
        return;
    if (!why.isEmpty())
        m_problems << QStringLiteral("%1 %2").arg(describe(window), why);
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        if (QAbstractButton* escape = box->escapeButton()) {
            escape->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}
