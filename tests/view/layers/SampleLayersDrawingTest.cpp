// The bundled national-land sample layers on the start sheet 京都及大阪, drawn headless by the
// real layer library: a new application folder gets the sample rows in its settings files, and
// once the rows are switched on the rivers, offices and airports change the picture.
#include "tests/view/MapViewFixture.h"

#include "app/layers/LayerSettingsRows.h"
#include "platform/fs/TextReader.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class SampleLayersDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        // As seeding leaves a new folder: the layer files, no settings file yet.
        fs::create_directories(doctest::Home());
        const auto replace = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
        fs::copy(fs::path(VD_SAMPLE_DATA_DIR) / "KSJ", doctest::Home() / "KSJ", replace);
        fs::copy(fs::path(VD_SAMPLE_DATA_DIR) / "Msh_prft.dat", doctest::Home() / "Msh_prft.dat", replace);
        MapView::SetUp();
        PastFirstPaint();
    }

    // The rows of the settings files taken into the document, as the preset command loads them.
    void LoadSettingsRows()
    {
        const LayerFileRows points =
            ReadLayerFileRowsFrom(doc->folders.m_strAppDir + "DddPFile.dat", LayerFileFamily::Point);
        std::copy_n(points.names.begin(), 30, doc->m_astrPointName.begin());
        std::copy_n(points.files.begin(), 30, doc->m_astrPointFile.begin());
        for (int t = 0; t < 6; ++t) {
            doc->m_anPointRowA[t] = points.value1[t];
            doc->m_anPointRowB[t] = points.value2[t];
            doc->m_anPointRowC[t] = points.value3[t];
        }
        const LayerFileRows lines =
            ReadLayerFileRowsFrom(doc->folders.m_strAppDir + "DddMFile.dat", LayerFileFamily::Line);
        doc->m_astrLineName = lines.names;
        doc->m_astrLineFile = lines.files;
        for (int t = 0; t < 7; ++t)
            doc->m_anLineRowValue[t] = lines.value1[t];
    }

    // Rivers (line tab 1 row 2), public facilities (point tab 1 row 1), towns (tab 3 row 1) and
    // airports (tab 5 row 4).
    void SwitchSampleRowsOn()
    {
        doc->m_anLineRowFlag[0] = {0, 1, 0, 0, 0, 1, 1};
        doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
        doc->m_anPointRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
        doc->m_anPointRowFlag[4] = {0, 0, 0, 1, 0, 1, 0};
    }

    void ShowStartSheet()
    {
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 1;
        doc->m_nMapDisplayMode = 5;
    }

    std::vector<vd::COLORREF> Pixels() const
    {
        std::vector<vd::COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(picture->GetPixel(x, y));
        return pixels;
    }
};

// The picture as a PPM file, to look at by eye.
void SavePpm(const char* path, const std::vector<vd::COLORREF>& pixels, int width, int height)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    for (vd::COLORREF c : pixels)
        out << char(vd::GetRValue(c)) << char(vd::GetGValue(c)) << char(vd::GetBValue(c));
}

std::vector<std::string> SettingsLines(const std::string& path)
{
    return vd::readTextLines(path).value_or(std::vector<std::string>{});
}

bool Holds(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST_F(SampleLayersDrawing, NewSettingsFilesHoldTheSampleRows)
{
    const auto lineRows = SettingsLines(doc->folders.m_strAppDir + "DddMFile.dat");
    EXPECT_TRUE(Holds(lineRows, "T1_2=河川"));
    EXPECT_TRUE(Holds(lineRows, "F1_2=" + doc->folders.m_strAppDir + "KSJ\\(RIVER_S_)"));
    const auto pointRows = SettingsLines(doc->folders.m_strAppDir + "DddPFile.dat");
    EXPECT_TRUE(Holds(pointRows, "T1_1=公共施設"));
    EXPECT_TRUE(Holds(pointRows, "F3_1=" + doc->folders.m_strAppDir + "KSJ\\CITIES_S.TXT"));
    EXPECT_TRUE(Holds(pointRows, "N3_1=310060"));
    EXPECT_TRUE(Holds(pointRows, "F5_4=" + doc->folders.m_strAppDir + "KSJ\\AIRPORT_S.TXT"));
    const auto meshRows = SettingsLines(doc->folders.m_strAppDir + "DDMSFILE.DAT");
    EXPECT_TRUE(Holds(meshRows, "T1_3=流路延長"));
    EXPECT_TRUE(Holds(meshRows, "F1_3=" + doc->folders.m_strAppDir + "KSJ\\(RVLEN_S_)"));
    // The rows went into the file Pelmora wrote, whatever the case of its name.
    int meshSettingsFiles = 0;
    for (const auto& entry : fs::directory_iterator(doctest::Home()))
    {
        std::string name = entry.path().filename().string();
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        meshSettingsFiles += name == "ddmsfile.dat";
    }
    EXPECT_EQ(meshSettingsFiles, 1);
}

TEST_F(SampleLayersDrawing, SwitchedOnRowsChangeTheStartSheet)
{
    LoadSettingsRows();
    SwitchSampleRowsOn();
    ShowStartSheet();
    Repaint();
    const std::vector<vd::COLORREF> withLayers = Pixels();
    if (const char* shot = std::getenv("VD_SAMPLE_SCREENSHOT"))
        SavePpm(shot, withLayers, kWidth, kHeight);

    fs::remove_all(doctest::Home() / "KSJ");
    picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
    doc->m_nMapDisplayMode = 5; // drawn again, not from the kept picture
    Repaint();
    const std::vector<vd::COLORREF> without = Pixels();
    // The Yodo alone is some 200 pixels of blue line; the markers and the airport's name add more.
    int differing = 0, blueAdded = 0;
    for (std::size_t i = 0; i < without.size(); ++i) {
        differing += withLayers[i] != without[i];
        blueAdded += withLayers[i] != without[i] && withLayers[i] == vd::RGB(0, 0, 255);
    }
    EXPECT_GT(differing, 500);
    EXPECT_GT(blueAdded, 200);
}

namespace {

// A layer's red progress box above the status line stays whole inside a window narrower than its
// columns (it was cut at the window's edge), and in a wide window the status line's wipe takes it
// whole (the frame of the last layer's wide pen left a line above it).
TEST_F(SampleLayersDrawing, TheProgressBoxStaysInsideTheWindowAndIsWipedWhole)
{
    LoadSettingsRows();
    SwitchSampleRowsOn();
    for (const auto& [w, h] : {std::pair{721, 760}, std::pair{1024, 768}}) {
        view->MoveWindow(0, 0, w, h, false);
        view->m_nSavedWidth = w;
        view->m_nSavedHeight = h;
        ShowStartSheet();
        picture = std::make_unique<vd::ImageDc>(w, h);
        Repaint();
        int rightmostRed = -1, redAboveLine = 0;
        for (int y = h - 30; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (picture->GetPixel(x, y) == vd::RGB(255, 0, 0)) {
                    rightmostRed = std::max(rightmostRed, x);
                    redAboveLine += y < h - 26;
                }
        if (w <= 800) {
            EXPECT_GT(rightmostRed, w / 2) << "the box's text at the right";
            EXPECT_LT(rightmostRed, w - 8) << "its end inside the window, before the frame";
        } else {
            EXPECT_EQ(rightmostRed, -1) << "the box wiped under the status line";
        }
        EXPECT_EQ(redAboveLine, 0) << w;
    }
}

} // namespace
