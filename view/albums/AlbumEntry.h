#pragma once
// The parts of a registered item's record or an album page: the title before the file (the
// record up to the blank before the drive letter), the files from the drive letter on, and the
// file and caption file split at the first blank. A record without ":" is all files.
#include <string>
#include <string_view>

namespace albums {

struct EntryFiles {
    std::string target;  // the file, link or program
    std::string caption; // what follows the first blank (a picture's caption file)
};

// The text from the drive letter on (one character before the first ":"), lower-cased.
std::string EntryFilePart(std::string_view entry);
// The entry up to two characters before its first ":" (the title and coordinates); "" without ":".
std::string EntryTitle(std::string_view entry);
// The file part split at its first blank.
EntryFiles SplitEntryFiles(std::string_view entry);

} // namespace albums
