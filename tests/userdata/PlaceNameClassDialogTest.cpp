// The place-name class dialog through the document's symbol command (33281, 33282), its
// sub-class colour dialog and the files they write: NpSymbol.dat and the sections of NpClrTbl.dat.
#include "UserDataTestSupport.h"

#include "userdata/ColorComboBox.h"
#include "userdata/PlaceNameClassFiles.h"

#include "platform/dc/ImageDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace userdatatest;

constexpr int kClassDialog = 180;
constexpr int kColourDialog = 183;

class PlaceNameClasses : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        script = vd::ui::Script::install();
        doc->folders.m_strAppDir = vd::applicationFolder();
        for (const char* name : {"NpSymbol.dat", "NpClrTbl.dat"})
            std::filesystem::remove(doctest::Home() / name);
        for (auto& row : doc->placeNameClasses.m_anSymbolSetting)
            std::fill(std::begin(row), std::end(row), std::int16_t(17));
    }
    std::string Read(const char* name) const { return doctest::ReadBytes(doctest::Home() / name); }
    std::unique_ptr<CVeldoranDoc> doc;
    std::shared_ptr<vd::ui::Script> script;
};

TEST_F(PlaceNameClasses, SymbolsAreSavedOnAFreshFolderAndTakenBackOnOk)
{
    doc->m_nGnpfValue3 = 3; // the last search was of natural names
    int flagWhileOpen = -1;
    std::vector<std::string> statics;
    script->answerDialog(kClassDialog, [&](vd::DialogDriver& d) {
        flagWhileOpen = doc->repaint.m_bLayerDialogOpen;
        EXPECT_EQ(d.caption(), " 自然地名");
        EXPECT_TRUE(d.isChecked(1189));
        EXPECT_TRUE(d.isChecked(1208));
        for (int id = 1194; id <= 1199; ++id)
            statics.push_back(d.text(id));
        d.selectCombo(1169, 1);  // 山地: ●
        d.selectCombo(1179, 16); // 島: 〒
        d.click(1208);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(doc->runOwnCommand(33282));
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(statics, (std::vector<std::string>{"1 山地", "2 湖沼､河川､湖岸地形", "3 陸域自然地名(地域)",
                                                 "4 陸域自然地名(小対象物)", "5 海域､海岸地形", "6 島"}));
    EXPECT_EQ(Read("NpSymbol.dat"), "3,1,1\r\n3,6,16\r\n");
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[3][1], 1);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[3][6], 16);
    EXPECT_EQ(doc->placeNameClasses.m_bClassColours, 0);
}

TEST_F(PlaceNameClasses, SwitchingTheClassSavesPendingSymbolsFirst)
{
    doc->m_nGnpfValue3 = 0; // no search yet: natural names
    doc->placeNameClasses.m_anSymbolSetting[7][15] = 40; // a symbol the dialog does not know
    std::string savedBeforeSwitch;
    std::vector<std::string> publicOne;
    std::vector<std::string> publicTwo;
    script->answerDialog(kClassDialog, [&](vd::DialogDriver& d) {
        d.selectCombo(1171, 2);
        d.click(1192);
        savedBeforeSwitch = Read("NpSymbol.dat");
        publicOne = {d.text(1194), d.text(1199), d.text(1179)};
        d.click(1193);
        publicTwo = {d.text(1196), d.text(1197), d.text(1175), d.text(1179)};
        d.click(vd::IDCANCEL);
    });
    ASSERT_TRUE(doc->runOwnCommand(33281));
    EXPECT_EQ(savedBeforeSwitch, "3,2,2\r\n7,15,40\r\n");
    EXPECT_EQ(publicOne, (std::vector<std::string>{"3 建物", "15 消防署", "　"})) << "40 shows the blank";
    EXPECT_EQ(publicTwo, (std::vector<std::string>{"18 郵便局", "", "　", "　"}));
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[3][2], 17) << "Cancel leaves the document's table";
}

