// The text display and the memo, opened through their entry points: captions, the path under
// the text, the "999" end mark and the memo section, the head of a file, the memo's place.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/TextDisplayDialog.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

namespace {

using namespace dialogtest;

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back("行" + std::to_string(n));
    return lines;
}

std::string CrLfJoined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class TextAndMemo : public ::testing::Test {
protected:
    void SetUp() override { script = vd::ui::Script::install(); }
    std::shared_ptr<vd::ui::Script> script;
};

TEST_F(TextAndMemo, TextDisplayShowsTheFileUpToItsEndMark)
{
    auto* show = EntryPoint<OnTextDisplayDaialog_fn>("OnTextDisplayDaialog");
    ASSERT_NE(show, nullptr);
    WriteHomeFile("ended.txt", Cp932Lines({"一行目", "二行目", "三行目", "999", "見えない行"}));
    WriteHomeFile("forty.txt", Cp932Lines(Numbered(40)));
    const std::string ended = HomeWin() + "ended.txt";
    const std::string forty = HomeWin() + "forty.txt";

    struct Seen {
        std::string caption, path, text;
    };
    std::vector<Seen> seen;
    auto record = [&](vd::DialogDriver& d) {
        seen.push_back({d.caption(), d.text(textdisplayids::IDC_PATH), d.text(textdisplayids::IDC_TEXT)});
    };
    script->answerDialog(kModule, CDlgTextDisplay::IDD, [&](vd::DialogDriver& d) {
        record(d);
        d.setText(textdisplayids::IDC_TEXT, "書き換え");
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgTextDisplay::IDD, [&](vd::DialogDriver& d) {
        record(d);
        d.pressEscape();
    });
    script->answerDialog(kModule, CDlgTextDisplay::IDD, [&](vd::DialogDriver& d) {
        record(d);
        d.closeBox();
    });
    show(ended, "名前", "題名");
    show(forty, "", "");
    show(HomeWin() + "none.txt", "無い", "ファイル");

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].caption, "名前 題名");
    EXPECT_EQ(seen[0].path, ended);
    EXPECT_EQ(seen[0].text, "一行目\r\n二行目\r\n三行目\r\n") << "a \"999\" fourth line shows three lines";
    EXPECT_EQ(seen[1].caption, " ") << "nothing of the first call is left";
    EXPECT_EQ(seen[1].text, CrLfJoined(Numbered(40)));
    EXPECT_EQ(seen[2].path, HomeWin() + "none.txt");
    EXPECT_EQ(seen[2].text, "") << "a missing file shows an empty box";
    EXPECT_EQ(vd::ui::currentModule(), vd::ui::kProgramModule);
}

TEST_F(TextAndMemo, MemoShowsTheMemoSectionTheHeadOfAFileOrTheCallersText)
{
    auto* memo = EntryPoint<OnMemoDisplay_fn>("OnMemoDisplay");
    ASSERT_NE(memo, nullptr);
    WriteHomeFile("memo.txt", Cp932Lines({"本文", "999", "連絡先", "", "999", "電話 03-0000-0000"}));
    WriteHomeFile("plain.txt", Cp932Lines({"本文だけ", "二行目"}));
    WriteHomeFile("forty.txt", Cp932Lines(Numbered(40)));

    struct Case {
        int mode;
        std::string file;
        std::string text;
        std::string shown;
    } cases[] = {
        // Every line after the first "999" but the other "999" lines.
        {1, "memo.txt", "", "=====  =====\r\n連絡先\r\n\r\n電話 03-0000-0000\r\n"},
        {1, "plain.txt", "", "=====  =====\r\n"},
        {2, "forty.txt", "", "=====  =====\r\n" + CrLfJoined(Numbered(16))},
        {2, "none.txt", "", "=====  =====\r\n"},
        {0, "memo.txt", "呼び出し側の\r\n文", "呼び出し側の\r\n文"},
        {7, "", "", ""},
    };
    std::vector<std::string> shown, paths, captions;
    for (const Case& c : cases) {
        script->answerDialog(kModule, CDlgMemo::IDD, [&](vd::DialogDriver& d) {
            captions.push_back(d.caption());
            shown.push_back(d.text(memoids::IDC_MEMO_TEXT));
            paths.push_back(d.text(memoids::IDC_MEMO_PATH));
            d.click(vd::IDOK);
        });
        memo(c.mode, 0, c.file.empty() ? "" : HomeWin() + c.file, c.text);
    }
    ASSERT_EQ(shown.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(shown[i], cases[i].shown) << i;
        EXPECT_EQ(paths[i], cases[i].file.empty() ? "" : HomeWin() + cases[i].file) << i;
        EXPECT_EQ(captions[i], "    メモ（連絡先／画像説明）") << i;
    }
}

TEST_F(TextAndMemo, MemoMovesToTheCallersPlaceAndClosesWithEscapeOrTheCloseBox)
{
    auto* memo = EntryPoint<OnMemoDisplay_fn>("OnMemoDisplay");
    ASSERT_NE(memo, nullptr);
    std::vector<vd::ui::Rect> places;
    std::vector<bool> ended;
    script->answerDialog(kModule, CDlgMemo::IDD, [&](vd::DialogDriver& d) {
        places.push_back(d.dialog().GetWindowRect());
        d.pressEscape();
        ended.push_back(d.ended());
    });
    script->answerDialog(kModule, CDlgMemo::IDD, [&](vd::DialogDriver& d) {
        places.push_back(d.dialog().GetWindowRect());
        d.closeBox();
        ended.push_back(d.ended());
    });
    memo(0, 300, "", "右下");
    memo(0, 0, "", "既定の場所");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].left, 300);
    EXPECT_EQ(places[0].top, 560);
    EXPECT_NE(places[1].top, 560) << "position 0 leaves the memo where the template puts it";
    EXPECT_EQ(ended, (std::vector<bool>{true, true}));
    EXPECT_TRUE(script->unanswered().empty());
}

} // namespace
