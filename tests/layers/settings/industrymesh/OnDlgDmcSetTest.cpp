// The industry-statistics mesh dialog through Pelmora's export: the templates, the selection
// forms, the item radios, 登録 through the item-name dialog, the answer, and DDMCFILE.DAT
// rewritten only when something it keeps changed.
#include "tests/layers/settings/industrymesh/IndustryMeshDialogSupport.h"

#include "layers/settings/industrymesh/ItemNameDialog.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TemplateRegistry.h"

#include <algorithm>
#include <filesystem>
#include <set>

using namespace industry_test;

namespace {

const std::string kFile = ";産業統計\r\n"
                          "T3_1=産業統計\r\nT3_4=人口\r\n"
                          "F3_1=D:\\KSJ\\(M03-01)\r\nF3_3=D:\\AG\\(A01-13)\r\n"
                          "N3_1=2\r\nN3_3=9\r\n"
                          "S3_17=販売額/12/17/50\r\n"
                          "S3_3A=耕地/5/9/20\r\n";

// The selection of a call with stored settings: the tab, on and item of rows 1-5, the method.
std::string Selection(int tab, std::array<int, 10> rows = {}, int method = 0)
{
    std::string out = std::to_string(tab) + "|";
    for (const int value : rows)
        out += std::to_string(value) + "|";
    return out + std::to_string(method) + "|";
}

std::array<int, 4> Place(const vd::ui::ControlTemplate& c)
{
    return {c.place->x, c.place->y, c.place->cx, c.place->cy};
}

} // namespace

TEST_F(IndustryMeshDialogTest, TheTemplatesAreLaidOutInsideTheirPages)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgDmcSet::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（メッシュデータ：産業統計）");
    EXPECT_EQ((std::array<int, 2>{t->place->cx, t->place->cy}), (std::array<int, 2>{230, 255}));
    EXPECT_EQ(Place(*t->control(kTabs)), (std::array<int, 4>{2, 4, 226, 230}));
    EXPECT_EQ(t->control(kMeshMap)->caption, "ﾒｯｼｭﾏｯﾌﾟ");
    EXPECT_TRUE(t->control(kMeshMap)->style & vd::WS_GROUP);
    EXPECT_EQ(t->control(kAttribute)->caption, "属性値");
    EXPECT_TRUE(t->control(vd::IDOK)->style & vd::BS_DEFPUSHBUTTON);
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    // The bottom row, left to right, below the tab control.
    std::vector<std::string> bottom;
    std::vector<vd::ui::ControlTemplate> below;
    for (const auto& c : t->controls)
        if (c.place->y > 4 + 230)
            below.push_back(c);
    std::sort(below.begin(), below.end(), [](const auto& a, const auto& b) { return a.place->x < b.place->x; });
    for (const auto& c : below) {
        bottom.push_back(c.caption);
        EXPECT_LE(c.place->x + c.place->cx, 230);
        EXPECT_LE(c.place->y + c.place->cy, 255);
    }
    EXPECT_EQ(bottom, (std::vector<std::string>{"表示方法", "(", "ﾒｯｼｭﾏｯﾌﾟ", "属性値", ")", "ｷｬﾝｾﾙ", "OK"}));

    const struct {
        int id;
        int rows;
        std::vector<std::pair<int, std::string>> radios;
    } pages[] = {
        {kCommerce,
         10,
         {{ItemRadio(CommerceSpec(), 0), "商店数"},
          {ItemRadio(CommerceSpec(), 7), "従業員数"},
          {ItemRadio(CommerceSpec(), 1), "売場面積"},
          {ItemRadio(CommerceSpec(), 5), "販売額"}}},
        {kIndustry,
         10,
         {{ItemRadio(IndustrySpec(), 0), "工業全体 事業所数"}, {ItemRadio(IndustrySpec(), 5), "電力使用額"}}},
        {kAgriculture,
         8,
         {{ItemRadio(AgricultureSpec(), 0), "農業人口"},
          {ItemRadio(AgricultureSpec(), 4), "耕地面積(田および畑)"},
          {ItemRadio(AgricultureSpec(), 8), "乳用牛・肉用牛飼養頭数"}}},
    };
    for (const auto& p : pages) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", p.id);
        ASSERT_NE(page, nullptr) << p.id;
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ((std::array<int, 4>{page->place->x, page->place->y, page->place->cx, page->place->cy}),
                  (std::array<int, 4>{5, 20, 220, 212}));
        std::set<std::string> texts;
        std::set<int> ids;
        int radios = 0, groupStarts = 0, registers = 0;
        for (const vd::ui::ControlTemplate& c : page->controls) {
            texts.insert(c.caption);
            if (c.id != vd::IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << p.id << ": id " << c.id << " twice";
            }
            EXPECT_LE(c.place->x + c.place->cx, 220) << p.id << " " << c.caption << c.id;
            EXPECT_LE(c.place->y + c.place->cy, 212) << p.id << " " << c.caption << c.id;
            if (c.kind == vd::ui::ControlKind::RadioButton)
                ++radios;
            if (c.style & vd::WS_GROUP)
                ++groupStarts;
            registers += c.caption == "登録";
        }
        EXPECT_EQ(groupStarts, 1) << p.id << ": all radios in one group";
        EXPECT_EQ(registers, p.rows) << p.id;
        EXPECT_EQ(radios, (p.id == kAgriculture ? 9 : p.id == kCommerce ? 7 : 6) + p.rows) << p.id;
        for (const std::string heading : {"ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", "ﾌｧｲﾙ", "表示項目", "累積桁数", "区分間隔", "～"})
            EXPECT_TRUE(texts.count(heading)) << p.id << " " << heading;
        for (const auto& [id, caption] : p.radios)
            EXPECT_EQ(page->control(id)->caption, caption) << p.id;
        EXPECT_TRUE(page->control(From(0))->style & vd::ES_READONLY);
    }
    EXPECT_TRUE(vd::ui::findTemplate("Pelmora", kCommerce)->control(ItemRadio(AgricultureSpec(), 0)) == nullptr)
        << "商業統計's radios start one id after 農業ｾﾝｻｽ's";

    const vd::ui::DialogTemplate* names = vd::ui::findTemplate("Pelmora", kItemName);
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->caption, " 項目の名称");
    EXPECT_EQ((std::array<int, 2>{names->place->cx, names->place->cy}), (std::array<int, 2>{97, 76}));
    for (const int id : {kItemNameEdit, kItemFromEdit, kItemToEdit, kItemIntervalEdit})
        EXPECT_EQ(names->control(id)->kind, vd::ui::ControlKind::Edit) << id;
    EXPECT_TRUE(names->control(vd::IDOK)->style & vd::BS_DEFPUSHBUTTON);
}

