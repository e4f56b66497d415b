#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

// The device-independent bitmap Windows puts on the clipboard for a screen capture ("Print
// Screen"), and that a .bmp file holds after its 14-byte file header: a BITMAPINFOHEADER,
// BITMAPV4HEADER or BITMAPV5HEADER, the colour masks or colour table where the header calls for
// them, and the pixel rows, bottom-up or top-down.
namespace qel::dib {

struct Picture {
    QImage image; // opaque (a screen has no transparency); null when there is none
    QSize size;   // what the header claims, also when the picture is refused as too large
    // The bytes contradict themselves (a height of 0, pixel data shorter than the header says):
    // no picture at all, as opposed to one in a layout this reader does not take.
    bool damaged = false;

    bool tooLarge() const { return image.isNull() && size.isValid(); }
};

// Reads 24- and 32-bit bitmaps, uncompressed or with colour masks (the alpha of a 32-bit one is
// ignored), and uncompressed 8-bit ones with their colour table (an index past the table's end is
// black). Anything else gives no picture; bytes that cannot be a bitmap at all (pixel data
// shorter than the header says, no rows, a header past the end) give a damaged one. One of more
// than `maxPixels` pixels gives only its size, and nothing is allocated for it.
Picture fromPacked(QByteArrayView bytes, qint64 maxPixels);

} // namespace qel::dib
