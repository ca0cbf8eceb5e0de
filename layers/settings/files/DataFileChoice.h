#pragma once
// How a settings row names its data: a data-file row holds the whole path in lower case; a
// data-folder row holds the folder, "(", the data-set code (the first k characters of a file of
// the set, k = 7, 8 or 9 by row) and ")". Both are chosen with the same file dialog.
#include <optional>
#include <string>
#include <string_view>

// The chosen text of a data-folder row and the file name it came from.
struct DataFolderChoice {
    std::string folder;   // up to and including the last "\"
    std::string fileName; // the rest
};

// Beeps, then asks for an existing text file; the chosen path in lower case (ASCII letters only),
// nullopt when cancelled.
std::optional<std::string> ChooseDataFile();
// The same dialog; the chosen path split after its last "\", nullopt when cancelled or when the
// path has none. The path keeps its case.
std::optional<DataFolderChoice> ChooseDataFolder();

// A chosen path split after its last "\"; nullopt when it has none.
std::optional<DataFolderChoice> SplitDataFolderPath(std::string_view path);
// folder + "(" + the first codeLength characters of the file name (never half a character) + ")".
std::string DataFolderText(const DataFolderChoice& choice, int codeLength);

// A path as the user typed it, in the program's one form: a Linux path ("/srv/ksj/a.txt") becomes
// a Windows-form path; anything else passes as typed.
std::string StoredPathForm(std::string_view typed);