TEST_F(PlaceNameClasses, SubclassColoursMakeAMissingFileWithEverySection)
{
    std::string caption;
    std::vector<std::string> names;
    std::vector<std::string> paging;
    script->answerDialog(kColourDialog, [&](vd::DialogDriver& d) {
        caption = d.caption();
        for (int id = 1207; id <= 1215; ++id)
            names.push_back(d.text(id));
        paging = {d.text(1219), d.text(1220), d.text(1221)};
        EXPECT_EQ(d.text(1206), "") << "owner-drawn: no text";
        d.selectCombo(1206, 3);
        d.selectCombo(1201, 9); // white picked on purpose
        d.click(vd::IDOK);
    });
    script->answerDialog(kClassDialog, [&](vd::DialogDriver& d) {
        d.click(1201);
        d.click(vd::IDOK);
    });
    doc->m_nGnpfValue3 = 3;
    ASSERT_TRUE(doc->runOwnCommand(33281));
    EXPECT_EQ(caption, "小分類の色設定  (湖沼､河川､湖岸地形)");
    EXPECT_EQ(names, (std::vector<std::string>{"1 湖､沼､池､潟､人工湖､沼､浦（水部）", "2 河川､用水､運河", "3 谷､沢､峡､雪渓",
                                               "5 瀬（水部）､淵､瀞", "6 河原､洲､瀬（陸部）", "7 滝", "8 浜､浦（陸部）",
                                               "9 崎､碕､半島､尻", "10 島"}));
    EXPECT_EQ(paging, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Read("NpClrTbl.dat"),
              Cp932Lines({"行政区画名", "居住地名", "自然地名", "2,1,9", "2,6,3", "交通施設", "土地の利用景", "公共施設",
                          "＊＊＊＊"}));
}

TEST_F(PlaceNameClasses, PublicSectionIsRewrittenInPlaceAndOddLinesAreDropped)
{
    WriteFixture("NpClrTbl.dat", Cp932Lines({"; colours", "行政区画名", "1,1,4", "自然地名", "2,6,3", "",
                                             "公共施設", "3,1,5", "99,1,1", "3,70,1", "3,x,2",
                                             "3,2," + std::string(60, '7'), "＊＊＊＊", ",kept"}));
    std::vector<int> selected;
    script->answerDialog(kColourDialog, [&](vd::DialogDriver& d) {
        for (int id : {1201, 1202})
            selected.push_back(dynamic_cast<vd::ComboBox&>(d.control(id)).GetCurSel());
        d.selectCombo(1202, 7);
        d.click(vd::IDOK);
    });
    script->answerDialog(kColourDialog, [&](vd::DialogDriver& d) {
        d.selectCombo(1202, 7); // the colour already stored: no change, no save
        d.click(vd::IDOK);
    });
    script->answerDialog(kClassDialog, [&](vd::DialogDriver& d) {
        d.click(1200);
        d.click(1200);
        d.click(vd::IDOK);
    });
    doc->m_nGnpfValue3 = 6; // public part 1
    ASSERT_TRUE(doc->runOwnCommand(33281));
    EXPECT_EQ(selected, (std::vector<int>{5, 9}));
    const PlaceNameColourTable publicColours = ReadPlaceNameColours(doc->folders.m_strAppDir, 5);
    EXPECT_EQ(publicColours[3][1], 5);
    EXPECT_EQ(publicColours[3][2], 7);
    EXPECT_EQ(ReadPlaceNameColours(doc->folders.m_strAppDir, 0)[1][1], 4);
    EXPECT_EQ(ReadPlaceNameColours(doc->folders.m_strAppDir, 2)[2][6], 3);
    const std::string once = Read("NpClrTbl.dat");
    EXPECT_EQ(once.find("; colours"), std::string::npos);
    EXPECT_EQ(once, Cp932Lines({"行政区画名", "1,1,4", "居住地名", "自然地名", "2,6,3", "交通施設", "土地の利用景",
                                "公共施設", "3,1,5", "3,2,7", "＊＊＊＊", ",kept"}));
    // Saving again leaves the same bytes: the cells are not appended a second time.
    ASSERT_TRUE(SavePlaceNameColours(doc->folders.m_strAppDir, 6, publicColours));
    EXPECT_EQ(Read("NpClrTbl.dat"), once);
}

