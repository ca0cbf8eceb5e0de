// The format viewer as the program opens it: through Pelmora's export, answered by the script.
#include "contracts/pelmora.h"
#include "layers/settings/format/FormatDialog.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class FormatViewer : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        format = vd::entryPoint<OnDlgDdFormat_fn>("Pelmora.DLL", "OnDlgDdFormat");
        ASSERT_NE(format, nullptr);
        WriteBytes(HomeFolder() / "ksj" / "p01.htm", "<html></html>");
        WriteBytes(HomeFolder() / "DDDPFILE.DAT",
                   vd::utf8ToCp932("T1_1=役場\r\nF1_1=" + WinPathOf("KSJ\\P01.TXT") +
                                   "\r\nT1_2=学校\r\nF1_2=" + WinPathOf("KSJ\\P29.TXT") + "\r\n"));
    }
    static std::string Flags(std::initializer_list<int> on)
    {
        std::string text;
        for (int i = 0; i < 102; ++i)
            text += (std::find(on.begin(), on.end(), i) != on.end() ? "1" : "0") + std::string("|");
        return text;
    }
    std::shared_ptr<vd::ui::Script> script;
    OnDlgDdFormat_fn* format = nullptr;
};

std::vector<std::string> ListItems(const vd::DialogDriver& d)
{
    std::vector<std::string> items;
    auto* list = d.dialog().item<vd::ListBox>(CDlgDdFormat::kList);
    for (int i = 0; list && i < list->GetCount(); ++i)
        items.push_back(list->GetText(i));
    return items;
}

} // namespace

TEST_F(FormatViewer, TheListShowsEachDataSetAndADoubleClickWaitsForTheViewer)
{
    script->answerDialog("Pelmora", CDlgDdFormat::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "ﾌｫｰﾏｯﾄﾌｧｲﾙを開く");
        EXPECT_EQ(ListItems(d), (std::vector<std::string>{"役場", "学校"}));
        EXPECT_EQ(d.text(CDlgDdFormat::kHint), "ﾃﾞｰﾀを選んで\r\nﾀﾞﾌﾞﾙｸﾘｯｸ！");
        d.doubleClickList(CDlgDdFormat::kList, 0);
        d.click(vd::IDOK);
    });
    format(Flags({45, 46}), vd::applicationFolder(), "/usr/bin/viewer");
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0],
              (std::vector<std::string>{"/usr/bin/viewer", (HomeFolder() / "ksj" / "p01.htm").string()}));
    EXPECT_TRUE(script->desktopOpens().empty());
}

TEST_F(FormatViewer, ASingleDataSetOpensAtOnceAndTheHintComesBack)
{
    script->answerDialog("Pelmora", CDlgDdFormat::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(ListItems(d), (std::vector<std::string>{"学校"}));
        EXPECT_EQ(d.text(CDlgDdFormat::kHint), "ﾌｫｰﾏｯﾄﾌｧｲﾙを\r\n開いています！");
        ASSERT_EQ(script->desktopOpens().size(), 1u);
        d.doubleClickList(CDlgDdFormat::kList, 0);
        EXPECT_EQ(d.text(CDlgDdFormat::kHint), "ﾃﾞｰﾀを選んで\r\nﾀﾞﾌﾞﾙｸﾘｯｸ！");
        d.click(vd::IDOK);
    });
    format(Flags({46}), vd::applicationFolder(), "");
    // Without a viewer both openings go to the desktop's handler.
    ASSERT_EQ(script->desktopOpens().size(), 2u);
    EXPECT_TRUE(script->processes().empty());
}

TEST_F(FormatViewer, NoDataSetGivesAnEmptyList)
{
    script->answerDialog("Pelmora", CDlgDdFormat::IDD, [&](vd::DialogDriver& d) {
        EXPECT_TRUE(ListItems(d).empty());
        d.click(vd::IDOK);
    });
    format(Flags({}), vd::applicationFolder(), "");
    EXPECT_TRUE(script->desktopOpens().empty());
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgDdFormat::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->fontFace, "ＭＳ Ｐゴシック");
    EXPECT_EQ(t->place->x, 390);
    EXPECT_EQ(t->place->cy, 148);
    EXPECT_TRUE(t->control(CDlgDdFormat::kList)->style & vd::LBS_NOINTEGRALHEIGHT);
}
