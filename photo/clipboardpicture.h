#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <optional>

namespace qel::photo {

// Every capture up to this size is shown and saved: an 8K screen, three 4K screens side by side.
// Held once, at 4 bytes a pixel, it takes 1 GB at most.
inline constexpr int largestCaptureSide = 16384;
inline constexpr qint64 largestCapture = qint64(largestCaptureSide) * largestCaptureSide;

struct ClipboardPicture {
    QImage image;         // null when the clipboard holds no picture that can be shown
    QSize refusedSize;    // valid when it holds one larger than largestCapture
    bool damaged = false; // it holds a bitmap whose bytes contradict themselves
};

// The picture the clipboard holds right now, in whatever image format its owner offers it
// (bitmap, PNG, palette or transparent pictures alike, or the bitmap Windows' "Print Screen"
// leaves). Transparent parts come already drawn onto the copy buffer's grey: the picture is
// opaque.
ClipboardPicture readClipboardPicture();

// Whether the clipboard may have changed since the tool last read it, so that a press can save
// the capture it holds instead of decoding the same picture a second time: the system's sequence
// number where there is one (Windows), else Qt's change notices.
class ClipboardWatch : public QObject {
public:
    explicit ClipboardWatch(QObject* parent = nullptr);
    // Taken right before a read, so that a change during the read counts as one.
    struct Stamp {
        std::optional<quint32> sequence;
        quint64 notices = 0;
    };
    Stamp now() const;
    void markRead(const Stamp& stamp);
    // True also before the first read.
    bool changedSinceRead() const;

private:
    quint64 m_notices = 0;
    std::optional<Stamp> m_read;
};

// What to tell the user about a picture too large to take: its size, and what to do.
QString tooLargeText(QSize size);
// What to tell the user about a damaged picture, and what to do.
QString damagedText();
// Why the photo tool cannot take `picture`: too large or damaged; empty when it can, or when there
// is none.
QString refusalText(const ClipboardPicture& picture);

} // namespace qel::photo
