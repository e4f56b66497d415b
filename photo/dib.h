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
    // The bytes contradict themselves (a height of 0, fewer bytes than the header says):
    // no picture at all, as opposed to one in a layout this reader does not take.
    bool damaged = false;

    bool tooLarge() const { return image.isNull() && size.isValid(); }
};

// Reads the layouts Windows draws: 1, 4, 8, 16, 24 and 32 bits a pixel, uncompressed, with colour
// masks (16 and 32 bits; the alpha of a 32-bit one is ignored) or run-length encoded (RLE8,
// RLE4), a colour table where the depth calls for one (an index past its end is black). Anything
// else gives no picture. Bytes that cannot be that bitmap give a damaged one: fewer than its
// header, masks, colour table and rows take, runs that leave the picture or end before their
// end-of-bitmap mark, no rows, compressed rows top-down. One of more than `maxPixels` pixels
// gives only its size, and nothing is allocated for it.
Picture fromPacked(QByteArrayView bytes, qint64 maxPixels);

} // namespace qel::dib
