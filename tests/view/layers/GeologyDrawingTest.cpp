// The bundled relief-derived natural-terrain set on the start sheet 京都及大阪, drawn headless by
// the real Dovanne with the document members set as the settings dialog sets them: the cells in
// their palette colours and the legend column beside the map.
#include "tests/view/MapViewFixture.h"

#include "geology/settings/GeoSettingsTemplates.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/text/StringOps.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

class GeologyDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        fs::create_directories(doctest::Home() / "KSJ");
        for (const char* name : {"Msh_prft.dat", "GEOLOGY.PLT", "GEOLOGY.DAT"})
            fs::copy_file(fs::path(VD_SAMPLE_DATA_DIR) / name, doctest::Home() / name,
                          fs::copy_options::overwrite_existing);
        // The bundled relief-derived terrain set of the start mesh.
        for (const auto& entry : fs::directory_iterator(fs::path(VD_SAMPLE_DATA_DIR) / "KSJ"))
            if (entry.path().filename().string().starts_with("GEOSYNTH"))
                fs::copy_file(entry.path(), doctest::Home() / "KSJ" / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
        MapView::SetUp();
        PastFirstPaint();
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 1;
    }

    std::vector<vd::COLORREF> Draw()
    {
        picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
        doc->m_nMapDisplayMode = 5;
        Repaint();
        std::vector<vd::COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(picture->GetPixel(x, y));
        return pixels;
    }
};

} // namespace

TEST_F(GeologyDrawing, TerrainCellsAndTheLegendColumnOnTheStartSheet)
{
    const std::vector<vd::COLORREF> without = Draw();
    doc->geology.m_nGeologyLayer = 1;
    doc->geology.m_nGeoLead = 2;                  // 地形分類
    doc->geology.m_astrGeoText[2] = "1000000000"; // every terrain class, no symbols
    doc->geology.m_astrGeoText[5] = doc->folders.m_strAppDir + "KSJ\\(GEOSYNTH)";
    doc->geology.m_nGeoOption = 0;
    const std::vector<vd::COLORREF> with = Draw();

    // The sheet is the white map: the legend column at x 830, its first line at y 180 + 15, each
    // class's colour box filled from (831, 197 + 12k), 14 x 8.
    const vd::COLORREF black = vd::RGB(0, 0, 0), white = vd::RGB(255, 255, 255);
    const vd::COLORREF first = picture->GetPixel(838, 201), second = picture->GetPixel(838, 213);
    EXPECT_NE(first, second);
    std::set<vd::COLORREF> mapColours;
    for (std::size_t i = 0; i < with.size(); ++i)
        if (with[i] != without[i] && int(i % kWidth) < 820)
            mapColours.insert(with[i]);
    for (vd::COLORREF colour : {first, second}) {
        EXPECT_NE(colour, white);
        EXPECT_NE(colour, black);
        EXPECT_EQ(mapColours.count(colour), 1u) << std::hex << colour;
    }
}

