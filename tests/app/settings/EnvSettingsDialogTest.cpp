// The environment settings dialog run by the document's command and answered through the script:
// what each page shows and changes, which profile keys OK writes, when the map is redrawn.
#include "SettingsTestSupport.h"

#include "app/settings/EnvAreaSearchPage.h"
#include "app/settings/EnvEditorViewerPage.h"
#include "app/settings/EnvMapPage.h"
#include "app/settings/EnvSearchPage.h"
#include "app/settings/EnvSettingsDialog.h"
#include "app/settings/EnvSettingsValues.h"
#include "app/settings/EnvTextPicturePage.h"
#include "app/settings/KeywordDialog.h"
#include "platform/text/Cp932.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "tests/support/ControlPlaces.h"

namespace {

using namespace settingstest;

using EnvSettings = SettingsDialogTest;

TEST_F(EnvSettings, FirstOpeningWritesThePlaceNameListAndALargerBlockRedraws)
{
    ASSERT_FALSE(fs::exists(Home() / "PNTFILE.DAT"));
    doc->repaint.m_bMapOnScreen = 1;
    int layerDialogOpen = -1;
    script->answerDialog(CDlgEnvSettings::IDD, [&](vd::DialogDriver& d) {
        layerDialogOpen = doc->repaint.m_bLayerDialogOpen;
        EXPECT_EQ(d.caption(), "環境設定");
        EXPECT_FALSE(d.isChecked(envsettingsids::IDC_START_AS_LEFT))
            << "the start-up check box of the dialog, not the page's radio";
        vd::DialogDriver map = d.page(CDlgEnvMap::IDD);
        EXPECT_TRUE(map.isVisible(envmapids::IDC_ONE_SHEET));
        EXPECT_TRUE(map.isChecked(envmapids::IDC_BLOCK_3X3));
        EXPECT_TRUE(map.isChecked(envmapids::IDC_BY_JAPAN_MAP));
        EXPECT_TRUE(map.isChecked(envmapids::IDC_PORTRAIT));
        EXPECT_TRUE(map.isChecked(envmapids::IDC_PREFECTURE_ONLY));
        EXPECT_EQ(map.text(envmapids::IDC_PLACE_NAME_FILE), app + "placenmn.dat");
        map.click(envmapids::IDC_BLOCK_5X5);
        d.click(vd::IDOK);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();

    EXPECT_EQ(ReadBytes(Home() / "PNTFILE.DAT"), vd::utf8ToCp932(app + "placenmn.dat") + "\r\n");
    EXPECT_EQ(layerDialogOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapMode, 25);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(updates, 1);
    EXPECT_TRUE(ChangedKeys(before, ProfileValues()).empty()) << "the number of sheets has no key of its own";
}

TEST_F(EnvSettings, TheBlockStartsFromTheProfileAndAChangedFrameIsWritten)
{
    profile.writeInt("System", "MapFrame", 1);
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.page(CDlgEnvMap::IDD).isChecked(envmapids::IDC_ONE_SHEET));
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 1);
    EXPECT_EQ(profile.getInt("System", "MapFrame", 0), 1);
    EXPECT_EQ(updates, 1);

    // Back to a block: frame 2 again, written, redrawn.
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.page(CDlgEnvMap::IDD).click(envmapids::IDC_BLOCK_3X3);
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapMode, 9);
    EXPECT_EQ(profile.getInt("System", "MapFrame", 0), 2);
    EXPECT_EQ(updates, 2);
}

