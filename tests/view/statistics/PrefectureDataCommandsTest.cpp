// The prefecture statistics as the user reaches them, with the built Surrick and the bundled
// data: 都道府県別データ(&Y)... (Ctrl+Y's command) opens the settings dialog, the user picks the
// population set and a class count, and the map drawn afterwards has that many legend classes;
// button 324 then lists the ranking, and 登録... and 更新... open Surrick's entry and editing
// dialogs.
#include "tests/view/MapViewFixture.h"

#include "app/statistics/DataListDialog.h"
#include "municipal/statistics/PrefectureDataEditDialog.h"
#include "municipal/statistics/PrefectureDataEntryDialog.h"
#include "municipal/statistics/StatisticsDisplayDialog.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PrefectureDataCommands : public viewtest::MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so"));
        const fs::path home = doctest::Home();
        const fs::path data = VD_SAMPLE_DATA_DIR;
        for (const char* name : {"Coast_JB/PRFCT_RK.DAT", "Coast_JB/JILSPFTR.DAT", "Coast_JB/BN_JMAPA.DAT",
                                 "Coast_JB/FEBORDER.DAT", "MAPELMNT/都道府県.DAT", "MAPELMNT/県別人口.DAT",
                                 "MAPELMNT/県別面積.DAT", "FarEast.DAT"}) {
            fs::create_directories((home / name).parent_path());
            fs::copy_file(data / name, home / name, fs::copy_options::overwrite_existing);
        }
        homeWin = vd::toWindowsPath(home.string()).value_or("") + "\\";
        std::ofstream(home / "MAPELMNT/PfctrFl.dat", std::ios::binary)
            << vd::utf8ToCp932(homeWin + "MAPELMNT\\県別面積.DAT\r\n" + homeWin + "MAPELMNT\\県別人口.DAT\r\n");
    }
    void ShowWholeCountry()
    {
        doc->folders.m_strAppDir = homeWin;
        doc->folders.m_strCoastDir = homeWin + "Coast_JB\\";
        doc->position.m_nPrefectureSel = 0;
        doc->m_nClipIndexMap = 0;
    }
    vd::COLORREF Swatch(int row, int classes) const
    {
        return picture->GetPixel(kWidth - 145, kHeight - 239 + 21 * (row - classes) + 8);
    }

    std::string homeWin;
};

TEST_F(PrefectureDataCommands, ChosenSetIsRankedAndDrawnWithTheChosenClassCount)
{
    PastFirstPaint();
    ShowWholeCountry();
    struct Case {
        int classRadio;
        int classes;
        vd::COLORREF first, last;
    };
    for (const Case& c :
         {Case{statisticsdisplayids::IDC_TEN_CLASSES, 10, vd::RGB(128, 0, 255), vd::RGB(128, 64, 64)},
          Case{statisticsdisplayids::IDC_FIVE_CLASSES, 5, vd::RGB(0, 255, 255), vd::RGB(255, 128, 255)}}) {
        std::string caption;
        script->answerDialog("Surrick", CDlgLocalDataDsp::IDD, [&](vd::DialogDriver& d) {
            caption = d.caption();
            d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, 1);
            d.click(c.classRadio);
            d.click(vd::IDOK);
        });
        ASSERT_TRUE(frame->ExecuteCommand(ID_PREFECTURE_DATA));
        EXPECT_EQ(caption, "都道府県別データ表示");
        EXPECT_EQ(doc->statistics.m_strPrefDataFile, homeWin + "MAPELMNT\\県別人口.DAT");
        EXPECT_EQ(doc->position.m_nMapType, 2);
        EXPECT_EQ(doc->m_nMapDisplayMode, 5);
        EXPECT_EQ(doc->ranking.m_anPrefRank[0][0], 12) << "東京都 has the most people";
        picture->FillSolidRect(0, 0, kWidth, kHeight, vd::RGB(1, 2, 3));
        Repaint();
        EXPECT_EQ(Swatch(0, c.classes), c.first) << c.classes;
        EXPECT_EQ(Swatch(c.classes - 1, c.classes), c.last) << c.classes;
    }

    // Button 324 lists the ranking, largest first after one press.
    std::vector<std::string> lines;
    script->answerDialog(CDlgDistanceList::IDD, [&](vd::DialogDriver& d) {
        d.click(datalistids::IDC_SORT);
        auto& list = dynamic_cast<vd::ListBox&>(d.control(datalistids::IDC_LIST));
        for (int i = 0; i < list.GetCount(); ++i)
            lines.push_back(list.GetText(i));
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->ExecuteCommand(324));
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[2].rfind(" 1 東京都 ", 0), 0u) << lines[2];
}

TEST_F(PrefectureDataCommands, EntryAndEditingOpenSurricksDialogs)
{
    ShowWholeCountry();
    script->answerDialog("Surrick", CDlgLclDataRgst::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    script->answerDialog("Surrick", CDlgLclDataUpdt::IDD, [](vd::DialogDriver& d) {
        auto& combo = dynamic_cast<vd::ComboBox&>(d.control(prefecturedataeditids::IDC_CATALOGUE));
        EXPECT_EQ(combo.GetCount(), 2);
        d.click(vd::IDCANCEL);
    });
    ASSERT_TRUE(frame->ExecuteCommand(33284));
    ASSERT_TRUE(frame->ExecuteCommand(33285));
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{229, 230}));
    EXPECT_TRUE(script->unanswered().empty());
}

// 更新 with an editor set that is not installed names that program, rather than saying none is set.
TEST_F(PrefectureDataCommands, AnEditorThatCannotStartIsNamed)
{
    ShowWholeCountry();
    doc->environment.m_strEditor = "xdg-open";
    const std::string path = getenv("PATH") ? getenv("PATH") : "";
    setenv("PATH", (doctest::Home() / "no-programs").c_str(), 1);
    unsetenv("VISUAL");
    unsetenv("EDITOR");
    script->answerProcess({false, -1, 0});
    script->answerDialog("Surrick", CDlgLclDataUpdt::IDD,
                         [](vd::DialogDriver& d) { d.click(prefecturedataeditids::IDC_EDIT_CATALOGUE); });
    EXPECT_TRUE(frame->ExecuteCommand(33285));
    setenv("PATH", path.c_str(), 1);
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0].front(), "xdg-open");
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "プログラムを起動できません: xdg-open");
}

} // namespace
