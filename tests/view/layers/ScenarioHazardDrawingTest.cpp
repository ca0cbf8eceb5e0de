// A scenario seismic hazard file and its fault file registered and switched on colour the start
// sheet 京都及大阪 and draw the fault outline over it, headless, through the built Halvette.
#include "tests/view/MapViewFixture.h"

#include "platform/text/Cp932.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const vd::COLORREF kIntensity6 = vd::RGB(255, 72, 112); // intensity 6.05: class 6 (6強～)
const vd::COLORREF kBlack = vd::RGB(0, 0, 0);

// Every third-level cell of first-level mesh 5235 (34°40'-35°20' N, 135°-136° E), west to east,
// intensity 6.05; the fault plane is a triangle over Osaka Bay and Kyoto, dipping to the south.
void WriteScenarioFiles(const fs::path& folder)
{
    std::ofstream data(folder / "kansai-map-a.csv", std::ios::binary);
    data << "# fixture: one intensity over the start sheet\r\n# XPO YPO\r\n";
    char line[128];
    for (int c = 0; c < 80; ++c)
        for (int r = 0; r < 80; ++r) {
            std::snprintf(line, sizeof line, "1,2,%.6f,%.6f,0,0,20.0,0,0,30.0,6.05\r\n", 135.00625 + c * 0.0125,
                          34.6666667 + (r + 0.5) / 120.0);
            data << line;
        }
    std::ofstream fault(folder / "kansai-fault-a.csv", std::ios::binary);
    fault << "# FLT\r\n# JLO\r\n";
    for (const auto& [lon, lat, depth] : {std::tuple{135.3, 34.8, 2000.0}, std::tuple{135.7, 35.2, 2000.0},
                                          std::tuple{135.6, 34.75, 12000.0}}) {
        std::snprintf(line, sizeof line, "%9.4f,%8.4f,%18s,%9.1f\r\n", lon, lat, "", depth);
        fault << line;
    }
}

class ScenarioHazardDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 1;
    }

    std::unique_ptr<vd::ImageDc> Draw()
    {
        picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
        doc->m_nMapDisplayMode = 5; // drawn again, not from the kept picture
        Repaint();
        auto drawn = std::move(picture);
        picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
        return drawn;
    }

    static int Count(const vd::ImageDc& dc, vd::COLORREF colour)
    {
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                count += dc.GetPixel(x, y) == colour;
        return count;
    }

    // The scenario map (kind 1), entry 0, intensity, with the fault planes.
    void SwitchOn(int fault)
    {
        doc->seismic.m_anSeisSetting = {1, 0, 0, 0, 1, 0, 2, 0, static_cast<std::int16_t>(fault), 0};
        doc->seismic.m_bSeismicLayer = 1;
    }
};

} // namespace

TEST_F(ScenarioHazardDrawing, ARegisteredScenarioShowsItsCellsAndFaultOnTheStartSheet)
{
    SwitchOn(1);
    EXPECT_EQ(Count(*Draw(), kIntensity6), 0) << "nothing registered, nothing drawn";

    const fs::path folder = doctest::Home() / "scenario data";
    fs::create_directories(folder);
    WriteScenarioFiles(folder);
    std::ofstream(doctest::Home() / "FLTFILE.DAT", std::ios::binary)
        << vd::utf8ToCp932(";-----震源断層を特定した地震動予測地図データファイル--------\r\n関西=" +
                           doc->folders.m_strAppDir + "scenario data\\kansai-map-a.csv\r\n");
    const auto withFault = Draw();
    // The whole sheet is one first-level mesh: most of the map area takes the class colour.
    EXPECT_GT(Count(*withFault, kIntensity6), kWidth * kHeight / 3);

    SwitchOn(0);
    const auto cellsOnly = Draw();
    EXPECT_GT(Count(*cellsOnly, kIntensity6), kWidth * kHeight / 3);
    // The outline is drawn in black over the cells: pixels of the class colour turned black.
    int outline = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            outline += cellsOnly->GetPixel(x, y) == kIntensity6 && withFault->GetPixel(x, y) == kBlack;
    EXPECT_GT(outline, 100);

    doc->seismic.m_anSeisSetting[4] = 0;
    EXPECT_EQ(Count(*Draw(), kIntensity6), 0) << "switched off";
}
