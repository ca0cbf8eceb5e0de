#include "SheetIndexFixture.h"
#include "ViewTestSupport.h"

#include "basemap/sheetindex/SheetSelectTemplate.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "view/window/ViewMessages.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;

// Stands in for the view: it hears the dialog's end and destroys a cancelled dialog.
class ViewStandIn : public vd::Dialog {
public:
    ViewStandIn() : vd::Dialog(9310) {}
    std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) override
    {
        if (message == WM_VIEWDIALOGDONE) {
            done.push_back(int(wParam));
            applied += HandleSheetDialogDone(*sheets);
        }
        return 0;
    }
    CDlgSheetSelect* sheets = nullptr;
    std::vector<int> done;
    int applied = 0;
};

class SheetSelect : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::ui::DialogTemplate owner;
        owner.id = 9310;
        owner.controls = {vd::ui::ltext(vd::IDC_STATIC, "view")};
        vd::ui::registerTemplates(vd::ui::kProgramModule, {owner});
        WriteHomeFile("BlcMap20.idx", SmallIndex());
        indexPath = vd::applicationFolder() + "BlcMap20.idx";
    }
    static std::vector<std::string> Entries(const CDlgSheetSelect& dialog)
    {
        std::vector<std::string> names;
        auto* combo = dialog.item<vd::ComboBox>(sheetselect::IDC_SHEET_COMBO);
        for (int i = 0; i < combo->GetCount(); ++i)
            names.push_back(combo->GetLBText(i));
        return names;
    }
    std::shared_ptr<vd::ui::Script> script;
    std::string indexPath;
};

TEST_F(SheetSelect, TheOfferedLines)
{
    std::vector<std::string> names;
    for (const SheetIndexLine& line : ReadSheetSelectLines(indexPath, false))
        names.push_back(line.NameColumns());
    // No comment, no marked sheet, and the rest of the over-long line is no sheet.
    EXPECT_EQ(names, (std::vector<std::string>{"東京湾      ", "東京        ", "長野 西部   ", "宇都宮      ",
                                               "甲府        ", "千葉        ", "銚子        ", "館山        ",
                                               "輪島        ", "高山        ", "八丈島      "}));
    EXPECT_EQ(ReadSheetSelectLines(indexPath, true).size(), 12u);
    EXPECT_TRUE(ReadSheetSelectLines(vd::applicationFolder() + "none.idx", false).empty());
}

TEST_F(SheetSelect, ModelessListsARegionAndReportsItsEnd)
{
    ViewStandIn view;
    ASSERT_TRUE(view.Create());
    CDlgSheetSelect dialog(CDlgSheetSelect::ModelessTag{}, &view);
    view.sheets = &dialog;
    dialog.m_astrIndexLine = ReadSheetSelectLines(indexPath, false);
    dialog.m_strRegion = "関東信越";
    dialog.m_strChosenName = "宇都宮      ";
    dialog.m_nModeless = 1;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(vd::SW_SHOW);
    vd::DialogDriver d(dialog);
    EXPECT_EQ(d.text(sheetselect::IDC_REGION_NAME), "関東信越");
    // North of 38 degrees and west of 138 degrees are outside the region.
    EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"東京湾      ", "東京        ", "長野 西部   ", "宇都宮      ",
                                                         "甲府        ", "千葉        ", "銚子        ", "館山        ",
                                                         "八丈島      "}));
    EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=9");
    EXPECT_EQ(dialog.item<vd::ComboBox>(sheetselect::IDC_SHEET_COMBO)->GetCurSel(), 3)
        << "the current sheet is preselected";

    d.selectCombo(sheetselect::IDC_SHEET_COMBO, 5);
    EXPECT_EQ(dialog.m_nChosenLine, 5);
    EXPECT_EQ(dialog.m_strChosenName, "千葉        ");
    EXPECT_EQ(d.text(sheetselect::IDC_LATITUDE), "35.2000 ");
    EXPECT_EQ(d.text(sheetselect::IDC_LONGITUDE), "140.0000") << "the line ends with the longitude";
    d.click(vd::IDOK);
    EXPECT_TRUE(view.done.empty()) << "posted, not sent";
    vd::ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1}));
    EXPECT_EQ(dialog.m_nModeless, 2);
    EXPECT_EQ(view.applied, 1);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "an accepted dialog stays open";

    d.click(sheetselect::IDC_FIRST_REGION + 4);
    EXPECT_EQ(d.text(sheetselect::IDC_REGION_NAME), "中国四国");
    EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=0");
    d.click(sheetselect::IDC_FIRST_REGION + 3);
    EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"輪島        ", "高山        "}))
        << "137.0000 in, 138.0000 out";
    d.click(sheetselect::IDC_LAST_REGION);
    EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=11");

    d.pressEscape();
    vd::ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1, 2}));
    EXPECT_EQ(dialog.m_nModeless, 3);
    EXPECT_FALSE(dialog.IsWindow()) << "the view destroys a cancelled dialog";
}