TEST_F(PlaceNameClasses, NationalBodiesPageToTheSixthPage)
{
    std::vector<std::string> firstNames;
    script->answerDialog(kColourDialog, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1219), "<<");
        EXPECT_EQ(d.text(1220), ">>");
        EXPECT_EQ(d.text(1221), "項目は次頁に続く");
        for (int page = 0; page < 7; ++page) {
            firstNames.push_back(d.text(1207));
            d.click(1220);
        }
        d.selectCombo(1218, 2); // page 5, slot 9: position 54
        d.click(1219);
        firstNames.push_back(d.text(1207));
        d.click(vd::IDOK);
    });
    script->answerDialog(kClassDialog, [&](vd::DialogDriver& d) {
        d.click(1201);
        d.click(vd::IDOK);
    });
    doc->m_nGnpfValue3 = 6;
    ASSERT_TRUE(doc->runOwnCommand(33281));
    EXPECT_EQ(firstNames, (std::vector<std::string>{"1 国会", "14 北海道開発庁", "23 検察庁", "33 農林水産省", "43 海上保安庁", "",
                                                    "", "43 海上保安庁"}));
    EXPECT_EQ(ReadPlaceNameColours(doc->folders.m_strAppDir, 5)[11][54], 2);
}

TEST(ColorComboBox, ComparesBySumThenByTheOldRule)
{
    CColorComboBox combo;
    const struct {
        vd::COLORREF first, second;
        int expected;
    } cases[] = {
        {vd::RGB(1, 2, 3), vd::RGB(1, 2, 3), 0},      {vd::RGB(0, 0, 0), vd::RGB(0, 0, 1), -1},
        {vd::RGB(9, 9, 9), vd::RGB(0, 0, 1), 1},      {vd::RGB(10, 0, 0), vd::RGB(5, 5, 0), -1},
        {vd::RGB(5, 5, 0), vd::RGB(10, 0, 0), -1},    {vd::RGB(0, 5, 5), vd::RGB(10, 0, 0), -1},
        {vd::RGB(0, 0, 10), vd::RGB(0, 5, 5), -1},    {vd::RGB(0, 10, 0), vd::RGB(0, 10, 0), 0},
        {vd::RGB(5, 0, 0), vd::RGB(0, 5, 0), -1},     {vd::RGB(0, 0, 5), vd::RGB(5, 0, 0), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(combo.CompareItem(c.first, c.second), c.expected) << c.first << " " << c.second;
    EXPECT_EQ(combo.MeasureItem(0), 20);
}

TEST(ColorComboBox, DrawsTheSwatchInsideTheItemAndTheFocusFrame)
{
    CColorComboBox combo;
    vd::ImageDc dc(30, 24);
    dc.FillSolidRect(vd::Rect{0, 0, 30, 24}, vd::RGB(255, 255, 255));
    vd::DrawItemInfo item;
    item.dc = &dc;
    item.rect = vd::Rect{0, 0, 30, 20};
    item.itemId = 3;
    item.itemData = vd::RGB(255, 0, 0);
    combo.DrawItem(item);
    EXPECT_EQ(dc.GetPixel(2, 2), vd::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(27, 17), vd::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 1), vd::RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(28, 18), vd::RGB(255, 255, 255));
    item.drawEntire = false;
    combo.DrawItem(item);
    EXPECT_EQ(dc.GetPixel(0, 0), vd::RGB(0, 0, 0)) << "the focus frame inverts the white border";
}

} // namespace
