#pragma once

// Reads back the photo tool's bitmap files the way an old Windows program would, straight from
// the file layout, so tests need not trust the encoder (or Qt's reader) to check it.

#include <QByteArray>
#include <QColor>
#include <QString>

namespace bmpcheck {

inline quint32 le32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
           quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

inline quint16 le16(const QByteArray& b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

struct File {
    QByteArray bytes;
    QString problem; // empty when the headers are those of a 24-bit bottom-up bitmap
    int width = 0;
    int height = 0;

    qint64 stride() const { return (qint64(width) * 3 + 3) / 4 * 4; }
    QColor pixel(int x, int y) const
    {
        const qint64 at = 54 + qint64(height - 1 - y) * stride() + qint64(x) * 3;
        return QColor(quint8(bytes[at + 2]), quint8(bytes[at + 1]), quint8(bytes[at]));
    }
};

inline File read(const QByteArray& bytes)
{
    File f;
    f.bytes = bytes;
    if (bytes.size() < 54)
        f.problem = QStringLiteral("only %1 bytes").arg(bytes.size());
    else if (bytes[0] != 'B' || bytes[1] != 'M')
        f.problem = QStringLiteral("no BM signature");
    else if (le32(bytes, 10) != 54 || le32(bytes, 14) != 40)
        f.problem = QStringLiteral("header sizes %1/%2").arg(le32(bytes, 10)).arg(le32(bytes, 14));
    else if (le16(bytes, 26) != 1 || le16(bytes, 28) != 24 || le32(bytes, 30) != 0)
        f.problem = QStringLiteral("not uncompressed 24-bit");
    if (!f.problem.isEmpty())
        return f;
    f.width = int(le32(bytes, 18));
    f.height = int(le32(bytes, 22));
    const qint64 expected = 54 + f.stride() * f.height;
    if (f.width <= 0 || f.height <= 0 || le32(bytes, 2) != expected || bytes.size() != expected ||
        le32(bytes, 34) != expected - 54)
        f.problem = QStringLiteral("sizes do not add up (%1 × %2, %3 bytes)")
                        .arg(f.width)
                        .arg(f.height)
                        .arg(bytes.size());
    return f;
}

} // namespace bmpcheck
