// The user-data files that a new application folder starts with, as the dialog library reads
// them: an empty catalogue, a common area of three sample points (a picture, a text and an
// album of three pages) and eight item menus with one sample entry in text menu 1 and one in
// picture menu 1.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/DataFilesDialog.h"
#include "dialogs/files/BinderFile.h"
#include "dialogs/files/MenuFileCounts.h"
#include "dialogs/files/MenuFileEntries.h"
#include "dialogs/files/PointListFile.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

namespace {

using namespace dialogtest;

TEST(BundledUserData, ReadsAsEmptyListsAndTwoSampleMenuEntries)
{
    namespace fs = std::filesystem;
    fs::copy(VD_SAMPLE_DATA_DIR "/SOURCE", Home() / "SOURCE", fs::copy_options::recursive);
    fs::copy(VD_SAMPLE_DATA_DIR "/GUIDEMAP", Home() / "GUIDEMAP", fs::copy_options::recursive);
    const std::string source = HomeWin() + "SOURCE\\";

    EXPECT_TRUE(ReadBinderTitles(source + "BINDER.DAT").empty());
    EXPECT_EQ(ReadPointList(source + "history.dat", PointListFilter::Full).count, 3);
    fs::copy(VD_SAMPLE_DATA_DIR "/ALBUM", Home() / "ALBUM", fs::copy_options::recursive);
    const PointList album = ReadPointList(HomeWin() + "ALBUM\\MIHON.alb", PointListFilter::Full);
    EXPECT_EQ(album.count, 3);
    EXPECT_EQ(album.entry[0], "丘の絵#見本の画像@@:PICT\\HILLS.BMP$34.4100$135.3100$@:PICT\\HILLS.TXT");
    EXPECT_EQ(ReadPointList(HomeWin() + "GUIDEMAP\\GUIDEMAP.DAT", PointListFilter::Full).count, 0);
    EXPECT_EQ(CountMenuFileEntries(source + "MENUFILE.DAT"), (std::vector<int>{1, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(ReadItemMenu(source + "MENUFILE.DAT", 0)[0].target, "@:TEXT\\TERA.TXT");
    EXPECT_EQ(ReadItemMenu(source + "MENUFILE.DAT", 5)[0].target, "@:PICT\\HILLS.BMP");

    // A title registered in the bundled catalogue follows its comment header.
    auto script = vd::ui::Script::install();
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        d.setText(datafilesids::IDC_NEW_TITLE, "最初の資料");
        d.click(datafilesids::IDC_REGISTER);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(EntryPoint<OnDataSourceSet_fn>("OnDataSourceSet")(0, "off", source), "1|off|最初の資料");
    std::ifstream in(VD_SAMPLE_DATA_DIR "/SOURCE/BINDER.DAT", std::ios::binary);
    const std::string header(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(ReadHomeFile("SOURCE/BINDER.DAT"), header + Cp932Lines({"最初の資料"}));
}

} // namespace
