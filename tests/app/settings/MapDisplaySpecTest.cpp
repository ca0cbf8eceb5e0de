// 地図の表示仕様 run by the document: each page answered through the script,
// the document's members checked afterwards, and what is drawn again.
#include "../doc/DocumentTestSupport.h"
#include "app/document/VeldoranDoc.h"
#include "app/settings/MapDisplaySpecDialog.h"
#include "app/settings/StartCityDialog.h"
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
        doc->repaint.m_fnUpdateAllViews = [this] { ++updates; };
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
        openDuringRun = doc->repaint.m_bLayerDialogOpen;
        EXPECT_EQ(d.caption(), "地図の表示仕様");
        for (int tab : {kPlaceNames, kPoints, kMap, kDistance})
            d.selectTab(IDC_TAB, tab);
        d.click(specplacenameids::IDC_DISPLAY);
        d.click(specpointids::IDC_DISPLAY);
        d.setText(specpointids::IDC_KEYWORD, "温泉");
        d.click(specwhitemapids::IDC_PREF_BORDER);
        d.click(specdistanceids::IDC_DISPLAY);
        d.selectCombo(specdistanceids::IDC_CITY, 0);
        d.click(IDC_POINTER_COORDS);
        d.click(vd::IDCANCEL);
    });
    doc->EditMapDisplaySpec();
    EXPECT_EQ(openDuringRun, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    const MapDisplaySpec after = ReadMapDisplaySpec(*doc);
    EXPECT_FALSE(MapDisplayChanged(before, after));
    EXPECT_EQ(after.distance.city.m_strDepature, before.distance.city.m_strDepature);
    EXPECT_EQ(after.distance.m_nDistanceShow, before.distance.m_nDistanceShow);
    EXPECT_EQ(doc->spec.m_nPointerCoords, 0);
    EXPECT_EQ(doc->spec.m_nSpecDialogTab, 0);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(MapDisplaySpecRun, OnlyTheStartCityStoresWithoutARedraw)
{
    RunSpec(kDistance, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(specdistanceids::IDC_CITY), "大阪");
        d.selectCombo(specdistanceids::IDC_CITY, 0);
        d.selectCombo(specdistanceids::IDC_CITY, 1);
        d.click(specdistanceids::IDC_END_POINT);
        d.click(specdistanceids::IDC_DISPLAY);
        d.click(IDC_POINTER_COORDS);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_strDepature, "大阪");
    EXPECT_EQ(doc->spec.m_dDepLatDeg, 34);
    EXPECT_EQ(doc->spec.m_dDepLatMin, 40);
    EXPECT_EQ(doc->spec.m_dDepLonDeg, 135);
    EXPECT_EQ(doc->spec.m_dDepLonMin, 31);
    EXPECT_EQ(doc->spec.m_nDistanceEnd, 0);
    EXPECT_EQ(doc->spec.m_nDistanceShow, 0);
    EXPECT_EQ(doc->spec.m_nPointerCoords, 1);
    EXPECT_EQ(doc->spec.m_nSpecDialogTab, kDistance);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(MapDisplaySpecRun, SymbolSizeShowsTheSheetAgainOrTheGuideMap)
{
    RunSpec(kPoints, [](vd::DialogDriver& d) {
        d.click(specpointids::IDC_SMALL);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_nSymbolSize, 1);
    EXPECT_EQ(doc->m_strMapName, "東京") << "the current sheet shown again";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(doc->spec.m_nKeywordActive, 0);

    doc->position.m_nMapType = 4;
    doc->m_nMapDisplayMode = 10;
    RunSpec(kPoints, [](vd::DialogDriver& d) {
        d.click(specpointids::IDC_LARGE);
        d.setText(specpointids::IDC_KEYWORD, "寺");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_nSymbolSize, 3);
    EXPECT_EQ(doc->spec.m_strPointKeyword, "寺");
    EXPECT_EQ(doc->spec.m_nKeywordActive, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
    EXPECT_EQ(updates, 2);
}

TEST_F(MapDisplaySpecRun, TheTabIsKeptForTheNextRun)
{
    RunSpec(kMap, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(doc->spec.m_nSpecDialogTab, kMap);
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
    doc->spec.m_strFontName = "ＭＳ Ｐゴシック";
    doc->spec.m_nPlaceNameFontHeight = 3;
    doc->m_nPlaceNameInMap = -1;
    doc->spec.m_nPlaceNameTotal = 1234;
    doc->spec.m_anPlaceNameKind = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    script->answerDialog(CDlgShownPlaceNames::IDD, [](vd::DialogDriver& d) {
        d.click(shownplacenameids::IDC_ISLAND);
        d.click(vd::IDOK);
    });
    RunSpec(kPlaceNames, [this](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(specplacenameids::IDC_DISPLAY));
        EXPECT_EQ(d.text(specplacenameids::IDC_THINNING), "すべて") << "a negative choice shows as the first";
        EXPECT_FALSE(d.isChecked(specplacenameids::IDC_GOTHIC)) << "only the exact face is gothic";
        EXPECT_TRUE(d.isChecked(specplacenameids::IDC_MINCHO));
        EXPECT_TRUE(d.isChecked(specplacenameids::IDC_HEIGHT_10));
        EXPECT_EQ(d.text(specplacenameids::IDC_IN_MAP), "-1");
        EXPECT_EQ(d.text(specplacenameids::IDC_TOTAL), "1234");
        EXPECT_EQ(d.text(specplacenameids::IDC_FILE), doc->environment.m_strSiteNameFile);
        d.click(specplacenameids::IDC_DISPLAY);
        d.selectCombo(specplacenameids::IDC_THINNING, 14);
        d.click(specplacenameids::IDC_GOTHIC);
        d.click(specplacenameids::IDC_HEIGHT_11);
        d.click(specplacenameids::IDC_POPUP);
        d.click(specplacenameids::IDC_KINDS);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSiteNameDisplay, -1);
    EXPECT_EQ(doc->m_nPointDisplayFlag, 14);
    EXPECT_EQ(doc->spec.m_strFontName, "ＭＳ ゴシック");
    EXPECT_EQ(doc->spec.m_nPlaceNameFontHeight, 2);
    EXPECT_EQ(doc->spec.m_nSiteNamePopup, 1);
    EXPECT_EQ(doc->spec.m_anPlaceNameKind, (std::array<int, 10>{0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(updates, 1);
    // A second click on 表示 gives 1 again; with names shown as pop-ups they are armed unless a
    // mouse tool is on, whether the dialog was accepted or not.
    doc->pointer.m_nMouseTool = 3;
    doc->spec.m_nPlaceNamePopupActive = 1;
    RunSpec(kPlaceNames, [](vd::DialogDriver& d) {
        d.click(specplacenameids::IDC_DISPLAY);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->m_nSiteNameDisplay, 1);
    EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 0);
    doc->pointer.m_nMouseTool = 0;
    RunSpec(kPlaceNames, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 1);
}

TEST_F(MapDisplaySpecRun, PointPageKindsSizesLabelsAndPopups)
{
    struct Case {
        int popup;
        int afterClick;
    };
    for (const Case& c : {Case{1, 0}, Case{0, 1}, Case{7, 1}}) {
        doc->spec.m_nPointPopup = c.popup;
        doc->spec.m_nKindData = 2;
        doc->spec.m_nSymbolSize = 2;
        doc->spec.m_nPointLabel = 1;
        RunSpec(kPoints, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.isChecked(specpointids::IDC_POPUP), c.popup == 1);
            EXPECT_TRUE(d.isChecked(specpointids::IDC_TEXTS + 1));
            EXPECT_TRUE(d.isChecked(specpointids::IDC_LARGE + 1));
            EXPECT_TRUE(d.isChecked(specpointids::IDC_POINT_NAME));
            d.click(specpointids::IDC_POPUP);
            d.click(specpointids::IDC_BOTH_KINDS);
            d.click(specpointids::IDC_BOTH_LABELS);
            d.click(specpointids::IDC_DISPLAY);
            d.click(vd::IDOK);
        });
        EXPECT_EQ(doc->spec.m_nPointPopup, c.afterClick) << c.popup;
        EXPECT_EQ(doc->spec.m_nKindData, 3);
        EXPECT_EQ(doc->spec.m_nPointLabel, 3);
    }
    EXPECT_EQ(doc->spec.m_nLinkPoint, 0) << "toggled three times from 1";
}

TEST_F(MapDisplaySpecRun, MapPageCaptionsFollowTheMapAndTheBorders)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nMapFigure = 1;
    doc->spec.m_nPrefBorder = 1;
    doc->spec.m_nSubprefBorder = 1;
    doc->spec.m_strPrefBorderColour = "BLUE";
    doc->spec.m_nCityBorderColour = 12;
    doc->folders.m_strCityBorderDir.clear();
    doc->spec.m_nCityBorder = 1;
    RunSpec(kMap, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(specwhitemapids::IDC_MAP_BOUNDARY), "緯線・経線");
        EXPECT_EQ(d.text(specwhitemapids::IDC_RED), "赤") << "white only on a sheet map's figure";
        EXPECT_TRUE(d.isChecked(specwhitemapids::IDC_BLUE));
        EXPECT_TRUE(d.isChecked(specwhitemapids::IDC_GREY)) << "grey for any value but 10";
        EXPECT_FALSE(d.isChecked(specwhitemapids::IDC_CITY_BORDER)) << "no municipality data";
        // A box that does not apply keeps its caption and greys out.
        EXPECT_EQ(d.text(specwhitemapids::IDC_CITY_NAME_ZOOM), "市町村名を地図拡大時に表示");
        EXPECT_FALSE(d.isEnabled(specwhitemapids::IDC_CITY_NAME_ZOOM));
        EXPECT_FALSE(d.isEnabled(specwhitemapids::IDC_CITY_NAME_ENCLAVE));
        d.click(specwhitemapids::IDC_CITY_BORDER);
        EXPECT_FALSE(d.isChecked(specwhitemapids::IDC_CITY_BORDER));
        d.click(specwhitemapids::IDC_PREF_BORDER);
        EXPECT_EQ(d.text(specwhitemapids::IDC_SUBPREF_BORDER), "北海道 支庁界");
        EXPECT_FALSE(d.isEnabled(specwhitemapids::IDC_SUBPREF_BORDER));
        d.click(specwhitemapids::IDC_PREF_BORDER);
        EXPECT_TRUE(d.isEnabled(specwhitemapids::IDC_SUBPREF_BORDER));
        EXPECT_TRUE(d.isChecked(specwhitemapids::IDC_SUBPREF_BORDER));
        d.click(specwhitemapids::IDC_RED);
        d.click(specwhitemapids::IDC_BLACK);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_nCityBorder, 0);
    EXPECT_EQ(doc->spec.m_strPrefBorderColour, "RED");
    EXPECT_EQ(doc->spec.m_nCityBorderColour, 10);
    EXPECT_EQ(doc->position.m_nMapFigure, 1) << "the figure is only shown; another map type keeps it";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    doc->position.m_nMapType = 1;
    doc->folders.m_strCityBorderDir = "Z:\\data\\CityPlgn\\";
    doc->spec.m_nCityNameZoom = 1;
    doc->spec.m_nCityNameEnclave = 0;
    RunSpec(kMap, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(specwhitemapids::IDC_MAP_BOUNDARY), "地勢図の図郭");
        EXPECT_EQ(d.text(specwhitemapids::IDC_RED), "白");
        EXPECT_FALSE(d.isEnabled(specwhitemapids::IDC_CITY_NAME_ZOOM)) << "borders off: no names";
        d.click(specwhitemapids::IDC_CITY_NAME_ZOOM);
        EXPECT_FALSE(d.isChecked(specwhitemapids::IDC_CITY_NAME_ZOOM)) << "unchecked again while borders are off";
        d.click(specwhitemapids::IDC_CITY_BORDER);
        EXPECT_TRUE(d.isChecked(specwhitemapids::IDC_CITY_BORDER));
        EXPECT_TRUE(d.isEnabled(specwhitemapids::IDC_CITY_NAME_ZOOM));
        EXPECT_TRUE(d.isEnabled(specwhitemapids::IDC_CITY_NAME_ENCLAVE));
        EXPECT_TRUE(d.isChecked(specwhitemapids::IDC_CITY_NAME_ZOOM));
        EXPECT_FALSE(d.isChecked(specwhitemapids::IDC_CITY_NAME_ENCLAVE));
        d.click(specwhitemapids::IDC_CITY_NAME_ZOOM);
        d.click(specwhitemapids::IDC_CITY_NAME_ENCLAVE);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_nCityBorder, 1);
    EXPECT_EQ(doc->spec.m_nCityNameZoom, 0);
    EXPECT_EQ(doc->spec.m_nCityNameEnclave, 1);
    EXPECT_EQ(doc->position.m_nMapFigure, 1);
}

TEST_F(MapDisplaySpecRun, TheStartCityDialogFromTheDistancePage)
{
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        d.setComboEditText(startcityids::IDC_CITY, "静岡");
        d.setText(startcityids::IDC_LATITUDE, "34.58");
        d.setText(startcityids::IDC_LONGITUDE, "138.23");
        d.click(startcityids::IDC_REGISTER);
        d.selectCombo(startcityids::IDC_CITY, 2);
        d.click(vd::IDOK);
    });
    RunSpec(kDistance, [](vd::DialogDriver& d) {
        d.click(specdistanceids::IDC_START_CITY);
        EXPECT_EQ(d.text(specdistanceids::IDC_CITY), "静岡");
        auto* combo = d.dialog().item<vd::ComboBox>(specdistanceids::IDC_CITY);
        EXPECT_EQ(combo->GetCount(), 3) << "the edited file is read again";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->spec.m_strDepature, "静岡");
    EXPECT_EQ(doc->spec.m_dDepLatDeg, 34);
    EXPECT_EQ(doc->spec.m_dDepLatMin, 58);
    EXPECT_EQ(doc->spec.m_dDepLonMin, 23);
    EXPECT_EQ(updates, 0);
}

} // namespace
