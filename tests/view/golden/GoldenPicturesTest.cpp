// The main maps as a user sees them, pixel for pixel: the view's repaint at 1024 x 768 of the
// start sheet 京都及大阪 in blocks of 3 x 3 and 5 x 5 with the bundled sample layers switched on
// (the 3 x 3 block also at 1280 x 955, a monitor-size window on a 1280 x 1024 screen),
// the whole-country overview in both projections with those layers, the population map of the
// prefectures and the Japan overview of 神奈川県. Each picture is compared with its reference in
// tests/data/golden/; with VD_GOLDEN_REMAKE set to a folder, the pictures are written there
// instead (the remake-golden-pictures target).
#include "tests/view/MapViewFixture.h"

#include "app/layers/LayerSettingsRows.h"
#include "platform/dc/BitmapImpl.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr int kGoldenWidth = 1024;
constexpr int kGoldenHeight = 768;

// The 2020 population, largest first (line indexes of 県別人口.DAT), as the ranking sorts it.
constexpr int kPopulationOrder[47] = {12, 13, 26, 22, 10, 11, 27, 0,  39, 21, 7,  33, 25, 3,  14, 19,
                                      20, 9,  8,  32, 6,  23, 42, 45, 46, 24, 34, 37, 28, 41, 1,  2,
                                      16, 43, 44, 5,  15, 4,  36, 29, 40, 18, 17, 35, 38, 31, 30};

