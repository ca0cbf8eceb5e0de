#pragma once

namespace vd {

// How a writer opens its file.
enum class WriteMode {
    // New content for the file: written to a temporary file in the same folder that replaces the
    // old file only when everything was written (close() succeeded); a failed or abandoned write
    // leaves the old file as it was. A missing file is created.
    Replace,
    // At the end of the file, which is not truncated ("open for writing without truncation and
    // seek to the end"); a missing file is created.
    Append,
    // The same, but a missing file is refused ("without creating").
    AppendExisting,
};

} // namespace vd
