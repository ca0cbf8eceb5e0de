// The two submarine settings dialogs answered through the vd::ui script: what they show, what
// each control does to the answer, and the folder picked with "登録".
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "submarine/OmbriskModule.h"
#include "submarine/SubmarineSettingsDialog.h"

#include <gtest/gtest.h>

#include <functional>

using namespace submarinetest;
namespace fs = std::filesystem;

namespace {

using Actions = std::function<void(vd::DialogDriver&)>;

// The larger dialog, with relief and contours, and the smaller one.
const SubmarineSettingsLayout& kTravel = kSubmarineTravelLayout;
const SubmarineSettingsLayout& kSheet = kSubmarineSheetLayout;

struct Call {
    int show, method, relief, contour;
    std::string folder;
};

std::string RunTvl(const Call& call) { return OnSubmarineTvlSet(call.show, call.method, call.relief, call.contour, call.folder); }
std::string RunSet(const Call& call) { return OnSubmarineSet(call.show, call.method, call.relief, call.contour, call.folder); }

} // namespace

TEST(SubmarineSettings, EachControlChangesItsField)
{
    struct Case {
        const char* what;
        bool larger;
        Call call;
        Actions actions;
        std::string expected;
    };
    auto ok = [](vd::DialogDriver& d) { d.click(vd::IDOK); };
    const Case cases[] = {
        {"as passed", true, {1, 2, 1, 0, "D:\\sea\\"}, ok, "1|2|1|0|0|D:\\sea\\"},
        {"toggles and a radio",
         true,
         {1, 2, 1, 0, "D:\\sea\\"},
         [](vd::DialogDriver& d) {
             d.click(kTravel.show);
             d.click(kTravel.relief);
             d.click(kTravel.contour);
             d.click(kTravel.firstMethod + 1);
             d.click(vd::IDOK);
         },
         "0|1|0|1|0|D:\\sea\\"},
        {"a value other than 0 toggles to 0",
         true,
         {7, 0, 5, 0, ""},
         [](vd::DialogDriver& d) {
             d.click(kTravel.show);
             d.click(kTravel.relief);
             d.click(vd::IDOK);
         },
         "0|0|0|0|0|"},
        {"method 4 stays 4", true, {0, 4, 0, 0, ""}, ok, "0|4|0|0|0|"},
        {"a typed folder",
         true,
         {0, 0, 0, 0, "D:\\sea\\"},
         [](vd::DialogDriver& d) {
             d.setText(kTravel.folder, "E:\\depth\\");
             d.click(vd::IDOK);
         },
         "0|0|0|0|0|E:\\depth\\"},
        {"cancel", true, {1, 1, 1, 1, "D:\\sea\\"}, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); }, ""},
        {"the smaller dialog: relief and contours 0", false, {1, 3, 1, 1, "D:\\sea\\"}, ok, "1|3|0|0|0|D:\\sea\\"},
        {"the smaller dialog's controls",
         false,
         {0, 3, 0, 0, ""},
         [](vd::DialogDriver& d) {
             d.click(kSheet.show);
             d.click(kSheet.firstMethod);
             d.setText(kSheet.folder, "F:\\x\\");
             d.click(vd::IDOK);
         },
         "1|0|0|0|0|F:\\x\\"},
        {"the smaller dialog's cancel",
         false,
         {0, 3, 0, 0, ""},
         [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto script = vd::ui::Script::install();
        script->answerDialog(kOmbriskModule, c.larger ? kTravel.templateId : kSheet.templateId, c.actions);
        EXPECT_EQ(c.larger ? RunTvl(c.call) : RunSet(c.call), c.expected);
        EXPECT_TRUE(script->unanswered().empty());
    }
}