// A new user's way to the same map: 32779 opens the natural-terrain settings, ﾌｧｲﾙ picks a
// GEOSYNTH file, the 地形分類 tab and OK; the document keeps the answer and the next repaint
// draws the terrain cells. 32825 then switches to the land-classification layer in its place.
TEST_F(GeologyDrawing, TheSettingsCommandsKeepTheAnswerAndTheMapShowsTheLayer)
{
    const std::vector<vd::COLORREF> without = Draw();
    script->answerFileDialog(doc->folders.m_strAppDir + "KSJ\\GEOSYNTH26.txt");
    bool opened = false;
    script->answerDialog("Dovanne", 200, [&](vd::DialogDriver& d) {
        opened = true;
        EXPECT_EQ(d.caption(), "  国土数値情報（自然地形メッシュ）");
        d.click(geoids::kFileButton);
        d.selectTab(geoids::kTabControl, 2);
        d.click(geoids::kGeoTerrainBlock + geoids::kSymbolRadio); // no symbols in the cells
        d.click(vd::IDOK);
    });
    frame->routeCommand(32779);
    ASSERT_TRUE(opened);
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 1);
    EXPECT_EQ(doc->geology.m_nGeoLead, 2);
    EXPECT_EQ(doc->geology.m_astrGeoText[5], doc->folders.m_strAppDir + "KSJ\\(GEOSYNTH)");
    EXPECT_EQ(doc->geology.m_astrGeoText[2], "10000000000000");
    EXPECT_EQ(doc->geology.m_nGeoLegendKind, 1);
    EXPECT_NE(Draw(), without) << "the terrain cells are drawn";

    // The second call opens on what the document kept.
    script->answerDialog("Dovanne", 200, [&](vd::DialogDriver& d) {
        EXPECT_EQ(dynamic_cast<vd::TabCtrl&>(d.control(geoids::kTabControl)).GetCurSel(), 2);
        EXPECT_EQ(d.text(geoids::kDataText), doc->folders.m_strAppDir + "KSJ\\(GEOSYNTH)");
        EXPECT_TRUE(d.isChecked(geoids::kGeoTerrainBlock + geoids::kSymbolRadio));
        d.click(vd::IDCANCEL);
    });
    frame->routeCommand(32779);
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 1) << "Cancel keeps the layer";

    // A land-classification file that is there: one that is not leaves the layer off.
    std::ofstream(doctest::Home() / "KSJ" / "LandClass.TXT") << "classes";
    script->answerFileDialog(doc->folders.m_strAppDir + "KSJ\\LandClass.TXT");
    script->answerDialog("Dovanne", 210, [](vd::DialogDriver& d) {
        d.click(geoids::kFileButton);
        d.click(vd::IDOK);
    });
    frame->routeCommand(32825);
    EXPECT_EQ(doc->geology.m_nLandClassLayer, 1);
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0) << "one geology layer at a time";
    EXPECT_EQ(doc->geology.m_strLandClassName, vd::toLowerAscii(doc->folders.m_strAppDir + "KSJ\\LandClass.TXT"));
    EXPECT_EQ(doc->geology.m_nGeoLead, 0);
}

// 32782 shows the composition table in place of the map and the "地図" button brings the map
// back; 32780 opens the legend list of the last geology map.
TEST_F(GeologyDrawing, TheCompositionTableAndTheLegendListThroughTheProgram)
{
    const std::vector<vd::COLORREF> map = Draw();
    frame->routeCommand(32782);
    EXPECT_EQ(doc->repaint.m_strViewState, "GEOLEND");
    picture->FillSolidRect(0, 0, kWidth, kHeight, vd::RGB(255, 255, 255));
    Repaint();
    EXPECT_EQ(doc->repaint.m_strViewState, "");
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    const vd::COLORREF white = vd::RGB(255, 255, 255);
    EXPECT_NE(picture->GetPixel(30 + 13 * 9 + 2, 640 - 90 * 4 + 5), white) << "column 9, era 4 filled";
    EXPECT_EQ(picture->GetPixel(30 + 13 * 9 + 2, 640 - 90 * 2 + 5), white) << "column 9, era 2 empty";

    // The button the repaint made: 地図, command 325.
    frame->routeCommand(325);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
    Repaint();
    EXPECT_EQ(picture->GetPixel(30 + 13 * 9 + 2, 640 - 90 * 4 + 5), map[std::size_t((640 - 90 * 4 + 5) * kWidth + 30 + 13 * 9 + 2)])
        << "the map is back";

    std::vector<std::string> lines;
    script->answerDialog("Dovanne", 220, [&](vd::DialogDriver& d) {
        auto& list = dynamic_cast<vd::ListBox&>(d.control(1020));
        for (int i = 0; i < list.GetCount(); ++i)
            lines.push_back(list.GetText(i));
        d.click(vd::IDOK);
    });
    doc->geology.m_nGeoLegendKind = 1; // after a geology layer was on: the white map's work file
    frame->routeCommand(32780);
    ASSERT_FALSE(lines.empty()) << "the box opened";
    EXPECT_EQ(lines[0], "     凡例（表層地質）");
}
