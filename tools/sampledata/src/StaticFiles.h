#pragma once
// The bundled files that are written by hand rather than converted from open data: the user-data
// files a new application folder starts with (SOURCE\BINDER.DAT, SOURCE\history.dat,
// SOURCE\MENUFILE.DAT, GUIDEMAP\GUIDEMAP.DAT) and the sample GPS tracks (TRACK\). They are kept
// in inputs/static/ as UTF-8 with LF line ends, readable and easy to change, and written out in the
// program's form: CP932, CR LF.
#include <string>
#include <vector>

namespace sampledata {

// The file's bytes in the program's form; throws on text that CP932 cannot hold.
std::string staticFileBytes(const std::string& utf8Text);

// Writes every file below staticDir to the same place below outDir; returns their paths
// relative to staticDir (with "/"), sorted. Throws on failure.
std::vector<std::string> writeStaticFiles(const std::string& staticDir, const std::string& outDir);

}  // namespace sampledata
