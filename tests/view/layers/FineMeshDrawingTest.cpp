// A 1/10 subdivided land-use layer on the start sheet 京都及大阪, drawn headless by the real layer
// library: water sub-cells in Lake Biwa, paddies and buildings on its western shore.
#include "tests/view/MapViewFixture.h"

#include "platform/text/Cp932.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

// A land-use record: the cell's code in columns 5-12, one class a sub-cell from column 109.
std::string LandUse(const std::string& code, const std::string& classes)
{
    std::string line = "M    " + code;
    line.resize(109, ' ');
    return line + classes;
}

class FineMeshDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        fs::create_directories(doctest::Home() / "KSJ");
        fs::copy_file(fs::path(VD_SAMPLE_DATA_DIR) / "Msh_prft.dat", doctest::Home() / "Msh_prft.dat",
                      fs::copy_options::overwrite_existing);
        // 35°10'12" N: the lake at 135°58'48" E (cell 52356078), its shore at 135°54' E (52356072).
        std::ofstream(doctest::Home() / "KSJ" / "l03-09m_25.txt", std::ios::binary)
            << "H header\r\n"
            << LandUse("52356078", std::string(100, 'B')) << "\r\n"
            << LandUse("52356072", std::string(50, '1') + std::string(50, '7')) << "\r\n";
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
        doc->m_nMapDisplayMode = 5; // drawn again, not from the kept picture
        Repaint();
        std::vector<vd::COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(picture->GetPixel(x, y));
        return pixels;
    }
};

} // namespace

TEST_F(FineMeshDrawing, LandUseSubCellsInTheirClassColoursOnTheStartSheet)
{
    const std::vector<vd::COLORREF> without = Draw();
    doc->m_anFineMeshFlag = {1, 0, 0, 0, 0, 1, 0, 0, 0};
    doc->m_anFineMeshValue[0] = 0;
    doc->m_astrFineMeshName[0] = doc->folders.m_strAppDir + "KSJ\\(l03-09m_25.txt)";
    doc->m_strFineMeshRest = "100000000000";
    const std::vector<vd::COLORREF> with = Draw();

    constexpr int kLegendLeft = 650;
    // Every changed pixel left of the legend is a sub-cell in its class colour; the water lies
    // east of the land.
    const vd::COLORREF water = vd::RGB(0, 255, 255), paddy = vd::RGB(255, 255, 0), building = vd::RGB(255, 128, 255);
    std::map<vd::COLORREF, int> counts;
    std::map<vd::COLORREF, int> leftmost;
    for (std::size_t i = 0; i < with.size(); ++i) {
        const int x = int(i % kWidth);
        if (with[i] == without[i] || x >= kLegendLeft)
            continue;
        ++counts[with[i]];
        if (!leftmost.count(with[i]) || x < leftmost[with[i]])
            leftmost[with[i]] = x;
    }
    EXPECT_EQ(counts.size(), 3u);
    EXPECT_GT(counts[water], 0);
    EXPECT_GT(counts[paddy], 0);
    EXPECT_GT(counts[building], 0);
    EXPECT_GT(leftmost[water], leftmost[paddy]);
}
