// The clipboard's bitmap comes from whatever program put it there: any bytes must give a picture
// of the size its header claims, only the size of one too large to take, or nothing at all.
#include "dib.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr qint64 maxPixels = qint64(1) << 20;
    const auto bytes = QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
    const qel::dib::Picture picture = qel::dib::fromPacked(bytes, maxPixels);
    if (picture.image.isNull())
        return 0;
    FUZZ_CHECK(picture.image.size() == picture.size,
               QStringLiteral("a %1 x %2 picture from a header claiming %3 x %4")
                   .arg(picture.image.width())
                   .arg(picture.image.height())
                   .arg(picture.size.width())
                   .arg(picture.size.height()));
    FUZZ_CHECK(qint64(picture.image.width()) * picture.image.height() <= maxPixels,
               QStringLiteral("a picture over the limit was made"));
    FUZZ_CHECK(!picture.image.hasAlphaChannel(), QStringLiteral("a capture with transparency"));
    return 0;
}