TEST_F(IndustryMeshDialogTest, AFirstCallReadsTheFileAndCancelAnswersAsOk)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[3] = "passed 2";
    inputs[8] = "D:\\passed\\";
    const Answer a(Run("-1/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  国土数値情報（メッシュデータ：産業統計）");
        EXPECT_TRUE(d.isChecked(kMeshMap)) << "mesh map only";
        EXPECT_FALSE(d.isChecked(kAttribute));
        vd::DialogDriver commerce = d.page(kCommerce);
        EXPECT_TRUE(commerce.isVisible(CommerceSpec().folderEdit)) << "商業統計 first";
        EXPECT_FALSE(d.page(kAgriculture).isVisible(AgricultureSpec().folderEdit));
        EXPECT_EQ(commerce.text(CommerceSpec().folderEdit), "D:\\KSJ\\(M03-01)");
        EXPECT_FALSE(commerce.isChecked(CommerceSpec().onBox)) << "an N line switches the row off";
        EXPECT_TRUE(commerce.isChecked(ItemRadio(CommerceSpec(), 2))) << "item 2: 小売業 販売額";
        EXPECT_FALSE(commerce.isChecked(ItemRadio(CommerceSpec(), 0)));
        EXPECT_EQ(commerce.text(CommerceSpec().rowRadio(0)), "販売額");
        EXPECT_EQ(commerce.text(From(0)), "12");
        EXPECT_EQ(commerce.text(To(0)), "17");
        EXPECT_EQ(commerce.text(Interval(0)), "50");
        EXPECT_EQ(commerce.text(CommerceSpec().rowRadio(1)), "");
        EXPECT_EQ(commerce.text(Interval(1)), "0");
        EXPECT_EQ(d.page(kIndustry).text(IndustrySpec().folderEdit), "D:\\passed\\") << "no F3_2 line: the folder passed";
        d.selectTab(kTabs, 2);
        vd::DialogDriver agriculture = d.page(kAgriculture);
        EXPECT_TRUE(agriculture.isVisible(AgricultureSpec().folderEdit));
        EXPECT_FALSE(commerce.isVisible(CommerceSpec().folderEdit));
        EXPECT_TRUE(agriculture.isChecked(AgricultureSpec().rowRadio(0))) << "item 9: class-bound row 1";
        EXPECT_EQ(agriculture.text(AgricultureSpec().rowRadio(0)), "耕地");
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(a.tab(), 2);
    EXPECT_EQ(a.method(), 0);
    for (int row = 0; row < kIndustryRowCount; ++row)
        EXPECT_EQ(a.on(row), 0) << row;
    EXPECT_EQ(a.item(0), 2);
    EXPECT_EQ(a.item(2), 9);
    EXPECT_EQ(a.name[0], "産業統計");
    EXPECT_EQ(a.name[1], "passed 2");
    EXPECT_EQ(a.name[3], "人口");
    EXPECT_EQ(a.folder[2], "D:\\AG\\(A01-13)");
    EXPECT_EQ(a.specs[0], "販売額/12/17/50");
    EXPECT_EQ(a.specs[1], "/0/0/0") << "an empty item definition comes back so";
    EXPECT_EQ(a.specs[20], "耕地/5/9/20");
    EXPECT_EQ(a.specs[27], "/0/0/0");

    // The empty item definitions came back as "/0/0/0": a change, so the file is written anew.
    const std::string file = vd::cp932ToUtf8(ReadBytes(SettingsFile()));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 43);
    EXPECT_EQ(file.substr(0, file.find("F3_1")), "T3_1=産業統計\r\nT3_2=工業統計\r\nT3_3=農業センサス\r\nT3_4=人口\r\nT3_5=\r\n");
    EXPECT_NE(file.find("N3_3=9\r\nN3_4=0\r\nN3_5=0\r\nS3_17=販売額/12/17/50\r\nS3_19=/0/0/0\r\n"), std::string::npos);
}

