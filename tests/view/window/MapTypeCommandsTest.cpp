// The view's map-type, data-check, block-size and tint-sheet commands through the frame's message
// map, as the menus and the Page Up / Page Down keys send them.
#include "MapViewFixture.h"

#include "app/document/VeldoranDoc.h"
#include "view/navigation/ViewNavigation.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace viewtest;

class MapTypeCommands : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 9;
    }
    int Check(int id)
    {
        vd::CmdUI ui(id);
        EXPECT_TRUE(view->routeUpdate(ui));
        return ui.checked.value_or(0);
    }
    // The sheet buttons of a block and the 他地域 button, as a sheet map shows them.
    void ShowSheetButtons()
    {
        for (int n = 1; n <= 9; ++n)
            view->m_pNavigation->SetNumberedButton(n, "n" + std::to_string(n), 0, 0, 40, 20);
        ShowButtons({12});
    }
    static std::vector<std::string> SheetButtons()
    {
        return {"#1 n1", "#2 n2", "#3 n3", "#4 n4", "#5 n5", "#6 n6", "#7 n7", "#8 n8", "#9 n9", "12 k12"};
    }
};

TEST_F(MapTypeCommands, JapanMapAndDataCheck)
{
    doc->position.m_nPrefectureSel = 3;
    doc->position.m_nMapFigure = 1;
    doc->statistics.m_nShow = 5;
    doc->menus.m_nGuideMapIndex = 2;
    doc->pointer.m_nMouseDrag = 0;
    EXPECT_EQ(Check(ID_JAPAN_MAP), 0);
    ShowSheetButtons();
    ASSERT_TRUE(frame->ExecuteCommand(ID_JAPAN_MAP));
    EXPECT_EQ(ShownButtons(), std::vector<std::string>{"12 k12"}) << "the sheet buttons go";
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(doc->position.m_nMapFigure, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, -1);
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 1);
    EXPECT_EQ(Check(ID_JAPAN_MAP), 1);
    EXPECT_EQ(Check(ID_SHEET_MAP_TYPE), 0);
    doc->position.m_nPrefectureSel = 4;
    EXPECT_EQ(Check(ID_JAPAN_MAP), 0);

    ShowSheetButtons();
    doc->position.m_nMapType = 3;
    ASSERT_TRUE(frame->ExecuteCommand(ID_JAPAN_MAP));
    EXPECT_EQ(ShownButtons(), SheetButtons()) << "a regional map keeps its sheet buttons";

    doc->repaint.m_bMapOnScreen = 1;
    ASSERT_TRUE(frame->ExecuteCommand(ID_DATA_CHECK));
    EXPECT_TRUE(ShownButtons().empty());
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 7);
    EXPECT_EQ(frame->GetWindowText(), "登録データ分布図");
}

TEST_F(MapTypeCommands, SheetMapTypeAndPrefectureData)
{
    EXPECT_EQ(Check(ID_SHEET_MAP_TYPE), 1);
    doc->position.m_nMapType = 2;
    ShowSheetButtons();
    ASSERT_TRUE(frame->ExecuteCommand(ID_SHEET_MAP_TYPE));
    EXPECT_EQ(ShownButtons(), std::vector<std::string>{"12 k12"});

    // The statistics display runs (here without Surrick's dialog, so nothing new is chosen): a
    // prefecture map chosen before takes the sheet map's buttons away; none chosen changes nothing.
    for (int chosen : {3, -1}) {
        ShowSheetButtons();
        doc->statistics.m_nShow = chosen;
        doc->position.m_nMapType = 1;
        ASSERT_TRUE(frame->ExecuteCommand(ID_PREFECTURE_DATA));
        EXPECT_EQ(ShownButtons(), chosen == -1 ? SheetButtons() : std::vector<std::string>{}) << chosen;
        EXPECT_EQ(doc->statistics.m_nShow, chosen);
    }
}