TEST_F(SheetSelect, TheFirstSheetCanBeChosen)
{
    ViewStandIn view;
    ASSERT_TRUE(view.Create());
    CDlgSheetSelect dialog(CDlgSheetSelect::ModelessTag{}, &view);
    view.sheets = &dialog;
    dialog.m_astrIndexLine = ReadSheetSelectLines(indexPath, false);
    dialog.m_strChosenName = "東京湾      ";
    dialog.m_nModeless = 1;
    ASSERT_TRUE(dialog.Create());
    vd::DialogDriver d(dialog);
    EXPECT_EQ(dialog.item<vd::ComboBox>(sheetselect::IDC_SHEET_COMBO)->GetCurSel(), 0);
    d.selectCombo(sheetselect::IDC_SHEET_COMBO, 0);
    EXPECT_EQ(dialog.m_nChosenLine, 0);
    EXPECT_EQ(d.text(sheetselect::IDC_LATITUDE), "34.4000 ");
    EXPECT_EQ(d.text(sheetselect::IDC_LONGITUDE), "139.0000 ");
    // A double click accepts at once.
    d.doubleClickCombo(sheetselect::IDC_SHEET_COMBO, 8);
    vd::ui::processPendingEvents();
    EXPECT_EQ(dialog.m_strChosenName, "輪島        ");
    EXPECT_EQ(view.done, (std::vector<int>{1}));
}

TEST_F(SheetSelect, ModalChoiceByDoubleClick)
{
    script->answerDialog(CDlgSheetSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "1/20万地勢図を指定する");
        EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=11");
        d.doubleClickCombo(sheetselect::IDC_SHEET_COMBO, 3);
    });
    CDlgSheetSelect dialog(nullptr);
    dialog.m_astrIndexLine = ReadSheetSelectLines(indexPath, false);
    EXPECT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.m_strChosenName, "宇都宮      ");
    EXPECT_EQ(dialog.m_strRegion, "全国");

    script->answerDialog(CDlgSheetSelect::IDD, [](vd::DialogDriver& d) {
        d.selectCombo(sheetselect::IDC_SHEET_COMBO, 1);
        d.click(vd::IDCANCEL);
    });
    CDlgSheetSelect cancelled(nullptr);
    cancelled.m_astrIndexLine = ReadSheetSelectLines(indexPath, false);
    EXPECT_EQ(cancelled.DoModal(), vd::IDCANCEL);
}

TEST_F(SheetSelect, EverySheetOfALargeIndexIsListed)
{
    std::string text;
    for (int i = 0; i < 2300; ++i)
        text += IndexLine(vd::format("S%04d", i), vd::format("%02d.%02d00", 24 + i / 100, (i % 3) * 20),
                          vd::format("%03d.0000", 122 + i % 27)) + "\r\n";
    WriteHomeFile("BlcMap20.idx", vd::utf8ToCp932(text));
    CDlgSheetSelect dialog(nullptr);
    dialog.m_astrIndexLine = ReadSheetSelectLines(indexPath, false);
    ASSERT_EQ(dialog.m_astrIndexLine.size(), 2300u);
    script->answerDialog(CDlgSheetSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=2300");
        d.doubleClickCombo(sheetselect::IDC_SHEET_COMBO, 2299);
    });
    EXPECT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.m_nChosenLine, 2299);
}

} // namespace
