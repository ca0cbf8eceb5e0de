// The natural-environment mesh dialog through Pelmora's export, answered as a user would: the
// selection forms, the display method, the single-theme rule, the climate list, the answer and
// DDMSFILE.DAT rewritten only when a slot changed.
#include "contracts/pelmora.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

const std::string kFile = "T1_1=気候値\r\nT1_2=指定地域\r\nT1_3=流路延長\r\nT1_4=\r\nT1_5=\r\n"
                          "F1_1=D:\\KSJ\\G02\\(G02-62A_)\r\nF1_2=D:\\KSJ\\A29\\(A29-11_)\r\nF1_3=\r\nF1_4=\r\nF1_5=\r\n"
                          "N1_1=154\r\nN1_2=5\r\nN1_3=2\r\nN1_4=9\r\nN1_5=0\r\n"
                          "T2_1=森林\r\nT2_2=沿岸海域\r\nT2_3=\r\nT2_4=\r\nT2_5=\r\n"
                          "F2_1=d:\\ksj\\a13.txt\r\nF2_2=d:\\ksj\\c23.txt\r\nF2_3=\r\nF2_4=\r\nF2_5=\r\n"
                          "N2_1=1\r\nN2_2=7\r\nN2_3=0\r\nN2_4=0\r\nN2_5=0\r\n";

// The 22 selection integers: the tab, on and item of the slots given (others 0), the method.
std::string Integers(int tab, std::map<int, std::pair<int, int>> slots, int method)
{
    std::string out = std::to_string(tab) + "|";
    for (int k = 0; k < kMeshSlotCount; ++k) {
        const auto it = slots.find(k);
        out += it == slots.end() ? "0|0|" : std::to_string(it->second.first) + "|" + std::to_string(it->second.second) + "|";
    }
    return out + std::to_string(method) + "|";
}

// The answer by slot.
struct Answer {
    explicit Answer(const std::string& text)
    {
        size_t at = 0;
        auto next = [&] {
            const size_t bar = text.find('|', at);
            EXPECT_NE(bar, std::string::npos) << text;
            std::string field = text.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
            at = bar == std::string::npos ? text.size() : bar + 1;
            return field;
        };
        tab = std::stoi(next());
        for (int k = 0; k < kMeshSlotCount; ++k) {
            on[k] = std::stoi(next());
            item[k] = std::stoi(next());
        }
        method = std::stoi(next());
        for (int k = 0; k < kMeshSlotCount; ++k) {
            name[k] = next();
            file[k] = next();
        }
        EXPECT_EQ(at, text.size()) << "nothing after the 20th text";
    }
    int tab = -1, method = -1;
    std::array<int, kMeshSlotCount> on{}, item{};
    std::array<std::string, kMeshSlotCount> name, file;
};

vd::TabCtrl& Tabs(vd::DialogDriver& d)
{
    auto* tabs = dynamic_cast<vd::TabCtrl*>(&d.control(kMeshTabControl));
    EXPECT_NE(tabs, nullptr);
    return *tabs;
}

class NatureMeshDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        entry = vd::entryPoint<OnDlgDmeshSet_fn>("Pelmora.DLL", "OnDlgDmeshSet");
        ASSERT_NE(entry, nullptr);
        inputs[0] = WinPathOf("");
    }
    std::string Run(std::string selection, std::function<void(vd::DialogDriver&)> actions)
    {
        inputs[1] = std::move(selection);
        script->answerDialog("Pelmora", kMeshContainer, std::move(actions));
        return CallWith(std::make_index_sequence<kMeshInputCount>());
    }
    template <size_t... I>
    std::string CallWith(std::index_sequence<I...>)
    {
        return entry(inputs[I]...);
    }
    std::filesystem::path SettingsFile() const { return HomeFolder() / "DdMsFile.dat"; }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgDmeshSet_fn* entry = nullptr;
    NatureMeshInputs inputs;
};

} // namespace