TEST_F(MapTypeCommands, PageUpAndDownStepTheBlockSize)
{
    // The key presses the block-size button (327 flips one sheet and the block, 334 and 335 the
    // block's size); where the block cannot change that way the command is greyed and its key
    // does nothing.
    const struct {
        int id, mapType, frame, sheets;
        int frameAfter, sheetsAfter;
    } cases[] = {
        {ID_FEWER_SHEETS, 1, 2, 9, 1, 9},   {ID_FEWER_SHEETS, 1, 2, 25, 2, 9},  {ID_FEWER_SHEETS, 1, 2, 49, 2, 25},
        {ID_FEWER_SHEETS, 1, 1, 9, 1, 9},   {ID_FEWER_SHEETS, 2, 2, 9, 2, 9},   {ID_MORE_SHEETS, 1, 1, 9, 2, 9},
        {ID_MORE_SHEETS, 1, 2, 9, 2, 25},   {ID_MORE_SHEETS, 1, 2, 25, 2, 49},  {ID_MORE_SHEETS, 1, 2, 49, 2, 49},
        {ID_MORE_SHEETS, 4, 1, 9, 1, 9},
    };
    for (const auto& c : cases) {
        doc->m_nMapDisplayMode = 10;
        doc->position.m_nMapType = c.mapType;
        doc->position.m_nMapFrame = c.frame;
        doc->position.m_nMapMode = c.sheets;
        const bool changes = c.frameAfter != c.frame || c.sheetsAfter != c.sheets;
        EXPECT_EQ(frame->ExecuteCommand(c.id), changes) << c.id << " " << c.mapType << " " << c.frame << " " << c.sheets;
        EXPECT_EQ(doc->position.m_nMapFrame, c.frameAfter)
            << c.id << " " << c.mapType << " " << c.frame << " " << c.sheets;
        EXPECT_EQ(doc->position.m_nMapMode, c.sheetsAfter)
            << c.id << " " << c.mapType << " " << c.frame << " " << c.sheets;
        EXPECT_EQ(doc->position.m_nMapType, c.mapType);
    }
}

// A .sem file of one record (row 1, all 1500 m) after its header.
std::string SemFile()
{
    std::string record = "533901001";
    for (int i = 0; i < 320; ++i)
        record += "01500";
    return std::string(1009, 'H') + "\r\n" + record + "\r\n";
}

TEST_F(MapTypeCommands, TintMapMakesTheGreyscaleSheetsOnce)
{
    WriteHomeFile("SEMDIR/5339.sem", SemFile());
    std::filesystem::remove_all(doctest::Home() / "MAPFGRS");
    script->answerFileDialog(doc->folders.m_strAppDir + "SemDir\\5339.SEM");
    ASSERT_TRUE(frame->ExecuteCommand(ID_TINT_MAP));
    ASSERT_EQ(script->fileDialogs().size(), 1u);
    EXPECT_EQ(script->fileDialogs()[0].filter, "Sem files (*.sem)|*.sem|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "sem");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.sem");
    EXPECT_NE(script->fileDialogs()[0].title.find("標高メッシュファイル (*.sem)"), std::string::npos)
        << "the dialog says what it asks for";
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "グレースケール地図（段彩用）が作成されました！");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    // The sheet index's three sheets: 5339 from its file, the other two black.
    for (const char* name : {"5339.bmp", "5235.bmp", "5436.bmp"})
        EXPECT_EQ(std::filesystem::file_size(doctest::Home() / "MAPFGRS" / name), 26678u) << name;

    // Chosen again from a folder without mesh files: every sheet has its bitmap, none is written.
    script->answerFileDialog(doc->folders.m_strAppDir + "ELSEWHERE\\5339.sem");
    ASSERT_TRUE(frame->ExecuteCommand(ID_TINT_MAP));
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_EQ(script->messageBoxes()[1].text, "グレースケール地図（段彩用）を作成できませんでした！");
}

TEST_F(MapTypeCommands, TintMapCancelledDoesNothing)
{
    doc->m_nMapDisplayMode = 10;
    ASSERT_TRUE(frame->ExecuteCommand(ID_TINT_MAP));
    EXPECT_TRUE(script->messageBoxes().empty());
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

} // namespace
