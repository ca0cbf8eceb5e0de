// 地図の表示仕様 run by the document: each page answered through the script,
// the document's members checked afterwards, and what is drawn again.
#include "../doc/DocumentTestSupport.h"
#include "app/document/VeldoranDoc.h"
#include "app/settings/MapDisplaySpecDialog.h"
#include "platform/ui/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

using namespace mapspecids;
enum Tab { kPlaceNames, kPoints, kMap, kDistance };

class MapDisplaySpecRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        InstallFakeEditor();
        doc = std::make_unique<CVeldoranDoc>();
        doc->m_fnUpdateAllViews = [this] { ++updates; };
        doc->m_astrMapEntry[15] = "東京";
        doc->m_nMapDisplayMode = 10;
    }
    // Runs the dialog with the actions, opened on a tab.
    void RunSpec(int tab, std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog(CDlgMapDisplaySpec::IDD, [tab, actions](vd::DialogDriver& d) {
            d.selectTab(IDC_TAB, tab);
            actions(d);
        });
        doc->EditMapDisplaySpec();
    }
    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
    int updates = 0;
};

TEST_F(MapDisplaySpecRun, CancelChangesNothingAndDrawsNothing)
{
    const MapDisplaySpec before = ReadMapDisplaySpec(*doc);
    int openDuringRun = 0;
    script->answerDialog(CDlgMapDisplaySpec::IDD, [&](vd::DialogDriver& d) {
        openDuringRun = doc->m_bLayerDialogOpen;
        EXPECT_EQ(d.caption(), "地図の表示仕様");
        for (int tab : {kPlaceNames, kPoints, kMap, kDistance})
            d.selectTab(IDC_TAB, tab);
        d.click(215);
        d.click(1124);
        d.setText(1147, "温泉");
        d.click(1128);
        d.click(1198);
        d.selectCombo(1049, 0);
        d.click(IDC_POINTER_COORDS);
        d.click(vd::IDCANCEL);
    });
    doc->EditMapDisplaySpec();
    EXPECT_EQ(openDuringRun, 1);
    EXPECT_EQ(doc->m_bLayerDialogOpen, 0);
    const MapDisplaySpec after = ReadMapDisplaySpec(*doc);
    EXPECT_FALSE(MapDisplayChanged(before, after));
    EXPECT_EQ(after.distance.city.m_strDepature, before.distance.city.m_strDepature);
    EXPECT_EQ(after.distance.m_nDistanceShow, before.distance.m_nDistanceShow);
    EXPECT_EQ(doc->m_nPointerCoords, 0);
    EXPECT_EQ(doc->m_nSpecDialogTab, 0);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(MapDisplaySpecRun, OnlyTheStartCityStoresWithoutARedraw)
{
    RunSpec(kDistance, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1049), "大阪");
        d.selectCombo(1049, 0);
        d.selectCombo(1049, 1);
        d.click(1000);
        d.click(1198);
        d.click(IDC_POINTER_COORDS);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_strDepature, "大阪");
    EXPECT_EQ(doc->m_dDepLatDeg, 34);
    EXPECT_EQ(doc->m_dDepLatMin, 40);
    EXPECT_EQ(doc->m_dDepLonDeg, 135);
    EXPECT_EQ(doc->m_dDepLonMin, 31);
    EXPECT_EQ(doc->m_nDistanceEnd, 0);
    EXPECT_EQ(doc->m_nDistanceShow, 0);
    EXPECT_EQ(doc->m_nPointerCoords, 1);
    EXPECT_EQ(doc->m_nSpecDialogTab, kDistance);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(MapDisplaySpecRun, SymbolSizeShowsTheSheetAgainOrTheGuideMap)
{
    RunSpec(kPoints, [](vd::DialogDriver& d) {
        d.click(1135);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSymbolSize, 1);
    EXPECT_EQ(doc->m_strMapName, "東京") << "the current sheet shown again";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(doc->m_nKeywordActive, 0);

    doc->m_nMapType = 4;
    doc->m_nMapDisplayMode = 10;
    RunSpec(kPoints, [](vd::DialogDriver& d) {
        d.click(1133);
        d.setText(1147, "寺");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSymbolSize, 3);
    EXPECT_EQ(doc->m_strPointKeyword, "寺");
    EXPECT_EQ(doc->m_nKeywordActive, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
    EXPECT_EQ(updates, 2);
}

TEST_F(MapDisplaySpecRun, TheTabIsKeptForTheNextRun)
{
    RunSpec(kMap, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(doc->m_nSpecDialogTab, kMap);
    bool mapPageShown = false, placeNamePageShown = true;
    script->answerDialog(CDlgMapDisplaySpec::IDD, [&](vd::DialogDriver& d) {
        auto& dialog = static_cast<CDlgMapDisplaySpec&>(d.dialog());
        mapPageShown = dialog.m_pageWhiteMap.IsWindowVisible();
        placeNamePageShown = dialog.m_pagePlaceName.IsWindowVisible();
        d.click(vd::IDOK);
    });
    doc->EditMapDisplaySpec();
    EXPECT_TRUE(mapPageShown);
    EXPECT_FALSE(placeNamePageShown);
    EXPECT_EQ(updates, 0) << "the tab alone draws nothing";
}

// The values each control shows and sets, read back from the document.
TEST_F(MapDisplaySpecRun, PlaceNamePageShowsAndSetsTheDocumentsValues)
{
    doc->m_nSiteNameDisplay = 1;
    doc->m_nPointDisplayFlag = -3;
    doc->m_strFontName = "ＭＳ Ｐゴシック";
    doc->m_nPlaceNameFontHeight = 3;
    doc->m_nPlaceNameInMap = -1;
    doc->m_nPlaceNameTotal = 1234;
    doc->m_anPlaceNameKind = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    script->answerDialog(CDlgShownPlaceNames::IDD, [](vd::DialogDriver& d) {
        d.click(shownplacenameids::IDC_ISLAND);
        d.click(vd::IDOK);
    });
    RunSpec(kPlaceNames, [this](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(215));
        EXPECT_EQ(d.text(1031), "すべて") << "a negative choice shows as the first";
        EXPECT_FALSE(d.isChecked(1026)) << "only the exact face is gothic";
        EXPECT_TRUE(d.isChecked(1027));
        EXPECT_TRUE(d.isChecked(1041));
        EXPECT_EQ(d.text(1005), "-1");
        EXPECT_EQ(d.text(1006), "1234");
        EXPECT_EQ(d.text(1007), doc->m_strSiteNameFile);
        d.click(215);
        d.selectCombo(1031, 14);
        d.click(1026);
        d.click(1040);
        d.click(1148);
        d.click(1129);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSiteNameDisplay, -1);
    EXPECT_EQ(doc->m_nPointDisplayFlag, 14);
    EXPECT_EQ(doc->m_strFontName, "ＭＳ ゴシック");
    EXPECT_EQ(doc->m_nPlaceNameFontHeight, 2);
    EXPECT_EQ(doc->m_nSiteNamePopup, 1);
    EXPECT_EQ(doc->m_anPlaceNameKind, (std::array<int, 10>{0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(updates, 1);
    // A second click on 表示 gives 1 again; with names shown as pop-ups they are armed unless a
    // mouse tool is on, whether the dialog was accepted or not.
    doc->m_nMouseTool = 3;
    doc->m_nPlaceNamePopupActive = 1;
    RunSpec(kPlaceNames, [](vd::DialogDriver& d) {
        d.click(215);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSiteNameDisplay, 1);
    EXPECT_EQ(doc->m_nPlaceNamePopupActive, 0);
    doc->m_nMouseTool = 0;
    RunSpec(kPlaceNames, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(doc->m_nPlaceNamePopupActive, 1);
}

TEST_F(MapDisplaySpecRun, PointPageKindsSizesLabelsAndPopups)
{
    struct Case {
        int popup;
        int afterClick;
    };
    for (const Case& c : {Case{1, 0}, Case{0, 1}, Case{7, 1}}) {
        doc->m_nPointPopup = c.popup;
        doc->m_nKindData = 2;
        doc->m_nSymbolSize = 2;
        doc->m_nPointLabel = 1;
        RunSpec(kPoints, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.isChecked(1003), c.popup == 1);
            EXPECT_TRUE(d.isChecked(1131));
            EXPECT_TRUE(d.isChecked(1134));
            EXPECT_TRUE(d.isChecked(1136));
            d.click(1003);
            d.click(1132);
            d.click(1138);
            d.click(1124);
            d.click(vd::IDOK);
        });
        EXPECT_EQ(doc->m_nPointPopup, c.afterClick) << c.popup;
        EXPECT_EQ(doc->m_nKindData, 3);
        EXPECT_EQ(doc->m_nPointLabel, 3);
    }
    EXPECT_EQ(doc->m_nLinkPoint, 0) << "toggled three times from 1";
}

TEST_F(MapDisplaySpecRun, MapPageCaptionsFollowTheMapAndTheBorders)
{
    doc->m_nMapType = 2;
    doc->m_nMapFigure = 1;
    doc->m_nPrefBorder = 1;
    doc->m_nSubprefBorder = 1;
    doc->m_strPrefBorderColour = "BLUE";
    doc->m_nCityBorderColour = 12;
    doc->m_strCityBorderDir.clear();
    doc->m_nCityBorder = 1;
    RunSpec(kMap, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1125), "緯線・経線");
        EXPECT_EQ(d.text(1099), "赤") << "white only on a sheet map's figure";
        EXPECT_TRUE(d.isChecked(1098));
        EXPECT_TRUE(d.isChecked(1068)) << "grey for any value but 10";
        EXPECT_FALSE(d.isChecked(214)) << "no municipality data";
        // A box that does not apply keeps its caption and greys out.
        EXPECT_EQ(d.text(1069), "市町村名を地図拡大時に表示");
        EXPECT_FALSE(d.isEnabled(1069));
        EXPECT_FALSE(d.isEnabled(1070));
        d.click(214);
        EXPECT_FALSE(d.isChecked(214));
        d.click(1128);
        EXPECT_EQ(d.text(1071), "北海道 支庁界");
        EXPECT_FALSE(d.isEnabled(1071));
        d.click(1128);
        EXPECT_TRUE(d.isEnabled(1071));
        EXPECT_TRUE(d.isChecked(1071));
        d.click(1099);
        d.click(1067);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nCityBorder, 0);
    EXPECT_EQ(doc->m_strPrefBorderColour, "RED");
    EXPECT_EQ(doc->m_nCityBorderColour, 10);
    EXPECT_EQ(doc->m_nMapFigure, 1) << "the figure is only shown; another map type keeps it";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    doc->m_nMapType = 1;
    doc->m_strCityBorderDir = "Z:\\data\\CityPlgn\\";
    doc->m_nCityNameZoom = 1;
    doc->m_nCityNameEnclave = 0;
    RunSpec(kMap, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1125), "地勢図の図郭");
        EXPECT_EQ(d.text(1099), "白");
        EXPECT_FALSE(d.isEnabled(1069)) << "borders off: no names";
        d.click(1069);
        EXPECT_FALSE(d.isChecked(1069)) << "unchecked again while borders are off";
        d.click(214);
        EXPECT_TRUE(d.isChecked(214));
        EXPECT_TRUE(d.isEnabled(1069));
        EXPECT_TRUE(d.isEnabled(1070));
        EXPECT_TRUE(d.isChecked(1069));
        EXPECT_FALSE(d.isChecked(1070));
        d.click(1069);
        d.click(1070);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nCityBorder, 1);
    EXPECT_EQ(doc->m_nCityNameZoom, 0);
    EXPECT_EQ(doc->m_nCityNameEnclave, 1);
    EXPECT_EQ(doc->m_nMapFigure, 1);
}

TEST_F(MapDisplaySpecRun, TheStartCityDialogFromTheDistancePage)
{
    script->answerDialog(150, [](vd::DialogDriver& d) {
        d.setComboEditText(1051, "静岡");
        d.setText(1055, "34.58");
        d.setText(1056, "138.23");
        d.click(1052);
        d.selectCombo(1051, 2);
        d.click(vd::IDOK);
    });
    RunSpec(kDistance, [](vd::DialogDriver& d) {
        d.click(114);
        EXPECT_EQ(d.text(1049), "静岡");
        auto* combo = d.dialog().item<vd::ComboBox>(1049);
        EXPECT_EQ(combo->GetCount(), 3) << "the edited file is read again";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_strDepature, "静岡");
    EXPECT_EQ(doc->m_dDepLatDeg, 34);
    EXPECT_EQ(doc->m_dDepLatMin, 58);
    EXPECT_EQ(doc->m_dDepLonMin, 23);
    EXPECT_EQ(updates, 0);
}

} // namespace
