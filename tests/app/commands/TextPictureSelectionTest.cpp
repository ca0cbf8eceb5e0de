// The text and picture selection (32892, 32896; buttons 323, 324): which registered points the
// dialog lists in each mode, its regions and divisions, and what the chosen file shows.
#include "CommandTestSupport.h"

#include "app/routes/SelectTextPictureDialog.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "tests/support/ControlPlaces.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace selecttextpictureids;

const char* const kRecords[] = {
    "京都 35.0000 135.4500 寺 c:\\Kyoto.txt",
    "大阪 34.4000 135.3000 城 c:\\Osaka.JPG c:\\osaka.txt",
    "奈良 34.4100 135.5000 鹿 c:\\nara.jpg",
    "神戸 34.4100 135.1000 港 c:\\g.alb",
    "札幌 43.0300 141.2100 市 http://x.htm",
    "函館 41.4600 140.4400 市 notes",
    "別府 33.1700 131.5500 湯 c:\\beppu.txt",
    "鳥取 35.3000 134.1400 砂丘 c:\\sakyu.bmp",
};

std::vector<std::string> ComboItems(vd::DialogDriver& d)
{
    std::vector<std::string> items;
    auto* combo = d.dialog().item<vd::ComboBox>(125);
    for (int i = 0; i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

class Selection : public DocumentCommands {
protected:
    void SetUp() override
    {
        DocumentCommands::SetUp();
        std::filesystem::create_directories(vd::applicationFolderPath() / "SOURCE");
        std::string text;
        for (const char* record : kRecords)
            text += std::string(record) + "\r\n";
        std::ofstream(vd::applicationFolderPath() / "SOURCE" / "points.dat", std::ios::binary) << vd::utf8ToCp932(text);
        doc->registered.m_strDataFile = vd::applicationFolder() + "SOURCE\\points.dat";
        doc->m_nMapDisplayMode = 10;
    }
    void Answer(vd::ui::Script::DialogActions actions) { script->answerDialog(vd::ui::kProgramModule, 136, std::move(actions)); }
};

} // namespace

TEST_F(Selection, TextsAreListedByRegionAndTheChosenOneIsShownAsATextPage)
{
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  　　　　　    テキストの選択");
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"京都/寺", "大阪/城", "別府/湯"}));
        EXPECT_EQ(d.text(IDC_COUNT), "登録数=3");
        EXPECT_EQ(d.text(IDC_REGION), "全国");
        d.click(IDC_HOKKAIDO);
        EXPECT_EQ(d.text(IDC_COUNT), "登録数=0");
        d.click(IDC_KYUSHU_OKINAWA); // reaches 131.5900 here
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"別府/湯"}));
        d.click(IDC_ALL_REGIONS);
        d.selectCombo(IDC_LIST, 1);
        EXPECT_EQ(d.text(IDC_LATITUDE), "34.4000");
        EXPECT_EQ(d.text(IDC_LONGITUDE), "135.3000");
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "c:\\osaka.txt");
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "");
        d.click(vd::IDOK);
    });
    Run(32892);
    EXPECT_EQ(doc->registered.m_strSelectedEntry, "大阪/城");
    EXPECT_EQ(doc->registered.m_strSelectedName, "大阪");
    EXPECT_EQ(doc->registered.m_strRegionName, "全国");
    EXPECT_EQ(doc->m_strEntryParam, "c:\\osaka.txt");
    EXPECT_EQ(doc->entry.m_strTextPageFile, "c:\\osaka.txt");
    EXPECT_EQ(doc->m_nMapDisplayMode, 19);
    EXPECT_EQ(redraws, 1);

    // The last choice is selected again; a double click chooses at once; the dialog form of texts.
    doc->environment.m_strTextAppear = "Dialog";
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "c:\\osaka.txt");
        d.doubleClickCombo(IDC_LIST, 0);
        EXPECT_TRUE(d.ended());
    });
    Run(32892);
    EXPECT_EQ(doc->registered.m_strSelectedEntry, "京都/寺");
    EXPECT_EQ(doc->m_strEntryParam, "c:\\kyoto.txt");
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
}

