#include "systemclipboard.h"

namespace qel::systemclipboard {

dib::Picture screenCapture(qint64)
{
    return {};
}

std::optional<quint32> sequenceNumber()
{
    return std::nullopt;
}

} // namespace qel::systemclipboard
