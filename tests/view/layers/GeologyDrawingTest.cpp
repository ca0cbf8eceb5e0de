// The natural-terrain mesh on the start sheet 京都及大阪, drawn headless by the real Dovanne with
// the document members set as the settings dialog sets them: the cells in their palette colours
// and the legend column beside the map.
#include "tests/view/MapViewFixture.h"

#include "platform/text/Format.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

// A natural-terrain record of mesh 5235 with data and the terrain class; no rock, era or soil.
std::string TerrainRecord(int row2, int column2, int row3, int column3, int terrain)
{
    std::string line = vd::format("G    5235%d%d%d%d0001", row2, column2, row3, column3);
    line.resize(38, ' ');
    line += vd::format("%02d", terrain);
    line.resize(60, '0');
    return line;
}

class GeologyDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        fs::create_directories(doctest::Home() / "KSJ");
        for (const char* name : {"Msh_prft.dat", "GEOLOGY.PLT", "GEOLOGY.DAT"})
            fs::copy_file(fs::path(VD_SAMPLE_DATA_DIR) / name, doctest::Home() / name,
                          fs::copy_options::overwrite_existing);
        // Mountains (class 1) in second-level cell (2, 2), lowland (class 12) in (5, 5).
        std::ofstream set(doctest::Home() / "KSJ" / "GEOSYNTH26.txt", std::ios::binary);
        set << "H header\r\n";
        for (int n = 0; n < 100; ++n) {
            set << TerrainRecord(2, 2, n / 10, n % 10, 1) << "\r\n";
            set << TerrainRecord(5, 5, n / 10, n % 10, 12) << "\r\n";
        }
        MapView::SetUp();
        PastFirstPaint();
        view->m_routines.removeViewButtons = [](int) {};
        view->m_routines.addViewButtons = [](int) {};
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->m_strSheetIndexFile);
        doc->m_nMapType = 1;
        doc->m_nMapFrame = 1;
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
    doc->m_nGeologyLayer = 1;
    doc->m_nGeoLead = 2;                  // 地形分類
    doc->m_astrGeoText[2] = "1000000000"; // every terrain class, no symbols
    doc->m_astrGeoText[5] = doc->m_strAppDir + "KSJ\\(GEOSYNTH)";
    doc->m_nGeoOption = 0;
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