TEST_F(NatureMeshDialogTest, TheTemplatesAreTheSystemsOwn)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", kMeshContainer);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（メッシュデータ：自然・環境）");
    // 16 units wider than the other settings dialogs, so that 指定地域's group caption fits.
    EXPECT_EQ(t->place->cx, 246);
    EXPECT_EQ(t->place->cy, 138);
    EXPECT_EQ(t->control(kMeshTabControl)->place->cy, 113);
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    EXPECT_EQ(t->control(kMeshMapButton)->caption, "ﾒｯｼｭﾏｯﾌﾟ");
    EXPECT_EQ(t->control(kAttributeValueButton)->caption, "属性値");
    for (int id : {kClimatePage, kRiverPage, kCoastPage, kAreaPage, kForestPage}) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", id);
        ASSERT_NE(page, nullptr) << id;
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ(page->place->x, 5);
        EXPECT_EQ(page->place->y, 20);
        EXPECT_EQ(page->place->cx, 236);
        EXPECT_EQ(page->place->cy, 95);
    }
    const auto& list = vd::ui::findTemplate("Pelmora", kClimatePage)->control(kClimateList)->items;
    ASSERT_EQ(list.size(), 61u);
    EXPECT_EQ(list[0], "降水量 1月");
    EXPECT_EQ(list[11], "降水量 12月");
    EXPECT_EQ(list[14], "降水量(寒候値)");
    EXPECT_EQ(list[15], "最高気温 1月");
    EXPECT_EQ(list[50], "平均気温 12月");
    EXPECT_EQ(list[53], "平均気温(年)");
    EXPECT_EQ(list[54], "最深積雪 12月");
    EXPECT_EQ(list[60], "最深積雪(少雪年)");
    const vd::ui::DialogTemplate* coast = vd::ui::findTemplate("Pelmora", kCoastPage);
    EXPECT_EQ(coast->control(kCoastFirstItem + 5)->caption, "上げ潮 ");
    EXPECT_EQ(coast->control(kCoastFirstItem + 6)->caption, "上げ潮");
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", kClimatePage)->control(kClimateFirstItem + 4)->caption, " ８月");
}

TEST_F(NatureMeshDialogTest, AFirstCallReadsTheFileAndCancelAnswersInFull)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[2] = "caller";
    inputs[9] = "D:\\passed";
    const std::string answer = Run("-1", [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  国土数値情報（メッシュデータ：自然・環境）");
        const char* tabs[] = {"気候値", "流路延長", "沿岸海域", "指定地域", "森林･国公有地"};
        for (int tab = 0; tab < 5; ++tab)
            EXPECT_EQ(Tabs(d).GetItemText(tab), tabs[tab]);
        EXPECT_TRUE(d.isVisible(kClimateOn)) << "the first tab";
        EXPECT_TRUE(d.isChecked(kAttributeValueButton)) << "attribute values after a first call";
        EXPECT_FALSE(d.isChecked(kMeshMapButton));
        EXPECT_EQ(d.text(kClimateText), "D:\\KSJ\\G02\\(G02-62A_)");
        EXPECT_FALSE(d.isChecked(kClimateOn)) << "items read from the file leave the theme off";
        EXPECT_TRUE(d.isChecked(kClimateOther)) << "item 154";
        EXPECT_EQ(d.text(kClimateList), "最深積雪 12月");
        d.selectTab(kMeshTabControl, 3);
        EXPECT_TRUE(d.page(kAreaPage).isChecked(kAreaFirstItem + 5));
        d.selectTab(kMeshTabControl, 2);
        EXPECT_TRUE(d.isChecked(kCoastFirstItem + 7));
        d.selectTab(kMeshTabControl, 4);
        EXPECT_TRUE(d.page(kForestPage).isChecked(kForestFirstItem + 1));
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(answer, "4|0|154|0|5|0|2|0|9|0|0|0|1|0|7|0|0|0|0|0|0|1|"
                      "気候値|D:\\KSJ\\G02\\(G02-62A_)|指定地域|D:\\KSJ\\A29\\(A29-11_)|流路延長||||||"
                      "森林|d:\\ksj\\a13.txt|沿岸海域|d:\\ksj\\c23.txt|||||||");
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile)) << "nothing changed: no rewrite";
}

