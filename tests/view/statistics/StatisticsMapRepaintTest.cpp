// The whole-country statistics map drawn by the view's repaint (map type 2, mode 5) through the
// built Surrick from the bundled data, with the ranking of the population set in the document as
// the ranking leaves it: the class fills and the legend checked by their pixels.
#include "tests/view/MapViewFixture.h"

#include "basemap/projection/SansonProjection.h"
#include "platform/fs/PathResolver.h"
#include "platform/ui/WindowImpl.h"
#include "tests/support/ControlPlaces.h"

#include <QAbstractButton>

#include <algorithm>
#include <filesystem>
#include <numeric>

namespace {

namespace fs = std::filesystem;

// The 2020 population, largest first (line indexes of 県別人口.DAT), as the ranking sorts it.
constexpr int kPopulationOrder[47] = {12, 13, 26, 22, 10, 11, 27, 0,  39, 21, 7,  33, 25, 3,  14, 19,
                                      20, 9,  8,  32, 6,  23, 42, 45, 46, 24, 34, 37, 28, 41, 1,  2,
                                      16, 43, 44, 5,  15, 4,  36, 29, 40, 18, 17, 35, 38, 31, 30};

class StatisticsMapRepaint : public viewtest::MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so"));
        const fs::path home = doctest::Home();
        const fs::path data = VD_SAMPLE_DATA_DIR;
        for (const char* name : {"Coast_JB/PRFCT_RK.DAT", "Coast_JB/JILSPFTR.DAT", "Coast_JB/BN_JMAPA.DAT",
                                 "Coast_JB/FEBORDER.DAT", "MAPELMNT/都道府県.DAT", "MAPELMNT/県別人口.DAT",
                                 "FarEast.DAT"}) {
            fs::create_directories((home / name).parent_path());
            fs::copy_file(data / name, home / name, fs::copy_options::overwrite_existing);
        }
    }

    void ShowPopulation(int tenClasses)
    {
        const std::string home = vd::toWindowsPath(doctest::Home().string()).value_or("") + "\\";
        doc->folders.m_strAppDir = home;
        doc->folders.m_strCoastDir = home + "Coast_JB\\";
        doc->statistics = {};
        doc->statistics.m_strPrefDataFile = home + "MAPELMNT\\県別人口.DAT";
        doc->position.m_nMapType = 2;
        doc->m_nMapDisplayMode = 5;
        doc->position.m_nPrefectureSel = 0;
        doc->m_nClipIndexMap = 0;
        doc->statistics.m_nShow = 1;
        doc->statistics.m_nRanked = 1;     // show the statistics
        doc->statistics.m_nColour = 2;     // blue charts
        doc->statistics.m_nBorders = 1;    // prefecture lines
        doc->statistics.m_nMethod = 1;     // pies of the share
        doc->statistics.m_nChoropleth = 1; // class fills
        doc->statistics.m_nTenClasses = tenClasses;
        for (int r = 0; r < 47; ++r) {
            doc->ranking.m_anPrefRank[std::size_t(r)][0] = kPopulationOrder[r];
            doc->ranking.m_anPrefRank[std::size_t(kPopulationOrder[r])][1] = r;
        }
    }

    // The pixel of a place on the whole-country map (band projection, origin x 560 at 900 wide).
    vd::COLORREF At(double latitude, double longitude) const
    {
        const SansonProjection band(560, 0, 455000.f, 1375000.f, 222.22223f);
        const PixelPoint p = band.project(latitude * 10000, longitude * 10000);
        return picture->GetPixel(p.x, p.y);
    }
    vd::COLORREF Swatch(int row, int classes) const
    {
        return picture->GetPixel(kWidth - 145, kHeight - 239 + 21 * (row - classes) + 8);
    }
};

