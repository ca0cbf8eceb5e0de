// Commands that used to draw nothing and say nothing, as a user meets them through the menus:
// the land-classification mesh switched on without its data file, and a prefecture statistics
// data set that cannot be read (the default catalogue's 甲子園82.DAT is not bundled). Each names
// what is missing in a message and draws nothing from it.
#include "MainWindowFixture.h"

#include "geology/settings/GeoSettingsTemplates.h"
#include "municipal/statistics/StatisticsDisplayDialog.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DialogDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kLandClassSettings = 32825;
constexpr int kStatisticsDisplay = 33286;

// The text of the last message box, or "" when none was shown since `before` boxes.
std::string MessageSince(MainWindow& w, std::size_t before)
{
    const auto& boxes = w.run.script->messageBoxes();
    return boxes.size() > before ? boxes.back().text : std::string();
}

// Chooses the command and waits until its dialog was answered and the map drawn again.
bool ChooseAndSettle(MainWindow& w, int command, const bool& answered)
{
    return ChooseFromMenus(w.bar(), command) && waitFor([&] { return answered; }) &&
           waitFor([&] { return !w.repaintPending(); });
}

} // namespace

TEST(SilentCommands, LandClassificationWithoutItsDataFileSaysSoAndStaysOff)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    const std::filesystem::path file = vd::applicationFolderPath() / "landclass.txt";
    std::ofstream(file) << "\n";
    struct Case {
        const char* what;
        bool chooseFile;
        bool removeFile;
        std::string message;
    };
    const Case cases[] = {
        {"no file chosen", false, false, "土地分類ﾒｯｼｭのデータファイルが選ばれていません。\n「ﾌｧｲﾙ」で選んでください。"},
        // The dialog takes the chosen path in lower case.
        {"a file gone since it was chosen", true, true,
         "土地分類ﾒｯｼｭのデータファイル " + vd::toLowerAscii(vd::applicationFolder()) + "landclass.txt がありません。\n「ﾌｧｲﾙ」で選んでください。"},
    };
    for (const Case& c : cases) {
        if (c.chooseFile)
            w.run.script->answerFileDialog(vd::applicationFolder() + "landclass.txt");
        // OK with the layer switch on, as the dialog opens.
        bool answered = false;
        w.run.script->answerDialog("Dovanne", geoids::kNtrSetDialog, [&](vd::DialogDriver& d) {
            answered = true;
            EXPECT_TRUE(d.isChecked(geoids::kLayerSwitch));
            if (c.chooseFile)
                d.click(geoids::kFileButton);
            if (c.removeFile)
                std::filesystem::remove(file);
            d.click(vd::IDOK);
        });
        const std::size_t before = w.run.script->messageBoxes().size();
        ASSERT_TRUE(ChooseAndSettle(w, kLandClassSettings, answered)) << c.what;
        EXPECT_EQ(MessageSince(w, before), c.message) << c.what;
        EXPECT_EQ(w.doc().geology.m_nLandClassLayer, 0) << c.what << ": nothing is drawn from it";
    }
}

TEST(SilentCommands, AStatisticsSetThatCannotBeReadIsNamedAndDrawsNothing)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    const std::string elements = vd::applicationFolder() + "MAPELMNT\\";
    // The default catalogue: 甲子園82.DAT (not bundled), 県別人口.DAT, 県別面積.DAT.
    const auto choose = [&](int row) {
        bool answered = false;
        w.run.script->answerDialog("Surrick", CDlgLocalDataDsp::IDD, [row, &answered](vd::DialogDriver& d) {
            answered = true;
            if (row >= 0)
                d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, row);
            d.click(vd::IDOK);
        });
        return ChooseAndSettle(w, kStatisticsDisplay, answered);
    };

    std::size_t before = w.run.script->messageBoxes().size();
    ASSERT_TRUE(choose(0));
    EXPECT_EQ(MessageSince(w, before), elements + "甲子園82.DAT を開けません。");
    EXPECT_EQ(w.doc().statistics.m_nShow, -1) << "nothing shown from it";

    ASSERT_TRUE(choose(1));
    ASSERT_EQ(w.doc().statistics.m_nShow, 1);
    ASSERT_EQ(w.doc().statistics.m_strPrefDataFile, elements + "県別人口.DAT");
    const QImage shown = w.shown();

    // The set goes away; OK with it still chosen keeps the map as it was.
    std::filesystem::remove(vd::applicationFolderPath() / "MAPELMNT" / "県別人口.DAT");
    before = w.run.script->messageBoxes().size();
    ASSERT_TRUE(choose(-1));
    EXPECT_EQ(MessageSince(w, before),
              "都道府県別データのファイル " + elements + "県別人口.DAT を開けません。\n地図は変わりません。");
    EXPECT_EQ(w.shown(), shown);
}
