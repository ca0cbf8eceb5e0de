// The geology legend list as the program opens it: Dovanne's OnD4GeologyLegend, the box read by
// the script, over small GEOLOGY.DAT and GEOLOGY.PLT files and work files made here.
#include "contracts/dovanne.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "tests/geology/GeoFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;
using geology_test::GeoFolder;
using Lines = std::vector<std::string>;

constexpr int kTemplate = 220;
constexpr int kList = 1020;

const Lines kRockHeader = {"     凡例（表層地質）", "", "========= 地質構成 =================="};
const Lines kDashes = {"-------------------------------------"};

class GeologyLegendList : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Dovanne.dll", VD_BIN_DIR "/libdovanne.so");
        legend = vd::entryPoint<OnD4GeologyLegend_fn>("Dovanne.dll", "OnD4GeologyLegend");
        ASSERT_NE(legend, nullptr);
        folder.WriteLines("GEOLOGY.DAT", {"; rock names", "1 礫層", "3 砂岩 泥岩", "17 砂", "44 安山岩"});
        folder.WriteLines("GEOLOGY.PLT", {"-999 1", "1 10 20 30 礫", "-999 2", "2 1 2 3 岩屑土", "5 1 2 3 森林土",
                                          "7 1 2 3 泥炭土", "-999 4", "0 1 1 1 谷0", "4 1 1 1", "9 9 9 9 谷9"});
        fs::create_directories(Linux("TEMP"));
    }
    fs::path Linux(const std::string& name) const { return fs::path(std::getenv("VELDORAN_HOME")) / "GEO" / name; }
    void WriteTemp(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Linux("TEMP/" + name), std::ios::binary) << bytes;
    }
    // Table A (and B) of 200 bytes each with the given entries.
    static std::string Tables(const std::map<int, std::pair<int, int>>& entries, bool withEras)
    {
        std::string a(200, '\0'), b(200, '\0');
        for (const auto& [i, value] : entries) {
            a[std::size_t(i)] = char(value.first);
            b[std::size_t(i)] = char(value.second);
        }
        return withEras ? a + b : a;
    }
    // Opens the box, reads its list and closes it with OK.
    Lines Open(int legendKind, int source, int workFile = 2)
    {
        Lines lines;
        script->answerDialog("Dovanne", kTemplate, [&](vd::DialogDriver& d) {
            auto& list = dynamic_cast<vd::ListBox&>(d.control(kList));
            for (int i = 0; i < list.GetCount(); ++i)
                lines.push_back(list.GetText(i));
            title = d.caption();
            d.click(vd::IDOK);
        });
        legend(240, legendKind, source, workFile, folder.Windows());
        return lines;
    }
    static Lines Join(std::initializer_list<Lines> parts)
    {
        Lines out;
        for (const Lines& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    }

    std::shared_ptr<vd::ui::Script> script;
    OnD4GeologyLegend_fn* legend = nullptr;
    GeoFolder folder;
    std::string title; // the box's title as last opened
};

} // namespace

TEST_F(GeologyLegendList, TemplateIsACaptionlessBoxWithAnUnsortedList)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Dovanne", kTemplate);
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->style & vd::WS_CAPTION);
    EXPECT_EQ((std::array{t->place->x, t->place->y, t->place->cx, t->place->cy}), (std::array{310, 2, 267, 175}));
    EXPECT_EQ(t->control(kList)->kind, vd::ui::ControlKind::ListBox);
    EXPECT_FALSE(t->control(kList)->style & vd::LBS_SORT);
    EXPECT_EQ(t->control(1021)->caption, "");
    EXPECT_EQ(t->control(vd::IDOK)->caption, "OK");
}

// The box's title bar names the legend, never the program.
TEST_F(GeologyLegendList, TheTitleIsTheLegendsHeading)
{
    WriteTemp("GeoWmap.dat", Tables({{2, {1, 0}}}, false));
    WriteTemp("GeoBlck.dat", Tables({{0, {1, 0}}}, false));
    const struct {
        int kind, source, workFile;
        const char* title;
    } cases[] = {{2, 2, 2, "凡例（表層地質）"}, {-1, 1, 2, "凡例（土壌）"}, {-3, 0, 1, "凡例"}};
    for (const auto& c : cases) {
        Open(c.kind, c.source, c.workFile);
        EXPECT_EQ(title, c.title) << c.kind;
    }
}

TEST_F(GeologyLegendList, EveryRockClassWithoutAWorkFile)
{
    EXPECT_EQ(Open(2, 2), Join({kRockHeader, {" 1: 礫層)", " 3: 砂岩 泥岩)", "17: 砂)", "44: 安山岩)"}}));
    fs::remove(Linux("GEOLOGY.DAT"));
    EXPECT_EQ(Open(2, 2), kRockHeader) << "no names: no class lines";
}

