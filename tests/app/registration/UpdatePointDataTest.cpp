// The update of a detailed map's point: the document fills the update dialog (132) from the data
// file, the user narrows the list by region or division, picks, edits, deletes or ends the
// update, and the document rewrites the line.
#include "RegistrationTestSupport.h"

#include "app/document/ProfileWriter.h"
#include "app/registration/PointRecordText.h"
#include "app/registration/UpdatePointDataDialog.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/Controls.h"
#include "tests/support/FileSizeLimit.h"

using namespace registrationtest;

namespace {

using namespace updatepointids;

const std::vector<std::string> kPoints = {
    "; 登録地点",
    "札幌 43.0330 141.2100 観光 c:\\memo\\sapporo.txt",
    "仙台 38.1600 140.5200 城 c:\\pic\\sendai.jpg c:\\memo\\sendai.txt",
    "東京 35.4100 139.4500 駅 c:\\memo\\tokyo.txt",
    "那覇 26.1300 127.4100 海",
};

std::vector<std::string> ListTexts(vd::DialogDriver& d)
{
    auto& list = dynamic_cast<vd::ListBox&>(d.control(IDC_LIST));
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetText(i));
    return texts;
}

TEST(UpdateListEntry, RecordsBecomeEntriesAndBack)
{
    EXPECT_EQ(UpdateListEntryOf("仙台 38.1600 140.5200 城 c:\\a.jpg c:\\b.txt").text,
              "仙台/城@c:\\a.jpg$38.1600$140.5200$c:\\b.txt");
    EXPECT_EQ(UpdateListEntryOf("那覇 26.1300 127.4100 海").text, "那覇/海@$26.1300$127.4100");
    const PointEntryFields swapped = ParseUpdateListEntry("仙台/城@c:\\a.JPG$38.1600$140.5200$c:\\b.txt");
    EXPECT_EQ(swapped.textFile, "c:\\b.txt") << "a picture in the first file changes places";
    EXPECT_EQ(swapped.pictureFile, "c:\\a.JPG");
    EXPECT_EQ(swapped.latitude, "38.1600");
    const PointEntryFields stars = ParseUpdateListEntry("/@x.txt$1$2");
    EXPECT_EQ(stars.name, "****");
    EXPECT_EQ(stars.item, "****");
    EXPECT_EQ(WithoutFieldBlanks("New York"), "New\u3000York");
}

TEST_F(Registration, RegionsNarrowTheListAndTheClickIsShownOnce)
{
    WriteDataFile(kPoints);
    script->answerDialog(132, [](vd::DialogDriver& d) {
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"札幌/観光", "仙台/城", "東京/駅", "那覇/海"}));
        EXPECT_EQ(d.text(IDC_COUNT), "ﾌｧｲﾙ数=4");
        EXPECT_EQ(d.text(IDC_REGION), "全国");
        // Preselected by the file name, with the click's coordinates.
        EXPECT_EQ(dynamic_cast<vd::ListBox&>(d.control(IDC_LIST)).GetCurSel(), 2);
        EXPECT_EQ(d.text(IDC_NAME), "東京");
        EXPECT_EQ(d.text(IDC_LATITUDE), "35.5000");
        EXPECT_EQ(d.text(IDC_LONGITUDE), "139.5000");
        d.click(IDC_HOKKAIDO);
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"札幌/観光"}));
        EXPECT_EQ(d.text(IDC_COUNT), "ﾌｧｲﾙ数=1");
        d.selectList(IDC_LIST, 0);
        EXPECT_EQ(d.text(IDC_LATITUDE), "43.0330") << "the click was applied once";
        // A division named like a fixed region wins over the fixed bounds.
        d.click(IDC_TOHOKU);
        EXPECT_EQ(d.text(IDC_REGION), "東北");
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"東京/駅"}));
        d.click(IDC_FIRST_DIVISION);
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"東京/駅"}));
        d.click(vd::IDCANCEL);
    });
    doc->registered.m_astrDivName[0] = "東北";
    doc->registered.m_astrDivSwY[0] = "35.0000";
    doc->registered.m_astrDivNeY[0] = "36.0000";
    doc->registered.m_astrDivSwX[0] = "139.0000";
    doc->registered.m_astrDivNeX[0] = "140.0000";
    const std::string before = DataBytes();
    EXPECT_EQ(doc->RegisterPointData("全国", "tokyo.txt", "MK_LBUTTON", "139.5000", "35.5000"), "cancel");
    EXPECT_EQ(DataBytes(), before);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 2);
}

