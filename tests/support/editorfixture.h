#pragma once

#include "editorcontrols.h"
#include "editorwindow.h"
#include "modalanswerer.h"
#include "simfolder.h"

#include <QObject>

#include <memory>
#include <optional>

// What a suite of the editor's windows starts each test with: an empty simulator folder as the
// current folder, and a modal answerer and the main window, each made on first use (a test fills
// the folder first; one that runs answerers of its own in turn takes none here). After each test
// every modal window expected here must have come and been answered; the window goes before the
// folder does.
class EditorFixture : public QObject {
    Q_OBJECT
protected:
    SimFolder& folder() { return *m_folder; }
    ModalAnswerer& answerer();
    qel::editor::EditorWindow& window();
    // The main window's controls, found once per test; `ui().Text2` reads like the layout.
    const EditorControls& ui();

protected slots:
    // A suite with set-up of its own calls these from its init() and cleanup().
    void init();
    void cleanup();

private:
    std::optional<SimFolder> m_folder;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<qel::editor::EditorWindow> m_window;
    std::optional<EditorControls> m_ui;
};