TEST_F(NatureMeshDialogTest, WithoutAFileEverySlotIsOffWithThePassedTexts)
{
    inputs[7] = "D:\\A\\(G02-62A_)";
    inputs[21] = "d:\\x.txt";
    const Answer a(Run("-1/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kMeshMapButton)) << "the mark sets mesh-map-only mode";
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(a.tab, 0);
    EXPECT_EQ(a.method, 0);
    EXPECT_EQ(a.file[0], "D:\\A\\(G02-62A_)");
    EXPECT_EQ(a.file[9], "d:\\x.txt");
    for (int k = 0; k < kMeshSlotCount; ++k) {
        EXPECT_EQ(a.on[k], 0) << k;
        EXPECT_EQ(a.item[k], 0) << k;
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "nothing changed: nothing written";
}

TEST_F(NatureMeshDialogTest, MeshMapOnlyRefusesAttributeValues)
{
    // WhiteMap: a first call in mesh-map-only mode; Cancel still answers.
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    const Answer white(Run("WhiteMap", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kMeshMapButton));
        d.click(kAttributeValueButton);
        EXPECT_TRUE(d.isChecked(kMeshMapButton));
        EXPECT_FALSE(d.isChecked(kAttributeValueButton));
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(white.method, 0);
    EXPECT_EQ(white.item[0], 154);

    // 10003: the 指定地域 tab in mesh-map-only mode, stored method 1 overridden.
    const std::string answer = Run(Integers(10003, {{1, {1, 4}}}, 1), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(kAreaOn));
        EXPECT_FALSE(d.isVisible(kClimateOn));
        EXPECT_EQ(Tabs(d).GetCurSel(), 3);
        EXPECT_TRUE(d.isChecked(kMeshMapButton));
        d.click(kAttributeValueButton);
        EXPECT_TRUE(d.isChecked(kMeshMapButton));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(answer.substr(0, 2), "3|");
    const Answer a(answer);
    EXPECT_EQ(a.method, 0);
    EXPECT_EQ(a.on[1], 1);
    EXPECT_EQ(a.item[1], 4);

    // Otherwise both methods can be chosen.
    EXPECT_EQ(Answer(Run(Integers(3, {}, 0), [](vd::DialogDriver& d) {
                  EXPECT_TRUE(d.isChecked(kMeshMapButton));
                  d.click(kAttributeValueButton);
                  EXPECT_TRUE(d.isChecked(kAttributeValueButton));
                  d.click(vd::IDOK);
              })).method,
              1);
    EXPECT_EQ(Answer(Run(Integers(3, {}, 1), [](vd::DialogDriver& d) {
                  d.click(kMeshMapButton);
                  d.click(vd::IDOK);
              })).method,
              0);
}

TEST_F(NatureMeshDialogTest, OnlyTheCurrentTabsThemeStaysOn)
{
    // Every paged slot on with a text; slots without a page pass through.
    for (int input : {7, 8, 9, 17, 18})
        inputs[input] = "D:\\T" + std::to_string(input) + "\\(x)";
    const auto stored = Integers(0, {{0, {1, 3}}, {1, {1, 2}}, {2, {1, 1}}, {3, {1, 9}}, {5, {1, 2}}, {6, {0, 0}}, {8, {1, 7}}}, 1);
    const Answer a(Run(stored, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kClimateOn));
        d.selectTab(kMeshTabControl, 2);
        EXPECT_FALSE(d.isChecked(kCoastOn));
        d.click(kCoastOn);
        EXPECT_TRUE(d.isChecked(kCoastOn));
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.tab, 2);
    EXPECT_EQ(a.on[6], 1);
    for (int k : {0, 1, 2, 5})
        EXPECT_EQ(a.on[k], 0) << k;
    EXPECT_EQ(a.item[0], 3) << "items of the other pages go back";
    EXPECT_EQ(a.item[5], 2);
    EXPECT_EQ(a.on[3], 1) << "a slot without a page passes through";
    EXPECT_EQ(a.item[3], 9);
    EXPECT_EQ(a.on[8], 1);
    EXPECT_EQ(a.item[8], 7);
    EXPECT_EQ(a.method, 1);
}

TEST_F(NatureMeshDialogTest, ItemButtonsSwitchTheThemeOnButTheOnBoxNeedsAText)
{
    const Answer a(Run(Integers(1, {{2, {0, 7}}}, 0), [](vd::DialogDriver& d) {
        for (int v = 0; v < 4; ++v)
            EXPECT_FALSE(d.isChecked(kRiverFirstItem + v)) << "item 7 checks nothing";
        d.click(kRiverOn);
        EXPECT_FALSE(d.isChecked(kRiverOn)) << "the on box stays clear with an empty text";
        d.click(kRiverFirstItem + 3);
        EXPECT_TRUE(d.isChecked(kRiverOn)) << "an item switches the theme on, text or not";
        d.click(kRiverFirstItem + 1);
        EXPECT_TRUE(d.isChecked(kRiverOn));
        d.click(kRiverOn);
        EXPECT_FALSE(d.isChecked(kRiverOn));
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.on[2], 0);
    EXPECT_EQ(a.item[2], 1);

    inputs[9] = "D:\\R\\(W05-07_)";
    const Answer b(Run(Integers(1, {{2, {0, 0}}}, 0), [](vd::DialogDriver& d) {
        d.click(kRiverOn);
        EXPECT_TRUE(d.isChecked(kRiverOn)) << "with a text the box toggles";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(b.on[2], 1);
}

TEST_F(NatureMeshDialogTest, TheOtherClimateValues)
{
    const Answer a(Run(Integers(0, {{0, {0, 2}}}, 0), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kClimateFirstItem + 2));
        EXPECT_FALSE(d.isChecked(kClimateOther));
        EXPECT_EQ(d.text(kClimateList), "");
        d.click(kClimateOther);
        EXPECT_EQ(d.text(kClimateList), "降水量 1月") << "entry 0 when none was chosen";
        EXPECT_TRUE(d.isChecked(kClimateOn));
        d.click(kClimateFirstItem + 4);
        EXPECT_EQ(d.text(kClimateList), "") << "a fixed item clears the list's entry";
        d.selectCombo(kClimateList, 54);
        EXPECT_TRUE(d.isChecked(kClimateOther));
        EXPECT_FALSE(d.isChecked(kClimateFirstItem + 4));
        d.click(kClimateFirstItem);
        d.click(kClimateOther);
        EXPECT_EQ(d.text(kClimateList), "最深積雪 12月") << "the entry last chosen";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.item[0], 154);
    EXPECT_EQ(a.on[0], 1);

    // Choosing an entry switches the theme on; an item outside 0-8 checks その他.
    struct Case {
        int item;
        std::string shown;
    };
    for (const Case& c : {Case{160, "最深積雪(少雪年)"}, Case{50, ""}, Case{161, ""}, Case{-3, ""}}) {
        const Answer b(Run(Integers(0, {{0, {0, c.item}}}, 0), [&](vd::DialogDriver& d) {
            EXPECT_TRUE(d.isChecked(kClimateOther)) << c.item;
            for (int v = 0; v < 9; ++v)
                EXPECT_FALSE(d.isChecked(kClimateFirstItem + v)) << c.item;
            EXPECT_EQ(d.text(kClimateList), c.shown) << c.item;
            d.selectCombo(kClimateList, 12);
            EXPECT_TRUE(d.isChecked(kClimateOn));
            d.click(vd::IDOK);
        }));
        EXPECT_EQ(b.item[0], 112) << c.item;
        EXPECT_EQ(b.on[0], 1) << c.item;
    }
}

TEST_F(NatureMeshDialogTest, TheFileChoiceAndTypedTexts)
{
    script->answerFileDialog("D:\\DATA\\G02\\G02-62A_ab.txt");
    script->answerFileDialog("D:\\DATA\\C23\\C23-06_01.TXT");
    script->answerFileDialog("E:\\KSJ\\A29\\A29-11_ab.txt");
    script->answerFileDialog("E:\\KSJ\\A13\\A13-02.TXT");
    const Answer a(Run(Integers(0, {}, 0), [](vd::DialogDriver& d) {
        d.click(kClimateFile);
        EXPECT_EQ(d.text(kClimateText), "D:\\DATA\\G02\\(G02-62A_)");
        EXPECT_FALSE(d.isChecked(kClimateOn)) << "a choice changes no box";
        d.selectTab(kMeshTabControl, 2);
        d.click(kCoastFile);
        EXPECT_EQ(d.text(kCoastText), "d:\\data\\c23\\c23-06_01.txt");
        d.selectTab(kMeshTabControl, 3);
        d.page(kAreaPage).click(kAreaFile);
        EXPECT_EQ(d.page(kAreaPage).text(kAreaText), "E:\\KSJ\\A29\\(A29-11_a)");
        d.selectTab(kMeshTabControl, 4);
        d.page(kForestPage).click(kForestFile);
        EXPECT_EQ(d.page(kForestPage).text(kForestText), "e:\\ksj\\a13\\a13-02.txt");
        d.selectTab(kMeshTabControl, 1);
        d.setText(kRiverText, "D:\\W05|07\\(W05-07_)");
        d.selectTab(kMeshTabControl, 2);
        d.setText(kCoastText, "/srv/ksj/c23.txt");
        d.selectTab(kMeshTabControl, 0);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.file[0], "D:\\DATA\\G02\\(G02-62A_)");
    EXPECT_EQ(a.file[6], "Z:\\srv\\ksj\\c23.txt") << "a typed Linux path in the program's form";
    EXPECT_EQ(a.file[1], "E:\\KSJ\\A29\\(A29-11_a)");
    EXPECT_EQ(a.file[5], "e:\\ksj\\a13\\a13-02.txt");
    EXPECT_EQ(a.file[2], "D:\\W05｜07\\(W05-07_)") << "a typed bar cannot shift the fields";
    EXPECT_EQ(script->beeps(), 4);
}

TEST_F(NatureMeshDialogTest, TheFileIsRewrittenOnlyWhenASlotChanged)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[2] = "名前";
    inputs[7] = "D:\\KSJ\\G02\\(G02-62A_)";
    const std::string stored = Integers(0, {{0, {1, 3}}}, 1);

    // The tab and the display method are not slot values.
    const std::string same = Run(stored, [](vd::DialogDriver& d) {
        d.click(kMeshMapButton);
        d.selectTab(kMeshTabControl, 1);
        d.selectTab(kMeshTabControl, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(same.substr(0, same.find("名前")), Integers(0, {{0, {1, 3}}}, 0));
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));

    // Cancel with stored settings answers nothing and writes nothing.
    EXPECT_EQ(Run(stored, [](vd::DialogDriver& d) {
                  d.click(kClimateFirstItem + 5);
                  d.click(vd::IDCANCEL);
              }),
              "");
    EXPECT_EQ(Run(stored, [](vd::DialogDriver& d) { d.pressEscape(); }), "");
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));

    // An item changed: the file is written anew, T1_1 naming 気候値 whatever the slot's name.
    Run(stored, [](vd::DialogDriver& d) {
        d.click(kClimateFirstItem + 5);
        d.click(vd::IDOK);
    });
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DDMSFILE.DAT")) << "the existing file is the one";
    EXPECT_EQ(ReadBytes(SettingsFile()),
              vd::utf8ToCp932("T1_1=気候値\r\nT1_2=\r\nT1_3=\r\nT1_4=\r\nT1_5=\r\n"
                              "F1_1=D:\\KSJ\\G02\\(G02-62A_)\r\nF1_2=\r\nF1_3=\r\nF1_4=\r\nF1_5=\r\n"
                              "N1_1=5\r\nN1_2=0\r\nN1_3=0\r\nN1_4=0\r\nN1_5=0\r\n"
                              "T2_1=\r\nT2_2=\r\nT2_3=\r\nT2_4=\r\nT2_5=\r\n"
                              "F2_1=\r\nF2_2=\r\nF2_3=\r\nF2_4=\r\nF2_5=\r\n"
                              "N2_1=0\r\nN2_2=0\r\nN2_3=0\r\nN2_4=0\r\nN2_5=0\r\n"));
}

TEST_F(NatureMeshDialogTest, AFileThatCannotBeWrittenStaysWholeAndTheAnswerStillReturns)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[7] = "D:\\" + std::string(3000, 'x');
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string answer = Run(Integers(0, {}, 1), [](vd::DialogDriver& d) {
        d.click(kClimateFirstItem + 1);
        d.click(vd::IDOK);
    });
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    const Answer a(answer);
    EXPECT_EQ(a.item[0], 1);
    EXPECT_EQ(a.file[0], inputs[7]);
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DDMSFILE.DAT"));
    for (const auto& entry : std::filesystem::directory_iterator(HomeFolder()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "no temporary file left";
}