TEST_F(Registration, APickedPointIsRewrittenOnOk)
{
    WriteDataFile(kPoints);
    int openWhileUp = -1;
    script->answerDialog(132, [&](vd::DialogDriver& d) {
        openWhileUp = doc->repaint.m_bDialogOpen;
        EXPECT_EQ(d.text(IDC_NAME), "札幌") << "an empty key preselects the first entry";
        d.selectList(IDC_LIST, 1);
        EXPECT_EQ(d.text(IDC_NAME), "仙台");
        d.setText(IDC_NAME, "仙台 駅前");
        d.setText(IDC_LATITUDE, "38.1630");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "");
    EXPECT_EQ(openWhileUp, 1);
    EXPECT_EQ(doc->repaint.m_bDialogOpen, 0);
    std::vector<std::string> expected = kPoints;
    expected[2] = "仙台\u3000駅前 38.1630 140.5200 城 c:\\pic\\sendai.jpg c:\\memo\\sendai.txt";
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines(expected));
}

TEST_F(Registration, NothingIsWrittenWithoutAFileAndTheEndButtonEndsTheMode)
{
    WriteDataFile(kPoints);
    const std::string before = DataBytes();
    script->answerDialog(132, [](vd::DialogDriver& d) {
        d.selectList(IDC_LIST, 3); // 那覇: no file
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "");
    EXPECT_EQ(DataBytes(), before);

    script->answerDialog(132, [](vd::DialogDriver& d) { d.click(IDC_END_UPDATE); });
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "cancel");
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(DataBytes(), before);
}

TEST_F(Registration, ChoosersFillTheFileFields)
{
    WriteDataFile(kPoints);
    Answer("OnPictureFileDialog", "");
    script->cancelFileDialog();
    script->answerFileDialog("Z:\\Data\\New.TXT");
    script->answerDialog(132, [](vd::DialogDriver& d) {
        d.click(IDC_PICTURE_CHOOSER);
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "") << "a cancelled picture chooser changes nothing";
        d.click(IDC_TEXT_CHOOSER);
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "") << "a cancelled text chooser empties the field";
        d.click(IDC_TEXT_CHOOSER);
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "z:\\data\\new.txt");
        d.click(vd::IDCANCEL);
    });
    doc->RegisterPointData("全国", "", "", "", "");
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    EXPECT_EQ(script->fileDialogs()[0].filter,
              "地点 files (*.txt)|*.txt|WebPage (*.htm)|*.htm|WebPage (*.html)|*.html|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "txt");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.txt");
    EXPECT_EQ(script->beeps(), 2);
    EXPECT_NE(FakeLog().find("OnPictureFileDialog()"), std::string::npos);
}

TEST_F(Registration, DeletionKeepsEveryOtherLineAsItWas)
{
    // A first line, a long line, an empty line and lines past the 4999th.
    std::string bytes = userdatatest::Cp932Lines({"札幌 43.0330 141.2100 観光 c:\\memo\\sapporo.txt",
                                                  "長い " + std::string(300, 'x') + " 1 c:\\long.txt", ""});
    for (int i = 0; i < 5000; ++i)
        bytes += "p" + std::to_string(i) + " 35.0000 135.0000 x\r\n";
    bytes += userdatatest::Cp932Lines({"東京 35.4100 139.4500 駅 c:\\memo\\tokyo.txt"});
    WriteDataBytes(bytes);
    script->answerDialog(132, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_NAME), "札幌");
        d.click(IDC_DELETE_LINE);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "sapporo.txt", "", "", ""), "deleate");
    EXPECT_EQ(doc->pointer.m_nMouseTool, 2);
    std::string expected = userdatatest::Cp932Lines({"長い " + std::string(300, 'x') + " 1 c:\\long.txt"});
    for (int i = 0; i < 5000; ++i)
        expected += "p" + std::to_string(i) + " 35.0000 135.0000 x\r\n";
    const std::string tokyo = userdatatest::Cp932Lines({"東京 35.4100 139.4500 駅 c:\\memo\\tokyo.txt"});
    EXPECT_TRUE(DataBytes() == "\r\n" + expected + tokyo) << "the first line leaves a lone CR LF; the empty line goes";

    // A point past the list's bound is deleted too, through its file name and name.
    script->answerDialog(132, [](vd::DialogDriver& d) {
        d.setText(IDC_TEXT_FILE, "c:\\memo\\tokyo.txt");
        d.setText(IDC_NAME, "東京");
        d.click(IDC_DELETE_LINE);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "deleate");
    EXPECT_TRUE(DataBytes() == expected) << "empty lines are not written back";
}

