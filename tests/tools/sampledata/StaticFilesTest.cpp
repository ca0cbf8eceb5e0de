// The hand-made user-data files: the tool writes them in the program's form (CP932, CR LF), and
// the bundled data holds exactly what the tool writes from inputs/static/.
#include "tools/sampledata/src/StaticFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace sampledata;

namespace {

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(SampleDataStaticFiles, LinesBecomeCp932WithCrLf) {
  EXPECT_EQ(staticFileBytes("; 注記\n00=\n\nabc"), "; \x92\x8d\x8b\x4c\r\n00=\r\n\r\nabc\r\n");
  EXPECT_EQ(staticFileBytes("a\r\nb\r\n"), "a\r\nb\r\n") << "a CR LF input is not doubled";
  EXPECT_EQ(staticFileBytes(""), "");
  EXPECT_THROW(staticFileBytes("\xF0\x9F\x98\x80"), std::runtime_error) << "no CP932 form";
}

TEST(SampleDataStaticFiles, TheBundledFilesAreWhatTheToolWrites) {
  // The test process's own scratch folder.
  const std::filesystem::path out = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "static-out";
  const auto written = writeStaticFiles(VD_SAMPLEDATA_INPUTS "/static", out.string());
  EXPECT_EQ(written, (std::vector<std::string>{"ALBUM/MIHON.alb", "FarEast.DAT", "GEOLOGY.DAT", "GEOLOGY.PLT", "GUIDEMAP/GUIDEMAP.DAT", "LINKDATA/DdPreset.dat", "SOURCE/BINDER.DAT", "SOURCE/MENUFILE.DAT",
                                               "SOURCE/history.dat", "TRACK/sample.log", "TRACK/sample.pot",
                                               "TRACK/sample.rot", "TRACK/sample.trk"}));
  for (const std::string& file : written) {
    const std::string bytes = readBytes(out / file);
    EXPECT_FALSE(bytes.empty()) << file;
    EXPECT_EQ(bytes, readBytes(std::filesystem::path(VD_SAMPLE_DATA_DIR) / file))
        << file << ": run tools/sampledata/make-sample-data.sh";
  }
}
