// The point lists that the album, route and menu dialogs share: reading with both filters, the
// packed entries, their display in each dialog's controls, and the outside editor's arguments.
#include "DialogTestSupport.h"

#include "dialogs/files/PointListFile.h"
#include "dialogs/points/ExternalEditor.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

namespace {

using namespace dialogtest;

std::vector<std::string> Entries(const PointList& list)
{
    return std::vector<std::string>(list.entry.begin(), list.entry.begin() + list.count);
}

TEST(PointList, TheFiltersKeepTheirLinesAndTheListEndsWithTheMark)
{
    WriteHomeFile("points.txt", Cp932Lines({"; 注記", "", "京都 35.0100 135.4500 寺 a.txt", "Memo 1 2 3 4",
                                            "大阪 34.4100 135.3000 城"}));
    const std::string path = HomeWin() + "points.txt";

    const PointList full = ReadPointList(path, PointListFilter::Full);
    EXPECT_EQ(Entries(full), (std::vector<std::string>{"京都#寺@a.txt$35.0100$135.4500", "大阪#城@$34.4100$135.3000"}));
    EXPECT_EQ(full.entry[2], "999");

    const PointList emptyOnly = ReadPointList(path, PointListFilter::EmptyOnly);
    ASSERT_EQ(emptyOnly.count, 4);
    EXPECT_EQ(emptyOnly.entry[0], ";#@$注記$") << "a comment is a point to this filter";
    EXPECT_EQ(emptyOnly.entry[2], "Memo#3@4$1$2");
    EXPECT_EQ(emptyOnly.entry[4], "999");

    const PointList none = ReadPointList(HomeWin() + "none.txt", PointListFilter::Full);
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.entry[0], "999");
}

TEST(PointList, ReadingStopsAfterNinetyNineLinesOfAnyLength)
{
    std::vector<std::string> lines;
    const std::string longName(3000, 'x');
    for (int n = 1; n <= 150; ++n)
        lines.push_back((n == 1 ? longName : "点" + std::to_string(n)) + " 35.0000 135.0000 項目 f.txt");
    WriteHomeFile("many.txt", Cp932Lines(lines));
    const PointList list = ReadPointList(HomeWin() + "many.txt", PointListFilter::Full);
    EXPECT_EQ(list.count, 99);
    EXPECT_EQ(list.entry[0], longName + "#項目@f.txt$35.0000$135.0000");
    EXPECT_EQ(list.entry[98], "点99#項目@f.txt$35.0000$135.0000");
    EXPECT_EQ(list.entry[99], "999");
}

TEST(PointList, PackingTakesWhatTheCutsGive)
{
    const std::pair<const char*, const char*> cases[] = {
        {"京都 35.0100 135.4500 寺 a.txt b.jpg", "京都#寺@a.txt$35.0100$135.4500$b.jpg"},
        {"京都 35.0100 135.4500 寺 a.txt C:\\My Pictures\\b.jpg", "京都#寺@a.txt$35.0100$135.4500$C:\\My Pictures\\b.jpg"},
        {"京都 35.0100 135.4500 寺 a.txt ", "京都#寺@a.txt$35.0100$135.4500$"},
        {"京都 35.0100 135.4500 寺", "京都#寺@$35.0100$135.4500"},
        {"京都 35.0100", "京都#@$35.0100$"},
        {"京都", "京都#@$$"},
        {"", "#@$$"},
    };
    for (const auto& [line, entry] : cases)
        EXPECT_EQ(PackPointLine(line), entry) << line;
}

TEST(PointList, APictureInTheFirstPlaceIsShownAsThePicture)
{
    struct Case {
        const char* line;
        const char* textFile;
        const char* pictureFile;
    } cases[] = {
        {"京都 35.0100 135.4500 寺 a.txt b.jpg", "a.txt", "b.jpg"},
        {"京都 35.0100 135.4500 寺 b.jpg a.txt", "a.txt", "b.jpg"},
        {"京都 35.0100 135.4500 寺 photo.JPG", "", "photo.JPG"},
        {"京都 35.0100 135.4500 寺 http://x/a.htm", "http://x/a.htm", ""},
        {"京都 35.0100 135.4500 寺 scan.PCD.txt", "", "scan.PCD.txt"},
    };
    for (const Case& c : cases) {
        const PointEntryFields fields = SplitPointEntry(PackPointLine(c.line));
        EXPECT_EQ(fields.textFile, c.textFile) << c.line;
        EXPECT_EQ(fields.pictureFile, c.pictureFile) << c.line;
        EXPECT_EQ(fields.name, "京都");
        EXPECT_EQ(fields.item, "寺");
        EXPECT_EQ(fields.latitude, "35.0100");
        EXPECT_EQ(fields.longitude, "135.4500");
    }
    for (const char* name : {"a.bmp", "A.GIF", "x.pic", "y.jpg.bak"})
        EXPECT_TRUE(IsPictureFile(name)) << name;
    for (const char* name : {"a.txt", "jpg", "a.jpeg", ""})
        EXPECT_FALSE(IsPictureFile(name)) << name;
}