TEST_F(Registration, ADeletionWithoutAMatchingLineIsToldAndTheDialogStays)
{
    WriteDataFile(kPoints);
    const std::string before = DataBytes();
    bool stayed = false;
    script->answerDialog(132, [&](vd::DialogDriver& d) {
        d.setText(IDC_NAME, "大阪");
        d.click(IDC_DELETE_LINE);
        stayed = !d.ended();
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "cancel");
    EXPECT_TRUE(stayed);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "データファイルにこの地点の行がありません。");
    EXPECT_EQ(DataBytes(), before);
}

TEST_F(Registration, ADeletionThatCannotBeWrittenIsToldAndTheFileStays)
{
    std::vector<std::string> lines = kPoints;
    for (int i = 0; i < 60; ++i)
        lines.push_back("点" + std::to_string(i) + " 35.0000 135.0000 項目 c:\\memo\\p.txt");
    WriteDataFile(lines);
    const std::string before = DataBytes();
    bool stayed = false;
    script->answerDialog(132, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_NAME), "札幌");
        {
            testsupport::FileSizeLimit limit(1024);
            d.click(IDC_DELETE_LINE);
        }
        stayed = !d.ended();
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(doc->RegisterPointData("全国", "sapporo.txt", "", "", ""), "cancel");
    EXPECT_TRUE(stayed);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "データファイルを書き換えられません: " + doc->registered.m_strDataFile);
    EXPECT_EQ(DataBytes(), before);
}

TEST_F(Registration, EditedDivisionsComeBackToTheDocument)
{
    WriteDataFile(kPoints);
    script->answerDialog(143, [](vd::DialogDriver& d) {
        d.setText(regiondivisionids::IDC_SW_LATITUDE, "33.0000"); // before any name had the focus: region 1
        d.focus(regiondivisionids::kNameEdits[1]);
        EXPECT_EQ(d.text(regiondivisionids::IDC_FOCUS_CAPTION), "地域(2)");
        d.setText(regiondivisionids::kNameEdits[1], "近所");
        d.setText(regiondivisionids::IDC_SW_LONGITUDE, "135.0000");
        d.setText(regiondivisionids::IDC_NE_LONGITUDE, "136.0000");
        d.click(vd::IDOK);
    });
    script->answerDialog(132, [](vd::DialogDriver& d) {
        d.click(IDC_DIVISION_SETTINGS);
        EXPECT_EQ(d.text(IDC_FIRST_DIVISION + 1), "近所");
        d.click(vd::IDOK);
    });
    doc->registered.m_nDivisionEdited = -1;
    EXPECT_EQ(doc->RegisterPointData("全国", "", "", "", ""), "");
    EXPECT_EQ(doc->registered.m_nDivisionEdited, 1);
    EXPECT_EQ(doc->registered.m_astrDivSwY[0], "33.0000");
    EXPECT_EQ(doc->registered.m_astrDivName[1], "近所");
    EXPECT_EQ(doc->registered.m_astrDivSwX[1], "135.0000");
    EXPECT_EQ(doc->registered.m_astrDivNeX[1], "136.0000");
    // Written to the profile's Division section when the document ends.
    ProfileStoreWriter profile;
    doc->WriteSettingsBack(profile);
    ASSERT_TRUE(profile.commit());
    EXPECT_EQ(vd::ProfileStore().getString("Division", "Div1", ""), "近所");
    EXPECT_EQ(vd::ProfileStore().getString("Division", "swY0", ""), "33.0000");

    // A cancelled division dialog leaves the document's divisions alone.
    doc->registered.m_nDivisionEdited = -1;
    const std::string firstName = doc->registered.m_astrDivName[0];
    script->answerDialog(143, [](vd::DialogDriver& d) {
        d.setText(regiondivisionids::kNameEdits[0], "別");
        d.click(vd::IDCANCEL);
    });
    script->answerDialog(132, [](vd::DialogDriver& d) {
        d.click(IDC_DIVISION_SETTINGS);
        d.click(vd::IDOK);
    });
    doc->RegisterPointData("全国", "", "", "", "");
    EXPECT_EQ(doc->registered.m_nDivisionEdited, -1);
    EXPECT_EQ(doc->registered.m_astrDivName[0], firstName);
}

} // namespace
