#pragma once
// Opening a file the user named without ever blocking: a FIFO, a device or a socket in a data
// file's place would hold the open (a FIFO until some writer comes) or the reads, and with them
// the whole user interface. Such a file is refused as an unreadable one is.
#include <string>

namespace vd {

// Opens `linuxPath` with the open flags given (O_CLOEXEC and a non-blocking open are added) and
// returns the descriptor when it is a regular file (after links), with blocking reads and writes
// again; -1 for anything else (errno set: ENXIO for a FIFO without a reader that a write open
// meets, EINVAL for a file that is not regular).
[[nodiscard]] int openRegularFile(const std::string& linuxPath, int flags);

// Whether the path names a regular file (after links), found without opening it.
bool isRegularFile(const std::string& linuxPath);

} // namespace vd