TEST_F(IndustryMeshDialogTest, ATabOf10002OpensTheCensusForTheMeshMapOnly)
{
    const std::string answer = Run(Selection(10002, {0, 0, 0, 0, 1, 5}, 1), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.page(kAgriculture).isVisible(AgricultureSpec().folderEdit));
        EXPECT_EQ(d.dialog().item<vd::TabCtrl>(kTabs)->GetCurSel(), 2);
        vd::TabCtrl* tabs = d.dialog().item<vd::TabCtrl>(kTabs);
        ASSERT_EQ(tabs->GetItemCount(), 3);
        EXPECT_EQ(tabs->GetItemText(0), "商業統計");
        EXPECT_EQ(tabs->GetItemText(1), "工業統計");
        EXPECT_EQ(tabs->GetItemText(2), "農業ｾﾝｻｽ");
        EXPECT_TRUE(d.isChecked(kMeshMap)) << "the method is forced to the mesh map";
        d.click(kAttribute);
        EXPECT_TRUE(d.isChecked(kMeshMap)) << "属性値 is refused";
        EXPECT_FALSE(d.isChecked(kAttribute));
        EXPECT_TRUE(d.page(kAgriculture).isChecked(ItemRadio(AgricultureSpec(), 5))) << "item 5";
        d.click(vd::IDOK);
    });
    const Answer a(answer);
    EXPECT_EQ(answer.substr(0, 2), "2|");
    EXPECT_EQ(a.method(), 0);
    EXPECT_EQ(a.on(2), 1);
    EXPECT_EQ(a.item(2), 5);

    // Without the flag 属性値 is taken, and opened with it stays.
    EXPECT_EQ(Answer(Run(Selection(1), [](vd::DialogDriver& d) {
                  EXPECT_TRUE(d.isChecked(kMeshMap));
                  d.click(kAttribute);
                  EXPECT_TRUE(d.isChecked(kAttribute));
                  d.click(vd::IDOK);
              })).method(),
              1);
    EXPECT_EQ(Answer(Run(Selection(1, {}, 1), [](vd::DialogDriver& d) {
                  EXPECT_TRUE(d.isChecked(kAttribute));
                  d.click(kMeshMap);
                  d.click(vd::IDOK);
              })).method(),
              0);
}