TEST_F(EnvSettings, OnlyTheEditorChangedWritesEditerInLowerCaseAndRedrawsNothing)
{
    const std::string viewer = doc->environment.m_strViewer;
    script->answerFileDialog("Z:\\Opt\\Tools\\GEdit.EXE");
    script->cancelFileDialog();
    script->answerDialog(CDlgEnvSettings::IDD, [&](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 2);
        vd::DialogDriver ev = d.page(CDlgEnvEditorViewer::IDD);
        EXPECT_TRUE(ev.isVisible(enveditorviewerids::IDC_EDITOR));
        ev.setText(enveditorviewerids::IDC_EDITOR, "typed.exe");
        ev.setText(enveditorviewerids::IDC_VIEWER, "typed.exe");
        ev.click(enveditorviewerids::IDC_PICK_EDITOR);
        EXPECT_EQ(ev.text(enveditorviewerids::IDC_EDITOR), "z:\\opt\\tools\\gedit.exe");
        ev.click(enveditorviewerids::IDC_PICK_VIEWER);
        EXPECT_EQ(ev.text(enveditorviewerids::IDC_VIEWER), "typed.exe")
            << "a cancelled picker leaves the edit as it was";
        d.click(vd::IDOK);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();

    EXPECT_EQ(ChangedKeys(before, ProfileValues()), (std::set<std::string>{"system/editer"}));
    EXPECT_EQ(profile.getString("System", "Editer"), "z:\\opt\\tools\\gedit.exe");
    EXPECT_EQ(doc->environment.m_strEditor, "z:\\opt\\tools\\gedit.exe");
    EXPECT_EQ(doc->environment.m_strViewer, viewer) << "typing changed nothing, the cancel neither";
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(doc->environment.m_nEnvDialogTab, 2);
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    const auto& editorPick = script->fileDialogs()[0];
    EXPECT_TRUE(editorPick.open);
    EXPECT_EQ(editorPick.filter, "ｴﾃﾞｨﾀｰ (*.exe)|*.exe|All files (*.*)|*.*||");
    EXPECT_EQ(editorPick.defaultExt, "exe");
    EXPECT_EQ(editorPick.initialName, "*.exe");
    EXPECT_NE(editorPick.flags & vd::OFN_FILEMUSTEXIST, 0u);
    EXPECT_EQ(script->fileDialogs()[1].filter, "画像ﾋﾞｭｰﾜ (*.exe)|*.exe|All files (*.*)|*.*||");
    EXPECT_EQ(script->beeps(), 2);
}

TEST_F(EnvSettings, BrightnessButtonsStopAtTenAndOneAndTheTextReadsAsAtoi)
{
    using envtextpictureids::IDC_BRIGHTER;
    using envtextpictureids::IDC_DARKER;
    struct Step {
        const char* typed;
        std::vector<int> clicks; // brighter or darker
        const char* shown;
    };
    const Step steps[] = {
        {"9", {IDC_BRIGHTER, IDC_BRIGHTER, IDC_BRIGHTER}, "10"},
        {"2", {IDC_DARKER, IDC_DARKER, IDC_DARKER}, "1"},
        {"15", {IDC_BRIGHTER}, "15"},
        {"15", {IDC_DARKER}, "14"},
        {"", {IDC_BRIGHTER}, "1"},
        {"abc", {IDC_DARKER}, "abc"},
    };
    script->answerDialog(CDlgEnvSettings::IDD, [&](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 1);
        vd::DialogDriver page = d.page(CDlgEnvTextPicture::IDD);
        EXPECT_EQ(page.text(envtextpictureids::IDC_BRIGHTNESS), "6");
        for (const Step& s : steps) {
            page.setText(envtextpictureids::IDC_BRIGHTNESS, s.typed);
            for (int id : s.clicks)
                page.click(id);
            EXPECT_EQ(page.text(envtextpictureids::IDC_BRIGHTNESS), s.shown) << s.typed;
        }
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_EQ(doc->environment.m_nBmpBackground, 0) << "\"abc\" reads as 0";
    EXPECT_EQ(profile.getInt("System", "BmpBackground", -1), 0);
}

TEST_F(EnvSettings, EveryPageChangesItsValuesAndOkWritesOnlyTheKeysThatChanged)
{
    doc->environment.m_nOutputElevation = -5;
    script->answerDialog(CDlgEnvSettings::IDD, [&](vd::DialogDriver& d) {
        d.click(envsettingsids::IDC_START_AS_LEFT);
        vd::DialogDriver map = d.page(CDlgEnvMap::IDD);
        map.click(envmapids::IDC_BY_DIALOG);
        map.click(envmapids::IDC_MONITOR_SIZE);
        map.click(envmapids::IDC_NEIGHBOURS_TOO);

        d.selectTab(envsettingsids::IDC_TABS, 1);
        vd::DialogDriver text = d.page(CDlgEnvTextPicture::IDD);
        EXPECT_TRUE(text.isChecked(envtextpictureids::IDC_TEXT_AREA));
        EXPECT_TRUE(text.isChecked(envtextpictureids::IDC_TEXT_WITH_PICTURE));
        EXPECT_TRUE(text.isChecked(envtextpictureids::IDC_COLOUR_TEXT_AREA));
        EXPECT_TRUE(text.isChecked(envtextpictureids::IDC_JPEG_BY_PROGRAM));
        EXPECT_TRUE(text.isChecked(envtextpictureids::IDC_PICTURE_PLAIN));
        text.click(envtextpictureids::IDC_TEXT_DIALOG);
        text.click(envtextpictureids::IDC_TEXT_WITH_PICTURE);
        text.click(envtextpictureids::IDC_COLOUR_TEXT_AREA);
        text.click(envtextpictureids::IDC_JPEG_BY_PROGRAM);
        text.click(envtextpictureids::IDC_PICTURE_DIALOG);

        d.selectTab(envsettingsids::IDC_TABS, 3);
        vd::DialogDriver area = d.page(CDlgEnvAreaSearch::IDD);
        EXPECT_TRUE(area.isChecked(envareasearchids::IDC_AREA_SEARCH));
        EXPECT_EQ(area.text(envareasearchids::IDC_SIZE_LABEL), ")  直径(Km)");
        EXPECT_EQ(area.text(envareasearchids::IDC_SIZE_KM), "50");
        area.click(envareasearchids::IDC_SQUARE);
        EXPECT_EQ(area.text(envareasearchids::IDC_SIZE_LABEL), ")  辺長(Km)");
        area.click(envareasearchids::IDC_CIRCLE);
        EXPECT_EQ(area.text(envareasearchids::IDC_SIZE_LABEL), ")  直径(Km)");
        area.click(envareasearchids::IDC_SQUARE);
        area.click(envareasearchids::IDC_AREA_SEARCH);
        area.setText(envareasearchids::IDC_SIZE_KM, "12km");

        d.selectTab(envsettingsids::IDC_TABS, 4);
        vd::DialogDriver search = d.page(CDlgEnvSearch::IDD);
        EXPECT_EQ(search.text(envsearchids::IDC_ELEVATION), "-999") << "any value but 0 and -9999 shows as -999";
        EXPECT_TRUE(search.isChecked(envsearchids::IDC_HIDE_FOUND_PLACES));
        search.selectCombo(envsearchids::IDC_ELEVATION, 2);
        search.click(envsearchids::IDC_HIDE_FOUND_PLACES);
        d.click(vd::IDOK);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();

    EXPECT_EQ(ChangedKeys(before, ProfileValues()),
              (std::set<std::string>{"system/startwhitemap", "system/backgrandcolor", "system/jpegprocess"}));
    EXPECT_EQ(profile.getString("System", "StartWhiteMap"), "on");
    EXPECT_EQ(doc->environment.m_strStartWhiteMap, "on");
    EXPECT_EQ(doc->environment.m_strSheetSelect, "DIALOG");
    EXPECT_EQ(doc->environment.m_nScreen, 1);
    EXPECT_EQ(doc->environment.m_nPrfMpData, 1);
    EXPECT_EQ(doc->environment.m_strTextAppear, "Dialog");
    EXPECT_EQ(doc->environment.m_strTextWithPicture, "off");
    EXPECT_EQ(doc->environment.m_nBackGrandColor, 0);
    EXPECT_EQ(doc->environment.m_nJpegProcess, 0);
    EXPECT_EQ(doc->environment.m_nPicturePosition, 2);
    EXPECT_EQ(doc->environment.m_nPicturePositionCopy, 2);
    EXPECT_EQ(doc->environment.m_nAreaSearch, 0);
    EXPECT_EQ(doc->environment.m_nAreaShape, 1);
    EXPECT_EQ(doc->environment.m_nAreaSizeKm, 12);
    EXPECT_EQ(doc->environment.m_nOutputElevation, -9999);
    EXPECT_EQ(doc->environment.m_nHideFoundPlaces, 0);
    EXPECT_EQ(doc->environment.m_nEnvDialogTab, 4);
    EXPECT_EQ(updates, 0);
}

TEST_F(EnvSettings, TheTabIsRememberedOnOkAndCancelChangesNothing)
{
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 3);
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    ASSERT_EQ(doc->environment.m_nEnvDialogTab, 3);

    const int areaSize = doc->environment.m_nAreaSizeKm;
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.page(CDlgEnvAreaSearch::IDD).isVisible(envareasearchids::IDC_SIZE_KM));
        EXPECT_FALSE(d.page(CDlgEnvMap::IDD).isVisible(envmapids::IDC_ONE_SHEET));
        d.page(CDlgEnvAreaSearch::IDD).setText(envareasearchids::IDC_SIZE_KM, "7");
        d.click(envsettingsids::IDC_START_AS_LEFT);
        d.selectTab(envsettingsids::IDC_TABS, 0);
        d.click(vd::IDCANCEL);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();
    EXPECT_TRUE(ChangedKeys(before, ProfileValues()).empty());
    EXPECT_EQ(doc->environment.m_nEnvDialogTab, 3);
    EXPECT_EQ(doc->environment.m_nAreaSizeKm, areaSize);
    EXPECT_EQ(doc->environment.m_strStartWhiteMap, "off");
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
}

TEST_F(EnvSettings, TableButtonsPickCsvFilesInLowerCase)
{
    script->answerFileDialog("Z:\\Data\\Chimei\\Tyuuki.CSV");
    script->answerFileDialog("Z:\\Data\\Chimei\\Koukyou.csv");
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 4);
        vd::DialogDriver search = d.page(CDlgEnvSearch::IDD);
        search.setText(envsearchids::IDC_ANNOTATION_TABLE, "typed.csv");
        search.click(envsearchids::IDC_PICK_ANNOTATION);
        search.click(envsearchids::IDC_PICK_FACILITY);
        EXPECT_EQ(search.text(envsearchids::IDC_ANNOTATION_TABLE), "z:\\data\\chimei\\tyuuki.csv");
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_EQ(profile.getString("System", "Tyuuki"), "z:\\data\\chimei\\tyuuki.csv");
    EXPECT_EQ(profile.getString("System", "Koukyou"), "z:\\data\\chimei\\koukyou.csv");
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    EXPECT_EQ(script->fileDialogs()[0].filter, "CSV (*.csv)|*.csv|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "csv");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.csv");
}

TEST_F(EnvSettings, KeywordsAreWrittenAtOnceAndTheMembersFollowOnlyOnOk)
{
    auto keywordAnswer = [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "キーワードの設定");
        EXPECT_EQ(d.text(keywordids::IDC_FIRST_KEY), "寺");
        EXPECT_EQ(d.text(keywordids::IDC_FIRST_COUNT + 2), "3");
        EXPECT_EQ(d.text(keywordids::IDC_FIRST_CATEGORY + 3), "博物館");
        d.setText(keywordids::IDC_FIRST_KEY, "城");
        d.setText(keywordids::IDC_FIRST_CATEGORY, "名所");
        d.setText(keywordids::IDC_FIRST_COUNT + 2, "2.5");
        d.click(vd::IDOK);
        EXPECT_FALSE(d.ended()) << "a count that is no whole number keeps the dialog open";
        ASSERT_FALSE(script->messageBoxes().empty());
        EXPECT_EQ(script->messageBoxes().back().text, vd::kParseIntMessage);
        d.setText(keywordids::IDC_FIRST_COUNT + 2, "-4");
        d.click(vd::IDOK);
    };
    script->answerDialog(CDlgKeyword::IDD, keywordAnswer);
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 1);
        d.page(CDlgEnvTextPicture::IDD).click(envtextpictureids::IDC_KEYWORDS);
        d.click(vd::IDCANCEL);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();
    EXPECT_EQ(ChangedKeys(before, ProfileValues()),
              (std::set<std::string>{"system/key1", "system/ctgry0", "system/keycount3"}));
    EXPECT_EQ(profile.getString("System", "Key1"), "城");
    EXPECT_EQ(profile.getInt("System", "KeyCount3", 0), -4);
    EXPECT_EQ(doc->environment.m_strKey1, "寺") << "the environment settings were cancelled";
    EXPECT_EQ(doc->environment.m_anKeyCount[2], 3);

    script->answerDialog(CDlgKeyword::IDD, [](vd::DialogDriver& d) {
        d.setText(keywordids::IDC_FIRST_KEY + 1, "城址");
        d.click(vd::IDOK);
    });
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.selectTab(envsettingsids::IDC_TABS, 1);
        d.page(CDlgEnvTextPicture::IDD).click(envtextpictureids::IDC_KEYWORDS);
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_EQ(doc->environment.m_strKey1, "寺") << "the keyword dialog starts from the document's words";
    EXPECT_EQ(doc->environment.m_strKey2, "城址");
    EXPECT_EQ(doc->environment.m_strCtgry0, "散策");
    EXPECT_EQ(profile.getString("System", "Key1"), "寺") << "its OK writes all seven words again";
}

