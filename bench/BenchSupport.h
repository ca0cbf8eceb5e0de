#pragma once
// What the benchmarks share: an offscreen application for drawing and fonts, the built tree's
// bin/ folder (libraries and bundled data, beside bench/) and a scratch application folder.
#include <filesystem>
#include <string>

namespace bench {

// Starts an offscreen QApplication once.
void ensureGuiApplication();

const std::filesystem::path& BinFolder();

// Makes the folder `name` under the temporary folder the application folder (VELDORAN_HOME, with
// its own profile), seeded with the bundled data, and puts the built Dovanne in place; the
// user's own folder and profile are never touched. Starts the application too.
std::filesystem::path SeedScratchHome(const std::string& name);

} // namespace bench