class GoldenPictures : public viewtest::MapView {
protected:
    void BeforeDocument() override
    {
        // The whole bundled data set, its sheet index and settings files included.
        fs::copy(fs::path(VD_BIN_DIR) / "data", doctest::Home(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so"));
    }

    void SetUp() override
    {
        MapView::SetUp();
        view->MoveWindow(0, 0, kGoldenWidth, kGoldenHeight, false);
        PastFirstPaint();
        view->m_nSavedWidth = kGoldenWidth;
        view->m_nSavedHeight = kGoldenHeight;
        LoadSampleRows();
        SwitchSampleRowsOn();
    }

    // The rows of the settings files, as a preset loads them for families never set.
    void LoadSampleRows()
    {
        const auto rows = [&](const char* file, LayerFileFamily family) {
            return ReadLayerFileRowsFrom(doc->folders.m_strAppDir + file, family);
        };
        const LayerFileRows points = rows("DddPFile.dat", LayerFileFamily::Point);
        std::copy_n(points.names.begin(), 30, doc->m_astrPointName.begin());
        std::copy_n(points.files.begin(), 30, doc->m_astrPointFile.begin());
        for (int t = 0; t < 6; ++t) {
            doc->m_anPointRowA[t] = points.value1[t];
            doc->m_anPointRowB[t] = points.value2[t];
            doc->m_anPointRowC[t] = points.value3[t];
        }
        const LayerFileRows lines = rows("DddMFile.dat", LayerFileFamily::Line);
        doc->m_astrLineName = lines.names;
        doc->m_astrLineFile = lines.files;
        for (int t = 0; t < 7; ++t)
            doc->m_anLineRowValue[t] = lines.value1[t];
        const LayerFileRows surfaces = rows("DDDSFILE.DAT", LayerFileFamily::Surface);
        std::copy_n(surfaces.names.begin(), 15, doc->m_astrSurfaceName.begin());
        std::copy_n(surfaces.files.begin(), 15, doc->m_astrSurfaceFile.begin());
        for (int t = 0; t < 3; ++t) {
            doc->m_anSurfaceRowA[t] = surfaces.value1[t];
            doc->m_anSurfaceRowB[t] = surfaces.value2[t];
            doc->m_anSurfaceRowC[t] = surfaces.value3[t];
        }
        const LayerFileRows meshes = rows("DDMSFILE.DAT", LayerFileFamily::NatureMesh);
        std::copy_n(meshes.names.begin(), 10, doc->m_astrMeshName.begin());
        std::copy_n(meshes.files.begin(), 10, doc->m_astrMeshFile.begin());
        for (int g = 0; g < 2; ++g)
            std::copy_n(meshes.value1[g].begin(), 5, doc->m_anNatureMeshValue.begin() + 5 * g);
        const LayerFileRows fine = rows("DDFTFILE.DAT", LayerFileFamily::FineMesh);
        std::copy_n(fine.names.begin(), 4, doc->m_astrFineMeshName.begin());
    }

    // Every row the bundled sample data fills: rivers, watercourses and railways; public
    // facilities, towns and airports; administrative areas; river length and coastal waters.
    void SwitchSampleRowsOn()
    {
        doc->m_anLineRowFlag[0] = {0, 1, 0, 0, 0, 1, 1};
        doc->m_anLineRowFlag[2] = {0, 0, 0, 0, 1, 1, 0};
        doc->m_anLineRowFlag[4] = {0, 0, 0, 0, 1, 1, 0};
        doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
        doc->m_anPointRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
        doc->m_anPointRowFlag[4] = {0, 0, 0, 1, 0, 1, 0};
        doc->m_anSurfaceRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
        doc->m_anMeshRowFlag[0] = {0, 0, 1, 0, 0, 1, 1};
        doc->m_anMeshRowFlag[1] = {0, 1, 0, 0, 0, 1, 0};
    }

    // The 1/10 mesh's lake row instead of the mesh groups, as the layer dialog leaves it.
    void SwitchFineMeshOn()
    {
        doc->m_anMeshRowFlag[0] = {0, 0, 0, 0, 0, 0, 0};
        doc->m_anMeshRowFlag[1] = {0, 0, 0, 0, 0, 0, 0};
        doc->m_anFineMeshFlag = {0, 0, 0, 1, 0, 1, 0, 0, 0};
    }

    void ShowStartSheet(int mode)
    {
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = mode;
        doc->spec.m_nLake = 1;
        doc->spec.m_nPrefBorder = 1;
    }

    void ShowOverview(int selection, int projection)
    {
        doc->position.m_nMapType = 2;
        doc->statistics.m_nShow = -1;
        doc->position.m_nPrefectureSel = selection;
        doc->m_nClipIndexMap = projection;
        doc->pointer.m_nOverviewOriginX = 560;
    }

    void ShowPopulation()
    {
        doc->statistics = {};
        doc->statistics.m_strPrefDataFile = doc->folders.m_strAppDir + "MAPELMNT\\県別人口.DAT";
        doc->position.m_nMapType = 2;
        doc->position.m_nPrefectureSel = 0;
        doc->m_nClipIndexMap = 0;
        doc->statistics.m_nShow = 1;
        doc->statistics.m_nRanked = 1;     // show the statistics
        doc->statistics.m_nColour = 2;     // blue charts
        doc->statistics.m_nBorders = 1;    // prefecture lines
        doc->statistics.m_nMethod = 1;     // pies of the share
        doc->statistics.m_nChoropleth = 1; // class fills
        doc->statistics.m_nTenClasses = 1; // ten classes
        for (int r = 0; r < 47; ++r) {
            doc->ranking.m_anPrefRank[std::size_t(r)][0] = kPopulationOrder[r];
            doc->ranking.m_anPrefRank[std::size_t(kPopulationOrder[r])][1] = r;
        }
    }

    // The view as large as a monitor-size window's on a screen of that size.
    void ResizeView(int width, int height)
    {
        view->MoveWindow(0, 0, width, height, false);
        view->m_nSavedWidth = width;
        view->m_nSavedHeight = height;
    }

    // The repaint on a fresh picture, compared with (or written as) the reference of that name.
    void ExpectPicture(const std::string& name, int width = kGoldenWidth, int height = kGoldenHeight)
    {
        picture = std::make_unique<vd::ImageDc>(width, height);
        doc->m_nMapDisplayMode = 5;
        Repaint();
        const QImage drawn = vd::bitmapImage(picture->GetSurface()).convertToFormat(QImage::Format_RGB32);
        if (const char* folder = std::getenv("VD_GOLDEN_REMAKE")) {
            ASSERT_TRUE(drawn.save(QString::fromStdString(std::string(folder) + "/" + name + ".png")));
            return;
        }
        const std::string path = std::string(VD_TEST_DATA_DIR) + "/golden/" + name + ".png";
        QImage reference(QString::fromStdString(path));
        ASSERT_FALSE(reference.isNull()) << "no reference picture " << path;
        reference = reference.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(reference.size(), drawn.size()) << name;
        int differing = 0, firstX = -1, firstY = -1;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != reference.pixel(x, y) && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
        EXPECT_EQ(differing, 0) << name << ": first difference at (" << firstX << ", " << firstY << ")";
    }
};

} // namespace

TEST_F(GoldenPictures, StartSheetInBlocksWithTheSampleLayers)
{
    ShowStartSheet(9);
    ExpectPicture("sheet-3x3-layers");
    SwitchFineMeshOn();
    ShowStartSheet(25);
    ExpectPicture("sheet-5x5-layers");
}

// A monitor-size window on a 1280 x 1024 screen: the block reaches past x 1000 and y 700, and the
// place names near its east and south edges (郡上, 江南, 大府市, 高松市, 五條市) stand at their points.
TEST_F(GoldenPictures, StartSheetInAMonitorSizeWindow)
{
    ResizeView(1280, 955);
    ShowStartSheet(9);
    ExpectPicture("sheet-3x3-monitor-size", 1280, 955);
}

TEST_F(GoldenPictures, WholeCountryInBothProjectionsWithTheSampleLayers)
{
    ShowOverview(0, 0);
    ExpectPicture("whole-band-layers");
    ShowOverview(0, 2);
    ExpectPicture("whole-albers-layers");
}

TEST_F(GoldenPictures, PopulationMapOfThePrefectures)
{
    ShowPopulation();
    ExpectPicture("prefecture-population");
}

TEST_F(GoldenPictures, JapanOverviewOfKanagawa)
{
    ShowOverview(4, 0);
    doc->position.m_nPrefecture = 13;
    doc->environment.m_nPrfMpData = 1;
    ExpectPicture("japan-kanagawa");
}
