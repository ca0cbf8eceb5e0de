// The header of the chosen seismic data file as dialog 134 shows it: the entry's name and path, a
// rule, and the data file's lines down to the marker of its kind.
#include "contracts/halvette.h"
#include "platform/text/Cp932.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicFileFormatDialog.h"
#include "seismic/settings/SeismicFileHeader.h"
#include "tests/seismic/SeismicFixtures.h"

#include <gtest/gtest.h>

using namespace seismicfixtures;

namespace {

const std::string kRule = "－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－\r\n";

struct Fixture {
    std::filesystem::path linux = Home() / "app";
    std::string win = WinFolder(linux);
    std::string data = win + "data\\";

    Fixture()
    {
        WriteFile(linux / "SEISFILE.DAT", vd::utf8ToCp932(";header\r\n確率=" + data + "p_ps.csv\r\n"
                                                          "先頭=" + data + "first_ps.csv\r\n"
                                                          "無し=" + data + "gone_ps.csv\r\n"
                                                          "印なし=" + data + "plain_ps.csv\r\n"));
        WriteFile(linux / "FLTFILE.DAT", vd::utf8ToCp932("断層=" + data + "s.csv\r\n" + data + "bare.csv\r\n"));
        WriteFile(linux / "data" / "p_ps.csv", vd::utf8ToCp932("# 確率論的\r\n# META\r\n# CODE,PS\r\n1,2\r\n"));
        WriteFile(linux / "data" / "first_ps.csv", "# CODE\r\n# more\r\n");
        WriteFile(linux / "data" / "plain_ps.csv", "a\nb");
        WriteFile(linux / "data" / "s.csv", vd::utf8ToCp932("# 震源\r\n# COD\r\n# XPOS,YPOS\r\n1\r\n"));
        WriteFile(linux / "data" / "bare.csv", "# XPO\r\n");
    }
    std::string Title(const std::string& name, const std::string& file) const
    {
        return "名称：" + name + "\r\nﾌｧｲﾙ：" + file + "\r\n" + kRule;
    }
};

} // namespace

TEST(SeismicFileFormat, HeaderDownToTheMarkerOfTheKind)
{
    const Fixture f;
    const struct {
        const char* what;
        int kind, entry;
        std::string expected;
    } cases[] = {
        {"probabilistic: down to # COD", 0, 0, f.Title("確率", f.data + "p_ps.csv") + "# 確率論的\r\n# META\r\n# CODE,PS\r\n"},
        {"the marker on the first line", 0, 1, f.Title("先頭", f.data + "first_ps.csv") + "# CODE\r\n"},
        {"a data file that cannot be opened", 0, 2, f.Title("無し", f.data + "gone_ps.csv")},
        {"no marker: the whole file", 0, 3, f.Title("印なし", f.data + "plain_ps.csv") + "a\r\nb\r\n"},
        {"a missing entry", 0, 9, f.Title("", "")},
        {"no entry chosen", 0, -1, f.Title("", "")},
        {"scenario: # COD does not end it", 1, 0, f.Title("断層", f.data + "s.csv") + "# 震源\r\n# COD\r\n# XPOS,YPOS\r\n"},
        {"a line without a name", 2, 1, f.Title("", f.data + "bare.csv") + "# XPO\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(seismic::SeismicFileHeaderText(f.win, c.kind, c.entry), c.expected) << c.what;
}

TEST(SeismicFileFormat, TheDialogShowsTheHeaderOfTheChosenEntry)
{
    const Fixture f;
    for (const int button : {vd::IDOK, vd::IDCANCEL}) {
        auto script = vd::ui::Script::install();
        std::string shown;
        script->answerDialog(kHalvetteModule, CDlgSeisFileFormat::IDD, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), "地図データファイルの構成");
            shown = d.text(seismicfileformatids::IDC_HEADER_TEXT);
            d.click(button);
        });
        OnSeisFileFormat(1, 0, f.win);
        EXPECT_EQ(shown, seismic::SeismicFileHeaderText(f.win, 1, 0));
        EXPECT_NE(shown.find("# XPOS,YPOS\r\n"), std::string::npos);
        EXPECT_TRUE(script->unanswered().empty());
    }
}
