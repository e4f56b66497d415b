#include "writeback.h"

#include <QFileDevice>

#include <fcntl.h>

namespace qel::files {

void startWriteback(QIODevice& device)
{
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file || !file->isOpen() || !file->flush() || file->handle() < 0)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    // Starts the writing and returns; a failure here shows again, and is reported, at the flush.
    sync_file_range(file->handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

} // namespace qel::files