TEST_F(Selection, PicturesAreListedWithTheirTextAndShownByKind)
{
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  　　　　　    画像の選択");
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"大阪/城 ", "奈良/鹿 ", "鳥取/砂丘 "}));
        d.selectCombo(IDC_LIST, 0);
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "c:\\Osaka.JPG");
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "c:\\osaka.txt");
        d.click(vd::IDOK);
    });
    Run(32896);
    EXPECT_EQ(doc->m_strEntryTitle, "大阪");
    EXPECT_EQ(doc->entry.m_strEntryItem, "城 ");
    EXPECT_EQ(doc->entry.m_strEntryTarget, "c:\\Osaka.JPG");
    EXPECT_EQ(doc->m_strEntryParam, "");
    EXPECT_EQ(doc->m_nFileKind, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 17);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);

    // A bitmap is shown by the view's own picture mode.
    Answer([](vd::DialogDriver& d) {
        d.selectCombo(IDC_LIST, 2);
        d.click(vd::IDOK);
    });
    Run(32896);
    EXPECT_EQ(doc->entry.m_strEntryTarget, "c:\\sakyu.bmp");
    EXPECT_EQ(doc->m_nMapDisplayMode, 14);
}

TEST_F(Selection, CancelKeepsTheDisplayAndRestoresAnErasedMap)
{
    Answer([](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    doc->repaint.m_nSavedMapDisplayMode = 10;
    doc->repaint.m_bMapErasedByDialog = 1;
    Run(32896);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->repaint.m_bMapErasedByDialog, 0);
    EXPECT_EQ(redraws, 1);
    Answer([](vd::DialogDriver& d) { d.click(vd::IDOK); }); // OK without a choice
    Run(32892);
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
}

TEST_F(Selection, DivisionsNarrowTheListAndAreEditedThroughTheDivisionDialog)
{
    doc->registered.m_astrDivName[1] = "関西";
    doc->registered.m_astrDivSwY[1] = "34.3000";
    doc->registered.m_astrDivSwX[1] = "135.0000";
    doc->registered.m_astrDivNeY[1] = "34.5000";
    doc->registered.m_astrDivNeX[1] = "135.4000";
    doc->m_strFrameNorth = "35.1000";
    doc->m_strFrameSouth = "34.5000";
    doc->m_strFrameWest = "135.0000";
    doc->m_strFrameEast = "136.0000";
    const std::string firstName = doc->registered.m_astrDivName[0];
    // The division dialog renames the first division; its cancel keeps the names.
    auto renameFirst = [this] {
        script->answerDialog(vd::ui::kProgramModule, 143, [](vd::DialogDriver& d) {
            d.focus(regiondivisionids::kNameEdits[0]);
            d.setText(regiondivisionids::kNameEdits[0], "北陸");
            d.focus(regiondivisionids::kNameEdits[1]);
            d.click(vd::IDOK);
        });
    };
    renameFirst();
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kDivisionButtons[1]), "関西");
        d.click(kDivisionButtons[1]);
        EXPECT_EQ(d.text(IDC_REGION), "関西");
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"大阪/城"}));
        d.click(IDC_SHOWN_MAP);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"京都/寺"}));
        d.click(IDC_DIVISION_SETTINGS);
        EXPECT_EQ(d.text(kDivisionButtons[0]), "北陸");
        d.click(vd::IDCANCEL);
    });
    Run(32892);
    EXPECT_EQ(doc->registered.m_astrDivName[0], firstName) << "a cancelled selection takes nothing back";
    renameFirst();
    Answer([](vd::DialogDriver& d) {
        d.click(IDC_DIVISION_SETTINGS);
        d.selectCombo(IDC_LIST, 0);
        d.click(vd::IDOK);
    });
    Run(32892);
    EXPECT_EQ(doc->registered.m_astrDivName[0], "北陸");
    EXPECT_EQ(doc->registered.m_nDivisionEdited, 1);
}

namespace {

// Each field has its label right before it on its line, and the list stands on lines of its own
// (it once drew the longitude's label up to the middle of the list, far above its field).
TEST_F(Selection, EachFieldHasItsLabelBesideIt)
{
    Answer([](vd::DialogDriver& d) {
        struct Labelled {
            const char* label;
            int field;
        };
        const vd::Rect list = d.control(IDC_LIST).GetWindowRect();
        for (const Labelled& l : {Labelled{"緯度", IDC_LATITUDE}, Labelled{"経度", IDC_LONGITUDE},
                                  Labelled{"ﾃｷｽﾄ", IDC_TEXT_FILE}, Labelled{"画像", IDC_PICTURE_FILE}}) {
            const auto label = controlplaces::labelPlace(d.dialog(), l.label);
            ASSERT_TRUE(label) << l.label;
            const vd::Rect field = d.control(l.field).GetWindowRect();
            EXPECT_TRUE(controlplaces::onOneLine(*label, field)) << l.label;
            EXPECT_LE(label->right, field.left) << l.label;
            EXPECT_LT(field.left - label->right, 30) << l.label;
            EXPECT_FALSE(controlplaces::overlap(field, list)) << l.label;
            EXPECT_FALSE(controlplaces::overlap(*label, list)) << l.label;
        }
        d.click(vd::IDCANCEL);
    });
    Run(32892);
}

} // namespace
