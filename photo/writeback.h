#pragma once

class QIODevice;

namespace qel::files {

// Asks the system to start putting what has been written to `device` so far on the disk, without
// waiting for it. Meant for large files that are flushed to the disk once complete, as the safe
// replacement does: the disk then works while the rest is still being produced, and the final
// flush finds little left to wait for. Does nothing for a device that is not a file, or where the
// system has no such request.
void startWriteback(QIODevice& device);

} // namespace qel::files
