#include "editorfixture.h"

#include <QTest>

qel::editor::EditorWindow& EditorFixture::window()
{
    if (!m_window)
        m_window = std::make_unique<qel::editor::EditorWindow>();
    return *m_window;
}

const EditorControls& EditorFixture::ui()
{
    if (!m_ui)
        m_ui.emplace(window());
    return *m_ui;
}

ModalAnswerer& EditorFixture::answerer()
{
    if (!m_answerer)
        m_answerer = std::make_unique<ModalAnswerer>();
    return *m_answerer;
}

void EditorFixture::init()
{
    m_folder.emplace();
}

void EditorFixture::cleanup()
{
    const bool answered = !m_answerer || m_answerer->allAnswered();
    const QString report = m_answerer ? m_answerer->report() : QString();
    m_ui.reset();
    m_window.reset();
    m_answerer.reset();
    m_folder.reset();
    QVERIFY2(answered, qPrintable(report));
}
