#pragma once
// What every fuzz target shares: a scratch home for the process (application folder, profile and
// XDG folders under one temporary folder, removed at exit), an offscreen QApplication for fonts
// and settings, and the file the target's bytes are written to before the reader runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vd::fuzz {

// Sets up the scratch home and the QApplication once; every call after the first does nothing.
// A target that uses this file gets LLVMFuzzerInitialize from it, which calls it before the
// first input (so a target defines no LLVMFuzzerInitialize of its own).
void initialise();

// A target whose start is slow (a document built with its profile and default files) defines
// this: the initialisation above calls it after the set-up, so the start is not timed as part
// of the first input, which a busy machine would otherwise push past the time limit.
[[gnu::weak]] void startTarget();

// The scratch folder (Linux form); everything a target writes stays below it.
const std::filesystem::path& scratchFolder();

// The application folder in Windows form with its trailing backslash, seeded from the bundled
// data like the program's.
const std::string& applicationFolderWin();

// Writes the bytes to `relative` below the application folder (Linux separators; sub-folders
// made) and returns the file's Windows-form path.
std::string writeApplicationFile(std::string_view relative, const std::uint8_t* data, std::size_t size);

// The bytes as a string.
std::string bytesText(const std::uint8_t* data, std::size_t size);

} // namespace vd::fuzz
