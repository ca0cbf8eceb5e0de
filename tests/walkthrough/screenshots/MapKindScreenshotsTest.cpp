// The README's pictures of the map kinds the libraries draw: the prefecture statistics map, the
// municipality borders of the white map, the relief-derived natural-terrain mesh with its legend
// column and the sea-floor depth tint. Each is reached from a new application folder as a user
// reaches it: menus chosen with the mouse, dialogs answered through their controls.
#include "tests/walkthrough/screenshots/ScreenshotProgram.h"

#include "app/settings/EnvMapPage.h"
#include "app/settings/EnvSettingsDialog.h"
#include "app/settings/MapDisplaySpecDialog.h"
#include "app/settings/SpecWhiteMapPage.h"
#include "dialogs/MapTypeDialog.h"
#include "geology/settings/GeoSettingsTemplates.h"
#include "municipal/statistics/StatisticsDisplayDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using screenshots::Program;
using screenshots::save;
using screenshots::windowPicture;

// The line of the statistics catalogue that names the data set, or -1.
int catalogueLine(vd::DialogDriver& d, const std::string& fileName)
{
    auto& combo = dynamic_cast<vd::ComboBox&>(d.control(statisticsdisplayids::IDC_CATALOGUE));
    for (int i = 0; i < combo.GetCount(); ++i)
        if (combo.GetLBText(i).ends_with(fileName))
            return i;
    return -1;
}

} // namespace

// 地点案内 > 都道府県別データ...: 県別人口.DAT of the catalogue, pie charts of each prefecture's share,
// the prefectures filled in ten classes.
TEST(Screenshots, PrefectureStatisticsMap)
{
    Program program;
    ASSERT_TRUE(program.start());
    bool found = false;
    ASSERT_TRUE(program.choose(33286, "Surrick", CDlgLocalDataDsp::IDD, [&found](vd::DialogDriver& d) {
        const int line = catalogueLine(d, "県別人口.DAT");
        found = line >= 0;
        if (found) {
            d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, line);
            d.click(statisticsdisplayids::IDC_FIRST_KIND); // 円グラフ(構成比)
            d.click(statisticsdisplayids::IDC_TEN_CLASSES);
        }
        d.click(found ? vd::IDOK : vd::IDCANCEL);
    }));
    ASSERT_TRUE(found) << "the catalogue lists 県別人口.DAT";
    EXPECT_EQ(program.doc().position.m_nMapType, 2) << "the prefecture map shows the statistics";
    save(windowPicture(program.main), "statistics-map");
}

// 表示 > 地図の表示仕様, tab 地図: 市区町村界; then ﾌｧｲﾙ > 地図の種類 > 1/20万地勢図..., 段彩図: the sheets
// around 京都及大阪 tinted by height, with the municipality borders of 京都府 and its neighbours.
TEST(Screenshots, MunicipalitiesOfKyoto)
{
    Program program;
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.choose(32888, vd::ui::kProgramModule, CDlgMapDisplaySpec::IDD, [](vd::DialogDriver& d) {
        d.selectTab(mapspecids::IDC_TAB, 2); // 地図
        d.click(specwhitemapids::IDC_CITY_BORDER);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(program.doc().spec.m_nCityBorder, 1);
    ASSERT_TRUE(program.choose(32811, "TOVENDLG", CDlgMapType::IDD, [](vd::DialogDriver& d) {
        d.click(maptypeids::IDC_TINT_MAP);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(program.doc().position.m_nMapFigure, 1) << "the tint map, which the borders are drawn on";
    save(windowPicture(program.main), "municipalities");
}

// The legend column stands right of the map, beyond the narrow window: ﾌｧｲﾙ > 環境設定など >
// 環境設定..., tab 地図, モニターサイズ版, which the next start takes. Then 国土情報 > 自然地形メッシュ...:
// ﾌｧｲﾙ picks a GEOSYNTH file of KSJ\, tab 地形分類 without symbols, OK.
TEST(Screenshots, NaturalTerrainMeshWithItsLegend)
{
    {
        Program first;
        ASSERT_TRUE(first.start());
        ASSERT_TRUE(first.choose(32795, vd::ui::kProgramModule, CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
            d.selectTab(envsettingsids::IDC_TABS, 0); // 地図
            // The page's own radio: the dialog's start check box has the same id.
            vd::DialogDriver(dynamic_cast<CDlgEnvSettings&>(d.dialog()).m_pageMap).click(envmapids::IDC_MONITOR_SIZE);
            d.click(vd::IDOK);
        }));
        ASSERT_EQ(first.doc().environment.m_nScreen, 1);
    }
    Program program(screenshots::Folder::Kept);
    ASSERT_TRUE(program.start());
    program.run.script->answerFileDialog(program.doc().folders.m_strAppDir + "KSJ\\GEOSYNTH26.txt");
    ASSERT_TRUE(program.choose(32779, "Dovanne", geoids::kGeoSetDialog, [](vd::DialogDriver& d) {
        d.click(geoids::kFileButton);
        d.selectTab(geoids::kTabControl, 2);
        d.click(geoids::kGeoTerrainBlock + geoids::kSymbolRadio); // no symbols in the cells
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(program.doc().geology.m_nGeologyLayer, 1);
    save(windowPicture(program.main), "terrain-mesh");
}

// ﾏｯﾋﾟﾝｸﾞ > 海底地形...: 登録 picks a file of DEPTH\, 表示する, 段彩図, OK; then ﾏｯﾋﾟﾝｸﾞ > 水深中間ﾌｧｲﾙ >
// 作成(中～西日本周辺) turns the soundings into the files the tint reads, and ﾌｧｲﾙ > 地図再表示.
TEST(Screenshots, DepthTintOfTheStartArea)
{
    Program program;
    ASSERT_TRUE(program.start());
    program.run.script->answerFileDialog(program.doc().folders.m_strAppDir + "DEPTH\\DP34_135.txt");
    ASSERT_TRUE(program.choose(32813, "Ombrisk", 129, [](vd::DialogDriver& d) {
        d.click(1009); // 登録
        if (!d.isChecked(1003))
            d.click(1003); // 表示する
        d.click(1004);     // 段彩図
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(program.doc().depth.m_nSubmarineLayer, 1);
    ASSERT_TRUE(program.choose(32816) && program.waitDrawn());
    ASSERT_TRUE(program.choose(32885) && program.waitDrawn());
    save(windowPicture(program.main), "depth-tint");
}