TEST_F(IndustryMeshDialogTest, ItemRadiosStoreTheirItemsAndSwitchThePageOn)
{
    const Answer a(Run(Selection(0, {0, 0, 0, 3, 1, 4, 1, 4, 1, 5}), [](vd::DialogDriver& d) {
        vd::DialogDriver commerce = d.page(kCommerce);
        EXPECT_FALSE(commerce.isChecked(CommerceSpec().onBox));
        commerce.click(ItemRadio(CommerceSpec(), 7));
        EXPECT_TRUE(commerce.isChecked(CommerceSpec().onBox)) << "switched on, even with an empty folder";
        EXPECT_TRUE(commerce.isChecked(ItemRadio(CommerceSpec(), 7)));
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.item(0), 7) << "小売業 従業員数";
    EXPECT_EQ(a.on(0), 1);
    EXPECT_EQ(a.item(1), 3);
    EXPECT_EQ(a.on(2), 0) << "one theme at a time";
    EXPECT_EQ((std::array<int, 4>{a.on(3), a.item(3), a.on(4), a.item(4)}), (std::array<int, 4>{1, 4, 1, 5}))
        << "rows 4 and 5 pass through";

    const Answer b(Run(Selection(0, {0, 0, 0, 3}), [](vd::DialogDriver& d) {
        d.page(kCommerce).click(ItemRadio(CommerceSpec(), 1));
        d.page(kCommerce).click(CommerceSpec().onBox); // the folder is empty: the page stays off
        d.selectTab(kTabs, 1);
        vd::DialogDriver industry = d.page(kIndustry);
        EXPECT_TRUE(industry.isChecked(ItemRadio(IndustrySpec(), 3))) << "item 3";
        industry.click(IndustrySpec().rowRadio(3));
        EXPECT_TRUE(industry.isChecked(IndustrySpec().rowRadio(3))) << "row 4 checks";
        EXPECT_FALSE(industry.isChecked(ItemRadio(IndustrySpec(), 3)));
        EXPECT_FALSE(industry.isChecked(IndustrySpec().onBox)) << "and switches nothing on";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(b.item(0), 1) << "売場面積";
    EXPECT_EQ(b.on(0), 0) << "not the current tab";
    EXPECT_EQ(b.item(1), 3) << "row 4 of page 2 has no item";
    EXPECT_EQ(b.tab(), 1);

    const Answer c(Run(Selection(0), [](vd::DialogDriver& d) {
        d.page(kCommerce).click(CommerceSpec().rowRadio(1));
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(c.item(0), 8) << "class-bound row 2";
    EXPECT_EQ(c.on(0), 1);
}

TEST_F(IndustryMeshDialogTest, RegisteringARowShowsItAndReturnsItsItemDefinition)
{
    const Answer a(Run(Selection(0, {0, 1}), [this](vd::DialogDriver& d) {
        vd::DialogDriver commerce = d.page(kCommerce);
        AnswerItemName([](vd::DialogDriver& names) {
            EXPECT_EQ(names.caption(), " 項目の名称");
            EXPECT_EQ(names.text(kItemNameEdit), "");
            EXPECT_EQ(names.text(kItemFromEdit), "0");
            EXPECT_EQ(names.text(kItemToEdit), "0");
            EXPECT_EQ(names.text(kItemIntervalEdit), "1") << "interval 0 opens as 1";
            names.setText(kItemNameEdit, "販売額");
            names.setText(kItemFromEdit, "3");
            names.setText(kItemToEdit, "9");
            names.setText(kItemIntervalEdit, "100");
            names.click(vd::IDOK);
        });
        commerce.click(Register(0));
        EXPECT_EQ(commerce.text(CommerceSpec().rowRadio(0)), "販売額");
        EXPECT_EQ(commerce.text(From(0)), "3");
        EXPECT_EQ(commerce.text(To(0)), "9");
        EXPECT_EQ(commerce.text(Interval(0)), "100");
        EXPECT_TRUE(commerce.isChecked(ItemRadio(CommerceSpec(), 1))) << "registering chooses no item";

        // A second 登録 starts from what the row shows; Cancel and an empty name change nothing.
        AnswerItemName([](vd::DialogDriver& names) {
            EXPECT_EQ(names.text(kItemNameEdit), "販売額");
            EXPECT_EQ(names.text(kItemFromEdit), "3");
            EXPECT_EQ(names.text(kItemIntervalEdit), "100");
            names.setText(kItemNameEdit, "other");
            names.click(vd::IDCANCEL);
        });
        commerce.click(Register(0));
        AnswerItemName([](vd::DialogDriver& names) {
            names.setText(kItemNameEdit, "");
            names.setText(kItemFromEdit, "4");
            names.click(vd::IDOK);
        });
        commerce.click(Register(0));
        EXPECT_EQ(commerce.text(CommerceSpec().rowRadio(0)), "販売額");
        EXPECT_EQ(commerce.text(From(0)), "3");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.specs[0], "販売額/3/9/100");
    EXPECT_EQ(a.item(0), 1);
    EXPECT_EQ(script->unanswered(), std::vector<int>{});
}

TEST_F(IndustryMeshDialogTest, TheItemNameDialogKeepsBadNumbersOutAndSeparatorsOutOfTheName)
{
    const Answer a(Run(Selection(1), [this](vd::DialogDriver& d) {
        d.selectTab(kTabs, 1);
        AnswerItemName([this](vd::DialogDriver& names) {
            names.setText(kItemFromEdit, "abc");
            names.click(vd::IDOK);
            EXPECT_FALSE(names.ended()) << "not an integer";
            names.setText(kItemFromEdit, "5");
            names.setText(kItemIntervalEdit, "0");
            names.click(vd::IDOK);
            EXPECT_FALSE(names.ended()) << "interval 0";
            names.setText(kItemIntervalEdit, "100000001");
            names.click(vd::IDOK);
            EXPECT_FALSE(names.ended()) << "interval too large";
            ASSERT_EQ(script->messageBoxes().size(), 3u);
            EXPECT_EQ(script->messageBoxes()[0].text, "整数を入力してください。");
            EXPECT_EQ(script->messageBoxes()[1].text, "1 から 100000000 までの整数を入力してください。");
            EXPECT_EQ(script->messageBoxes()[2].text, "1 から 100000000 までの整数を入力してください。");
            names.setText(kItemIntervalEdit, "100000000");
            names.setText(kItemToEdit, "-7");
            names.setText(kItemNameEdit, "出荷/月#1");
            names.click(vd::IDOK);
            EXPECT_TRUE(names.ended());
        });
        d.page(kIndustry).click(Register(9));
        EXPECT_EQ(d.page(kIndustry).text(IndustrySpec().rowRadio(9)), "出荷／月＃1");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.specs[19], "出荷／月＃1/5/-7/100000000");
    EXPECT_EQ(a.specs[18], "/0/0/0");
}

TEST_F(IndustryMeshDialogTest, TheAnswerHandedBackReopensTheDialogAndWritesNothing)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[11] = "D:\\ROW5\\";
    script->answerFileDialog("D:\\KSJ\\M03\\M03-01_ab.txt");
    const std::string first = Run("-1", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kAttribute)) << "from the file the method is 属性値";
        d.selectTab(kTabs, 1);
        vd::DialogDriver industry = d.page(kIndustry);
        industry.click(IndustrySpec().fileButton);
        EXPECT_EQ(industry.text(IndustrySpec().folderEdit), "D:\\KSJ\\M03\\(M03-01_a)");
        industry.click(IndustrySpec().onBox);
        industry.click(ItemRadio(IndustrySpec(), 2));
        d.click(vd::IDOK);
    });
    const Answer a(first);
    EXPECT_EQ(a.on(1), 1);
    EXPECT_EQ(a.item(1), 2);
    EXPECT_EQ(a.folder[1], "D:\\KSJ\\M03\\(M03-01_a)");
    EXPECT_EQ(a.folder[4], "D:\\ROW5\\");
    EXPECT_EQ(a.method(), 1);
    const std::string written = ReadBytes(SettingsFile());
    EXPECT_NE(vd::cp932ToUtf8(written).find("F3_2=D:\\KSJ\\M03\\(M03-01_a)\r\n"), std::string::npos);

    // The program keeps the answer and hands it back: the same answer, the file untouched.
    PassTexts(a);
    std::filesystem::remove(SettingsFile());
    const std::string second = Run(a.integers(), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.page(kIndustry).isVisible(IndustrySpec().folderEdit)) << "the tab last used";
        EXPECT_TRUE(d.page(kIndustry).isChecked(IndustrySpec().onBox));
        EXPECT_TRUE(d.page(kIndustry).isChecked(ItemRadio(IndustrySpec(), 2)));
        EXPECT_EQ(d.page(kCommerce).text(CommerceSpec().rowRadio(0)), "販売額");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(second, first);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "nothing changed: nothing written";

    // With the caller's mark the method comes back as the mesh map, which is no change either.
    const Answer third(Run(a.integers() + "/TAVREL", [](vd::DialogDriver& d) { d.click(vd::IDOK); }));
    EXPECT_EQ(third.method(), 0);
    EXPECT_EQ(third.specs, a.specs);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(IndustryMeshDialogTest, AStoredItemDefinitionOfARowWithoutAnItemShowsAndComesBack)
{
    inputs[12] = "####卸売計/20/25/10#";
    const Answer a(Run(Selection(0, {0, 6}), [](vd::DialogDriver& d) {
        vd::DialogDriver commerce = d.page(kCommerce);
        EXPECT_EQ(commerce.text(CommerceSpec().rowRadio(4)), "卸売計");
        EXPECT_EQ(commerce.text(From(4)), "20");
        EXPECT_EQ(commerce.text(Interval(4)), "10");
        EXPECT_TRUE(commerce.isChecked(CommerceSpec().rowRadio(0))) << "item 6: class-bound row 1";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.specs[4], "卸売計/20/25/10");
    EXPECT_EQ(a.specs[0], "/0/0/0");
    EXPECT_TRUE(std::filesystem::exists(SettingsFile())) << "the empty ones changed";
}

TEST_F(IndustryMeshDialogTest, CancelWithStoredSettingsAnswersNothingAndTypedBarsStayInTheirField)
{
    EXPECT_EQ(Run(Selection(0), [](vd::DialogDriver& d) {
                  d.page(kCommerce).click(ItemRadio(CommerceSpec(), 0));
                  d.click(vd::IDCANCEL);
              }),
              "");
    EXPECT_EQ(Run(Selection(0), [](vd::DialogDriver& d) { d.pressEscape(); }), "");
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));

    const Answer a(Run(Selection(0), [](vd::DialogDriver& d) {
        d.page(kCommerce).setText(CommerceSpec().folderEdit, "D:\\a|b\\(M03-01)");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.folder[0], "D:\\a｜b\\(M03-01)");
}

TEST_F(IndustryMeshDialogTest, AMissingFileOpensWhatWasPassedAndAFailedRewriteStillAnswers)
{
    inputs[0] = vd::applicationFolder() + "missing\\";
    inputs[7] = "D:\\M\\(M03-02)";
    inputs[12] = "x/1/1/1#"; // not read without stored settings
    const Answer a(Run("WhiteMap", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kMeshMap));
        EXPECT_EQ(d.page(kCommerce).text(CommerceSpec().folderEdit), "D:\\M\\(M03-02)");
        EXPECT_EQ(d.page(kCommerce).text(CommerceSpec().rowRadio(0)), "");
        EXPECT_TRUE(d.page(kCommerce).isChecked(ItemRadio(CommerceSpec(), 0))) << "item 0";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.folder[0], "D:\\M\\(M03-02)");
    EXPECT_EQ(a.specs[0], "/0/0/0");
    EXPECT_EQ(a.method(), 0);
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "missing"));
}

namespace {

// The controls of a shown page that do not lie whole inside it, or that stand on another one:
// a radio's text past the page's edge is cut.
std::vector<std::string> MisplacedControls(const vd::DialogDriver& page, const std::vector<int>& ids)
{
    std::vector<std::string> out;
    const vd::ui::Rect area = page.dialog().GetWindowRect();
    std::vector<std::pair<int, vd::ui::Rect>> placed;
    for (const int id : ids) {
        const vd::ui::Rect r = page.control(id).GetWindowRect();
        if (r.left < area.left || r.right > area.right || r.top < area.top || r.bottom > area.bottom)
            out.push_back(std::to_string(id) + " past the page");
        for (const auto& [other, o] : placed)
            if (r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom)
                out.push_back(std::to_string(id) + " on " + std::to_string(other));
        placed.emplace_back(id, r);
    }
    return out;
}

} // namespace

// Shown in the dialog, every page holds its item radios whole (売場面積 was cut at the page's
// edge), each beside the next, and every text unclipped.
TEST_F(IndustryMeshDialogTest, EveryPageHoldsItsItemRadiosWhole)
{
    const Answer a(Run(Selection(0), [](vd::DialogDriver& d) {
        for (int tab = 0; tab < 3; ++tab) {
            const IndustryPageSpec& spec = IndustryPageSpecs()[tab];
            const int id = spec.templateId;
            std::vector<int> radios;
            for (const IndustryItemRadio& radio : spec.fixed)
                radios.push_back(radio.id);
            d.selectTab(kTabs, tab);
            const vd::DialogDriver page = d.page(id);
            EXPECT_EQ(MisplacedControls(page, radios), std::vector<std::string>{}) << id;
            EXPECT_EQ(page.clippedControls(), std::vector<std::string>{}) << id;
        }
        d.click(vd::IDOK);
    }));
}
