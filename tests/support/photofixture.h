#pragma once

#include "photocontrols.h"
#include "photowindow.h"
#include "simfolder.h"

#include <QImage>
#include <QObject>

#include <memory>
#include <optional>

// A picture whose every pixel differs, so shifts and scaling show; `seed` makes another one.
QImage patternPicture(int width, int height, int seed = 0);
// Puts `image` on the clipboard; a null image empties it.
void setClipboardPicture(const QImage& image);

// What a suite of the photo tool's window starts a test with: a simulator folder as the current
// folder when the test asks for one, and the window, started when the test says so, with its
// controls. After each test the window goes before the folder does.
class PhotoFixture : public QObject {
    Q_OBJECT
protected:
    // Made by the first call, with the arguments of SimFolder.
    SimFolder& folder(bool withPilots = true, bool withQel = true);
    // Shows the window and waits until it has read what the clipboard holds: `capture` when
    // given, whatever the test put there otherwise.
    const PhotoControls& start();
    const PhotoControls& startWith(const QImage& capture);
    qel::photo::PhotoWindow& window() { return *m_window; }

protected slots:
    // A suite with set-up of its own calls this from its cleanup().
    void cleanup();

private:
    std::optional<SimFolder> m_folder;
    std::unique_ptr<qel::photo::PhotoWindow> m_window;
    std::optional<PhotoControls> m_ui;
};