TEST(EnvSettingsValues, ElevationItemsAndBrightnessSteps)
{
    EXPECT_EQ(OutputElevationItem(0), 0);
    EXPECT_EQ(OutputElevationItem(-999), 1);
    EXPECT_EQ(OutputElevationItem(-5), 1);
    EXPECT_EQ(OutputElevationItem(-9999), 2);
    for (int item : {0, 1, 2})
        EXPECT_EQ(OutputElevationItem(*OutputElevationOfItem(item)), item);
    EXPECT_EQ(OutputElevationOfItem(-1), std::nullopt) << "no item chosen";
    EXPECT_EQ(SteppedBrightness("10", 1), std::nullopt);
    EXPECT_EQ(SteppedBrightness("1", -1), std::nullopt);
    EXPECT_EQ(SteppedBrightness(" 7x", 1), 8) << "atoi: leading blanks and digits";
    EXPECT_EQ(SteppedBrightness("-3", 1), -2);
}

} // namespace

namespace {

// The size of the search area reads as one line: "(", the number, ")  直径(Km)" (the closing text
// once stood alone on the line below).
TEST_F(EnvSettings, TheAreaSizeStandsOnOneLineBetweenItsBrackets)
{
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.selectTab(1144, 3);
        vd::DialogDriver area = d.page(CDlgEnvAreaSearch::IDD);
        const vd::Rect field = area.control(1145).GetWindowRect();
        const vd::Rect unit = area.control(1156).GetWindowRect();
        const auto open = controlplaces::labelPlace(area.dialog(), "(");
        ASSERT_TRUE(open);
        EXPECT_TRUE(controlplaces::onOneLine(*open, field));
        EXPECT_TRUE(controlplaces::onOneLine(unit, field));
        EXPECT_LE(open->right, field.left);
        EXPECT_LE(field.right, unit.left);
        EXPECT_TRUE(area.clippedControls().empty());
        d.click(vd::IDCANCEL);
    });
    doc->OnEnvironmentSettings();
}

} // namespace