// A dialog with the detail controls of one of the list dialogs.
vd::ui::DialogTemplate DetailTemplate(int id, const PointEntryControls& c)
{
    vd::ui::DialogTemplate t;
    t.id = id;
    for (int control : {c.name, c.item, c.latitude, c.longitude, c.textFile, c.pictureFile, c.position})
        if (control != 0)
            t.controls.push_back(vd::ui::ltext(control, "?"));
    t.controls.push_back(vd::ui::defPushButton(vd::IDOK, "OK"));
    return t;
}

TEST(PointList, EachDialogShowsTheEntryInItsOwnControls)
{
    vd::ui::Script::install();
    struct Case {
        int templateId;
        PointEntryControls controls;
    } cases[] = {{9149, kPointListControls}, {9157, kRouteChoiceControls}, {9147, kAlbumUpdateControls}};
    WriteHomeFile("points.txt", Cp932Lines({"京都 35.0100 135.4500 寺 b.jpg a.txt", "大阪 34.4100 135.3000 城"}));
    const PointList list = ReadPointList(HomeWin() + "points.txt", PointListFilter::Full);

    for (const Case& c : cases) {
        vd::ui::registerTemplates(vd::ui::kProgramModule, {DetailTemplate(c.templateId, c.controls)});
        vd::Dialog dialog(c.templateId);
        ASSERT_TRUE(dialog.Create(c.templateId));
        vd::DialogDriver d(dialog);
        ShowPointCount(dialog, list, c.controls);
        EXPECT_EQ(d.text(c.controls.position), "2件");
        ShowPointEntry(dialog, list, 0, c.controls);
        EXPECT_EQ(d.text(c.controls.name), "京都");
        EXPECT_EQ(d.text(c.controls.item), "寺");
        EXPECT_EQ(d.text(c.controls.textFile), "a.txt");
        EXPECT_EQ(d.text(c.controls.pictureFile), "b.jpg");
        if (c.controls.latitude != 0) {
            EXPECT_EQ(d.text(c.controls.latitude), "35.0100");
            EXPECT_EQ(d.text(c.controls.longitude), "135.4500");
        }
        ShowPointEntry(dialog, list, 1, c.controls);
        ShowPointPosition(dialog, list, 1, c.controls);
        EXPECT_EQ(d.text(c.controls.name), "大阪");
        EXPECT_EQ(d.text(c.controls.textFile), "");
        EXPECT_EQ(d.text(c.controls.pictureFile), "");
        EXPECT_EQ(d.text(c.controls.position), "2/2");
        ShowPointEntry(dialog, list, 2, c.controls);
        EXPECT_EQ(d.text(c.controls.name), "") << "the end mark is no entry";
        dialog.DestroyWindow();
    }
}

TEST(PointList, TheOutsideEditorGetsTheFileAsItsArgument)
{
    auto script = vd::ui::Script::install();
    const std::string editor = vd::ui::toWindowsForm("/bin/sh");
    EXPECT_TRUE(RunExternalEditor(editor, HomeWin() + "SOURCE\\MENUFILE.DAT"));
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"/bin/sh", (Home() / "SOURCE/MENUFILE.DAT").string()}));
    EXPECT_TRUE(script->messageBoxes().empty()) << "the editor ran its time";

    // An editor that hands the file to a running instance returns at once: the user says when.
    script->answerProcess({true, 0, 200});
    EXPECT_TRUE(RunExternalEditor(editor, HomeWin() + "a.txt"));
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, vd::ui::kEditDoneMessage);
}

} // namespace
