// A FIFO, a device or a folder where a data file should be: the file layer refuses it at once, so
// each family of files the program reads (statistics sets, depth intermediate files, layers,
// settings, pictures, texts) behaves as with a file that cannot be read, and nothing waits for a
// FIFO's writer or reads a device without end.
#include "FsTestSupport.h"

#include "basemap/files/PrefectureDataFile.h"
#include "graphics/DibFunctions.h"
#include "graphics/JpegFile.h"
#include "layers/settings/files/LayerSettingsFile.h"
#include "municipal/files/BoundaryFile.h"
#include "platform/fs/BinaryReader.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "submarine/files/IntermediateDepthFile.h"
#include "tests/support/FifoWatch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;
using testsupport::FifoWatch;
using testsupport::MakeFifo;

// What is put where the file should be.
enum class InPlace { Nothing, Fifo, Folder, Device };

void Place(InPlace what, const fs::path& path)
{
    std::error_code ignored;
    fs::remove_all(path, ignored);
    fs::create_directories(path.parent_path());
    switch (what) {
    case InPlace::Nothing: break;
    case InPlace::Fifo: ASSERT_TRUE(MakeFifo(path)); break;
    case InPlace::Folder: fs::create_directory(path); break;
    // A link to a device that never ends: read, it would fill the memory.
    case InPlace::Device: fs::create_symlink("/dev/zero", path); break;
    }
}

const char* NameOf(InPlace what)
{
    switch (what) {
    case InPlace::Nothing: return "no file";
    case InPlace::Fifo: return "a FIFO";
    case InPlace::Folder: return "a folder";
    case InPlace::Device: return "a link to /dev/zero";
    }
    return "";
}

// The reader's outcome with `what` in the file's place; a reader that waited on a FIFO fails.
std::string Outcome(InPlace what, const fs::path& path, const std::function<std::string(const std::string&)>& read)
{
    Place(what, path);
    FifoWatch watch(path);
    std::string outcome = read(vd::test::win(path));
    EXPECT_FALSE(watch.finish()) << "the reader waited for a writer of " << NameOf(what);
    return outcome;
}

std::string Opened(bool opened)
{
    return opened ? "read" : "unreadable";
}

struct Family {
    const char* name;
    const char* sample; // a file of the bundled data, the family's good case; empty: `contents`
    std::string contents;
    std::function<std::string(const std::string&)> read;
};

std::vector<Family> Families()
{
    return {
        {"statistics data set", "MAPELMNT/県別人口.DAT", "",
         [](const std::string& p) {
             const auto file = ReadPrefectureDataFile(p);
             return file ? "rows " + std::to_string(file->rows.size()) : "unreadable";
         }},
        {"depth intermediate file", "", std::string(4, '\x01'),
         [](const std::string& p) { return Opened(ReadIntermediateDepthFile(p).has_value()); }},
        {"municipality layer", "CityPlgn/Pg001_26.dat", "",
         [](const std::string& p) {
             const auto file = municipal::ReadBoundaryFile(p, municipal::BoundaryFileKind::Municipality);
             return file ? "areas " + std::to_string(file->areas.size()) : "unreadable";
         }},
        {"layer settings file", "", "T1_1=川\r\nF1_1=Z:\\ksj\\river.txt\r\n",
         [](const std::string& p) {
             LayerSettingsTable table(1, 2);
             const bool read = ReadLayerSettingsFile(p, "TF", table);
             return Opened(read) + " [" + table.at(1, 1).name + "]";
         }},
        {"JPEG picture", "PICT/HILLS.JPG", "",
         [](const std::string& p) { return ReadJpegDib(p).IsNull() ? "none" : "picture"; }},
        {"bitmap", "MAPFGRS/5333.bmp", "",
         [](const std::string& p) { return ReadDibFile(p).IsNull() ? "none" : "picture"; }},
        {"text page", "TEXT/TERA.TXT", "",
         [](const std::string& p) {
             const auto lines = vd::readTextLines(p);
             return lines ? "lines " + std::to_string(lines->size()) : "unreadable";
         }},
        {"binary records", "", "abcd",
         [](const std::string& p) {
             vd::BinaryReader reader;
             return Opened(reader.open(p) && reader.readInt16().has_value());
         }},
    };
}

TEST(NonRegularFile, EachFamilyTakesItAsAFileThatCannotBeRead)
{
    const fs::path folder = vd::test::scratchFolder() / "families";
    for (const Family& family : Families()) {
        SCOPED_TRACE(family.name);
        const fs::path path = folder / (family.sample[0] ? fs::path(family.sample).filename() : "data.bin");
        const std::string missing = Outcome(InPlace::Nothing, path, family.read);
        for (const InPlace what : {InPlace::Fifo, InPlace::Folder, InPlace::Device})
            EXPECT_EQ(Outcome(what, path, family.read), missing) << NameOf(what);
        // The reader does read the path when a good file is there.
        Place(InPlace::Nothing, path);
        if (family.sample[0])
            fs::copy_file(fs::path(VD_BIN_DIR) / "data" / family.sample, path);
        else
            vd::test::writeBytes(path, family.contents);
        EXPECT_NE(family.read(vd::test::win(path)), missing);
    }
}

// A writer that appends refuses a FIFO as well: opened for writing alone, it would wait for a
// reader. The FIFO is left as it was.
TEST(NonRegularFile, AppendsRefuseAFifo)
{
    const fs::path path = vd::test::scratchFolder() / "append" / "log.txt";
    for (const vd::WriteMode mode : {vd::WriteMode::Append, vd::WriteMode::AppendExisting, vd::WriteMode::Replace}) {
        Place(InPlace::Fifo, path);
        FifoWatch watch(path);
        vd::TextWriter writer;
        EXPECT_FALSE(writer.open(vd::test::win(path), mode)) << static_cast<int>(mode);
        EXPECT_FALSE(watch.finish());
        EXPECT_TRUE(fs::is_fifo(path));
    }
}

} // namespace