TEST(SubmarineSettings, OpensWithTheSettingsShown)
{
    struct Case {
        int templateId;
        Call call;
        std::vector<int> checked, unchecked;
    };
    const Case cases[] = {
        {kTravel.templateId,
         {1, 2, 1, 0, "D:\\sea\\"},
         {kTravel.show, kTravel.firstMethod + 2, kTravel.relief},
         {kTravel.firstMethod, kTravel.firstMethod + 1, kTravel.firstMethod + 3, kTravel.contour}},
        {kTravel.templateId,
         {0, 4, 0, 1, ""},
         {kTravel.contour},
         {kTravel.show, kTravel.firstMethod, kTravel.firstMethod + 1, kTravel.firstMethod + 2, kTravel.firstMethod + 3,
          kTravel.relief}},
        {kSheet.templateId,
         {1, 0, 1, 1, "D:\\sea\\"},
         {kSheet.show, kSheet.firstMethod},
         {kSheet.firstMethod + 1, kSheet.firstMethod + 2, kSheet.firstMethod + 3}},
    };
    for (const Case& c : cases) {
        auto script = vd::ui::Script::install();
        bool seen = false;
        script->answerDialog(kOmbriskModule, c.templateId, [&](vd::DialogDriver& d) {
            seen = true;
            EXPECT_EQ(d.caption(), "海底地形（500mメッシュ水深データ）");
            for (int id : c.checked)
                EXPECT_TRUE(d.isChecked(id)) << id;
            for (int id : c.unchecked)
                EXPECT_FALSE(d.isChecked(id)) << id;
            EXPECT_EQ(d.text(c.templateId == kTravel.templateId ? kTravel.folder : kSheet.folder), c.call.folder);
            d.click(vd::IDCANCEL);
        });
        c.templateId == kTravel.templateId ? RunTvl(c.call) : RunSet(c.call);
        EXPECT_TRUE(seen);
    }
}

TEST(SubmarineSettings, PickingAFileNamesItsFolderAndMakesSeaFloorAtOnce)
{
    const Folder depth = MakeFolder("bundled depth");
    WriteBytes(depth.linux / "DP34_135.txt", "1 34.5 135.5 12\r\n");
    auto script = vd::ui::Script::install();

    // Cancelled file dialog: nothing changes. Then a file: its folder, and SeaFloor\ made at once,
    // even though the settings are then cancelled.
    script->cancelFileDialog();
    script->answerFileDialog(depth.win + "DP34_135.txt");
    script->answerDialog(kOmbriskModule, kTravel.templateId, [&](vd::DialogDriver& d) {
        d.click(kTravel.pick);
        EXPECT_EQ(d.text(kTravel.folder), "D:\\old\\");
        d.click(kTravel.pick);
        EXPECT_EQ(d.text(kTravel.folder), depth.win);
        EXPECT_TRUE(fs::is_directory(depth.linux / "SeaFloor"));
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(RunTvl({1, 0, 0, 0, "D:\\old\\"}), "");
    EXPECT_TRUE(fs::is_directory(depth.linux / "SeaFloor"));
    EXPECT_EQ(script->beeps(), 2);
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_EQ(asked.initialFolder, "D:\\old\\") << "the folder the dialog shows";
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.initialName, "*.txt");
    EXPECT_EQ(asked.filter, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_NE(asked.flags & vd::OFN_FILEMUSTEXIST, 0u);

    // An existing folder of another case stays the one folder; OK answers the picked folder.
    fs::remove_all(depth.linux / "SeaFloor");
    fs::create_directories(depth.linux / "SEAFLOOR");
    script->answerFileDialog(depth.win + "DP34_135.txt");
    script->answerDialog(kOmbriskModule, kSheet.templateId, [](vd::DialogDriver& d) {
        d.click(kSheet.pick);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(RunSet({1, 0, 0, 0, ""}), "1|0|0|0|0|" + depth.win);
    int folders = 0;
    for (const auto& entry : fs::directory_iterator(depth.linux))
        folders += entry.is_directory();
    EXPECT_EQ(folders, 1);
}
