#pragma once
// The lines of a text shown as a page or a caption, read as the old fixed-size line buffer did:
// a line longer than the buffer comes in pieces of at most pieceBytes CP932 bytes (never splitting
// a double-byte character), each piece a line of its own. Reading stops after maxLines pieces.
#include <optional>
#include <string>
#include <vector>

// nullopt when the file cannot be opened; the lines in UTF-8.
std::optional<std::vector<std::string>> ReadTextFilePieces(const std::string& winPath, int pieceBytes, int maxLines);
// One line cut into pieces of at most pieceBytes CP932 bytes (an empty line stays one piece).
std::vector<std::string> SplitTextPieces(const std::string& line, int pieceBytes);
