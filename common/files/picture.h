#pragma once

#include <QImage>
#include <QString>

// Loading pictures from files that may come from anywhere: a missing, truncated or hostile file
// gives a reason, never a crash, and a header that claims an absurd size is refused before any
// pixels are allocated.
namespace qel::pictures {

// Larger than any screen capture we expect (8K is 33 megapixels), small enough to stay in memory.
inline constexpr qint64 maxPixels = 64LL * 1024 * 1024;

// Lets Qt's image readers, whose limit is one for the whole program, take pictures of up to
// `pixels` pixels: their own limit (128 MB) is below an 8K capture's. Called once, at start.
void allowPicturesUpTo(qint64 pixels);

struct Loaded {
    QImage image;
    QString error; // empty when `image` holds the picture
};

Loaded load(const QString& path);

} // namespace qel::pictures