TEST_F(GeologyLegendList, SurfaceGeologyAfterAPlainMapSortedByRockWithEras)
{
    // A block of 80 cells a side, two grids, read although the program passes 240.
    const std::map<int, std::pair<int, int>> slots = {{5, {3, 2}}, {8, {1, 6}}, {10, {3, 9}}, {12, {17, 5}}};
    WriteTemp("Geofile.DAT", std::string(2 * 80 * 80, '\x07') + Tables(slots, true));
    EXPECT_EQ(
        Open(2, 0),
        Join({kRockHeader,
              {" 1: 礫層,沖積世)", " 3: 砂岩 泥岩,中生代)", " 3: 砂岩 泥岩)", "17: 砂,洪積世)", " 0: 岩石未区分", ""},
              kDashes,
              {"========= 地質構造 ==================", "*  断層", "A  背斜", "S  向斜", "AS 背斜／向斜"}}));
    // Without GEOLOGY.DAT the numbers and eras stay.
    fs::remove(Linux("GEOLOGY.DAT"));
    const Lines bare = Open(0, 0);
    ASSERT_GE(bare.size(), 7u);
    EXPECT_EQ(bare[3], " 1: ,沖積世)");
    EXPECT_EQ(Lines(bare.end() - 2, bare.end()), (Lines{" 0: 岩石未区分", ""})) << "mode 0: no key";
}

TEST_F(GeologyLegendList, FootersBySymbolMode)
{
    WriteTemp("GeoWmap.dat", Tables({}, true));
    const struct {
        int mode;
        std::size_t keyLines;
        const char* title;
    } cases[] = {{1, 8, "========= 時代区分 =================="},
                 {2, 6, "========= 地質構造 =================="},
                 {3, 11, "========= 岩の硬軟 =================="},
                 {4, 0, nullptr}};
    for (const auto& c : cases) {
        const Lines lines = Open(c.mode, 1);
        ASSERT_EQ(lines.size(), 3 + 2 + c.keyLines) << c.mode;
        if (c.title) {
            EXPECT_EQ(lines[6], c.title);
            EXPECT_EQ(lines.back(), c.mode == 1 ? "P  古生代" : c.mode == 2 ? "AS 背斜／向斜" : "3c  岩体硬－岩片硬");
        }
    }
}

TEST_F(GeologyLegendList, SoilTerrainAndValleyClassesFromThePalette)
{
    // Soil on the white map: classes whose byte is exactly 1.
    WriteTemp("GeoWmap.dat", Tables({{2, {1, 0}}, {5, {1, 0}}, {7, {2, 0}}}, false));
    EXPECT_EQ(Open(-1, 1),
              Join({{"     凡例（土壌）", "", "========= 土壌統計群 ==================", " 2: 岩屑土", " 5: 森林土"},
                    kDashes,
                    {"付加記号は”数値地図ユーザーズガイド[(財)日本地図センター発行]”を参照"}}));
    // Valley density from GeoBlck.dat: three empty header lines, section 4's names (4 has none).
    WriteTemp("GeoBlck.dat", Tables({{0, {1, 0}}, {4, {1, 0}}, {9, {1, 0}}}, false));
    EXPECT_EQ(Open(-3, 0, 1), Join({{"", "", "", " 0: 谷0", " 4: ", " 9: 谷9"},
                                    kDashes,
                                    {"副分類は”数値地図ユーザーズガイド[(財)日本地図センター発行]”を参照"}}));
    // Terrain after a plain map of 160 cells: one grid before the table.
    WriteTemp("Geofile.DAT", std::string(160 * 160, '\x01') + Tables({{3, {1, 0}}}, false));
    const Lines terrain = Open(-2, 0);
    ASSERT_EQ(terrain.size(), 6u);
    EXPECT_EQ(terrain[0], "     凡例（地形分類）");
    EXPECT_EQ(terrain[3], " 3: ");
}

TEST_F(GeologyLegendList, MissingOrShortWorkFilesStillOpenTheBox)
{
    // No work file: header and footer, and the program goes on.
    EXPECT_EQ(Open(2, 1),
              Join({kRockHeader,
                    {" 0: 岩石未区分", ""},
                    kDashes,
                    {"========= 地質構造 ==================", "*  断層", "A  背斜", "S  向斜", "AS 背斜／向斜"}}));
    EXPECT_EQ(Open(-1, 0, 1).size(), 5u);
    // A table that ends early reads 255 for its missing bytes.
    WriteTemp("GeoBlck.dat", std::string(198, '\0'));
    const Lines shortTable = Open(0, 0, 1);
    ASSERT_EQ(shortTable.size(), 3u + 2 + 2);
    EXPECT_EQ(shortTable[3], "255: )");
    EXPECT_EQ(shortTable[4], "255: )");
}