TEST_F(StatisticsMapRepaint, TokyoAndTottoriTakeTheFirstAndLastClassColours)
{
    PastFirstPaint();
    struct Case {
        int tenClasses;
        vd::COLORREF first, last;
    };
    for (const Case& c : {Case{1, vd::RGB(128, 0, 255), vd::RGB(128, 64, 64)},
                          Case{0, vd::RGB(0, 255, 255), vd::RGB(255, 128, 255)}}) {
        ShowPopulation(c.tenClasses);
        picture->FillSolidRect(0, 0, kWidth, kHeight, vd::RGB(1, 2, 3));
        Repaint();
        // Inland points away from the prefectures' charts and borders.
        EXPECT_EQ(At(35.70, 139.30), c.first) << "東京都, ten classes " << c.tenClasses;
        EXPECT_EQ(At(35.38, 133.62), c.last) << "鳥取県, ten classes " << c.tenClasses;
        // The sea keeps the map's background.
        EXPECT_EQ(At(37.50, 134.00), At(39.50, 136.00));
        EXPECT_NE(At(37.50, 134.00), c.first);
        EXPECT_NE(At(37.50, 134.00), vd::RGB(1, 2, 3));
        const int classes = c.tenClasses ? 10 : 5;
        EXPECT_EQ(Swatch(0, classes), c.first);
        EXPECT_EQ(Swatch(classes - 1, classes), c.last);
    }
}

// Where the shown buttons stand in the view's client area, by their "kind caption" names.
std::vector<std::pair<std::string, vd::Rect>> ButtonPlaces(const CVeldoranView& view, const std::vector<std::string>& shown)
{
    std::vector<std::pair<std::string, vd::Rect>> out;
    auto add = [&](const vd::Button* b, const std::string& name) {
        const vd::ui::Rect r = b->GetWindowRect();
        const vd::ui::Point at = view.ScreenToClient({r.left, r.top});
        out.push_back({name, vd::Rect{at.x, at.y, at.x + r.right - r.left, at.y + r.bottom - r.top}});
    };
    for (const std::string& name : shown) {
        const int key = std::stoi(name.substr(name[0] == '#' ? 1 : 0));
        add(name[0] == '#' ? view.m_pNavigation->NumberedButton(key) : view.m_pNavigation->ViewButton(key), name);
    }
    return out;
}

// After the sheet map, in a narrow and a wide window: the prefecture map shows its own panel alone,
// each button holding its caption, none on another, on the statistics' legend, label, totals or
// data name, or past the window.
TEST_F(StatisticsMapRepaint, ThePanelStandsClearOfTheStatisticsAndOfItself)
{
    PastFirstPaint();
    for (const auto& [w, h] : {std::pair{721, 760}, std::pair{1024, 768}}) {
        view->MoveWindow(0, 0, w, h, false);
        view->m_nSavedWidth = w;
        view->m_nSavedHeight = h;
        doc->position.m_nMapType = 1;
        view->m_pNavigation->AddViewButtons(0);
        view->m_pNavigation->AddViewButtons(3);
        ShowPopulation(1);
        picture = std::make_unique<vd::ImageDc>(w, h);
        Repaint();
        const std::vector<std::string> shown = ShownButtons();
        EXPECT_EQ(shown, (std::vector<std::string>{"#1 日本列島", "#2 西南", "#3 中央", "#4 東北", "13 都道府県別...",
                                                   "14 データ一覧", "27 1/20万"}))
            << w;
        const int legendTop = h - 21 * 10 - 263;
        const std::pair<const char*, vd::Rect> statistics[] = {
            {"legend", {w - 170, legendTop, w - 2, h - 239}},
            {"kind label", {w - 200, h - 235, w - 2, h - 212}},
            {"totals", {w - 200, h - 208, w - 2, h - 100}},
            {"data name", {w - 535, h - 27, w - 10, h - 2}},
        };
        const auto places = ButtonPlaces(*view, shown);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const auto& [name, r] = places[i];
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h) << w << " " << name;
            for (std::size_t j = i + 1; j < places.size(); ++j)
                EXPECT_FALSE(controlplaces::overlap(r, places[j].second)) << w << " " << name << " on " << places[j].first;
            for (const auto& [box, area] : statistics)
                EXPECT_FALSE(controlplaces::overlap(r, area)) << w << " " << name << " on the " << box;
        }
        for (int kind : {13, 14}) {
            const auto* button = qobject_cast<QAbstractButton*>(vd::widgetOf(view->m_pNavigation->ViewButton(kind)));
            ASSERT_NE(button, nullptr);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 6, button->width()) << w << " " << kind;
        }
    }
}

} // namespace
