#include "app/document/VeldoranDoc.h"
#include "app/document/ProfileWriter.h"
#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

#include <sys/stat.h>

namespace {

using namespace doctest;

class DocumentProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        editor = InstallFakeEditor();
    }
    std::shared_ptr<vd::ui::Script> script;
    std::string editor;
    vd::ProfileStore profile;
};

TEST_F(DocumentProfile, FirstRunWritesOnlyItsKeysAndTakesEveryDefault)
{
    auto doc = std::make_unique<CVeldoranDoc>();
    const std::string app = vd::applicationFolder();

    EXPECT_EQ(ProfileKeys(), (std::set<std::string>{
        "system/appdir", "system/sitenamefile", "system/key1", "system/key2", "system/key3",
        "system/ctgry0", "system/ctgry1", "system/ctgry2", "system/ctgry3", "system/keycount1",
        "system/keycount2", "system/keycount3", "system/keycount4", "system/keycount5",
        "system/keycount6", "system/editer"}));
    EXPECT_EQ(profile.getString("System", "AppDir"), app);
    EXPECT_EQ(profile.getString("System", "SiteNameFile"), app + "placenmn.dat");
    EXPECT_EQ(profile.getString("System", "Key2"), "神社");
    EXPECT_EQ(profile.getString("System", "Ctgry3"), "博物館");
    EXPECT_EQ(profile.getInt("System", "KeyCount5", -1), 1);
    EXPECT_EQ(profile.getString("System", "Editer"), editor);
    EXPECT_TRUE(script->messageBoxes().empty());

    EXPECT_EQ(doc->folders.m_strAppDir, app);
    EXPECT_EQ(doc->folders.m_strSourceDir, app + "SOURCE\\");
    EXPECT_EQ(doc->folders.m_strPaletteDir, app + "PALETTE\\");
    EXPECT_EQ(doc->folders.m_strAlbumDir, app + "ALBUM\\");
    EXPECT_EQ(doc->folders.m_strRouteAreaDir, app + "ROUTAREA\\");
    EXPECT_EQ(doc->folders.m_strMapFigureDir, app + "MAPFGRS\\");
    EXPECT_EQ(doc->folders.m_strCoastDir, app + "Coast_JB\\");
    EXPECT_EQ(doc->folders.m_strSheetIndexFile, app + "BlcMap20.idx");
    EXPECT_EQ(doc->registered.m_strDataFile, app + "SOURCE\\history.dat");
    EXPECT_EQ(doc->registered.m_strDataFileCopy, doc->registered.m_strDataFile);
    EXPECT_EQ(doc->registered.m_strDataFileTitle, "HD(共通領域)");
    EXPECT_EQ(doc->repaint.m_nCdRomPrompt, 0);
    EXPECT_EQ(doc->environment.m_strKey1, "寺");
    EXPECT_EQ(doc->environment.m_anKeyCount, (std::array<int, 6>{8, 8, 3, 8, 1, 8}));
    EXPECT_EQ(doc->spec.m_strDepature, "大阪");
    EXPECT_EQ(doc->spec.m_dDepLatDeg, 34);
    EXPECT_EQ(doc->spec.m_dDepLatMin, 41);
    EXPECT_EQ(doc->spec.m_dDepLonDeg, 135);
    EXPECT_EQ(doc->spec.m_dDepLonMin, 31);
    EXPECT_EQ(doc->registered.m_astrDivName[3], "岐阜　・　滋賀");
    EXPECT_EQ(doc->registered.m_astrDivNeX[5], "137.0000");
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    EXPECT_EQ(doc->position.m_strDistrict, "近畿中部");
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
    EXPECT_EQ(doc->m_nPointDisplayFlag, 14);
    EXPECT_EQ(doc->environment.m_strStartWhiteMap, "off");
    EXPECT_EQ(doc->position.m_nMapMode, 9);
    EXPECT_EQ(doc->colours.m_nPrfCstClr, 18);
    EXPECT_EQ(doc->position.m_nMapPjctn, 1);
    EXPECT_EQ(doc->colours.m_crBackground, vd::RGB(246, 246, 246));
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(126, 180, 234));
    EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 0);
    EXPECT_EQ(doc->registered.m_nDivisionEdited, -1);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(doc->statistics.m_nGraticuleKept, 0);
    EXPECT_EQ(doc->layerChoice.m_strLayerPrefFlags.substr(0, 6), "1|0|0|");
    EXPECT_EQ(doc->layerChoice.m_strLayerPrefFlags.size(), 96u);
    EXPECT_EQ(doc->position.m_strPrefFlags, doc->layerChoice.m_strLayerPrefFlags + "1");
    EXPECT_EQ(doc->latitudeRatios.m_afLatitudeRatio[14], 0.0f);
    EXPECT_EQ(doc->latitudeRatios.m_afLatitudeRatio[35], 1.2152789f);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[9][19], 17);

    // Nothing of section City is written before exit.
    EXPECT_EQ(profile.getString("City", "Depature", "none"), "none");
}

TEST_F(DocumentProfile, DestructorWritesTheRunBackAndTheNextRunReadsIt)
{
    {
        auto doc = std::make_unique<CVeldoranDoc>();
        doc->position.m_nMapFrame = 3;
        doc->m_strMapName = "東京";
        doc->position.m_strDistrict = "関東";
        doc->spec.m_strDepature = "札幌";
        doc->spec.m_dDepLatDeg = 43.9;
        doc->spec.m_dDepLatMin = -3.7;
        doc->spec.m_dDepLonDeg = 141;
        doc->spec.m_dDepLonMin = 21;
        doc->colours.m_nPaletteNo = 4;
        doc->position.m_nMapMode = 25;
        doc->colours.m_crBackground = vd::RGB(1, 2, 3);
        doc->environment.m_strStartWhiteMap = "on";
        doc->folders.m_strSubmarineDir = "D:\\SEA\\";
        doc->registered.m_nDataSource = 3;
        doc->registered.m_strDataFileTitle = "CD(関東)";
        doc->registered.m_astrDivName[0] = "編集";
    }
    const std::set<std::string> written = ProfileKeys();
    for (const char* key : {"lastdata/mapframe", "lastdata/mapname", "lastdata/district", "city/depature",
                            "city/yd", "city/ym", "city/xd", "city/xm", "system/sztextappeard",
                            "system/symbolsize", "lastdata/mapfigure", "lastdata/paletteno",
                            "lastdata/colorstep", "lastdata/cstlncolor", "lastdata/prfcstclr", "lastdata/lake",
                            "lastdata/reservoir", "lastdata/mapboundary", "lastdata/linkpoint",
                            "system/sitenamedisplay", "system/sitenamepopup", "system/datasouce",
                            "system/datafiletitle", "system/pointdisplayflag", "lastdata/mapmode",
                            "system/picturepositon", "system/screen", "system/prfmpdata", "system/mappjctn",
                            "system/submarine", "system/bkgrndr", "system/bkgrndg", "system/bkgrndb",
                            "system/mousedrag", "system/mapprojection", "system/clipindexmap",
                            "system/startwhitemap"})
        EXPECT_TRUE(written.count(key)) << key;
    // The regions are written only when the registration flow marked them edited.
    for (const std::string& key : written)
        EXPECT_NE(key.rfind("division/", 0), 0u) << key;
    EXPECT_EQ(profile.getInt("LastData", "MapFrame", 0), 1);
    EXPECT_EQ(profile.getString("LastData", "MapName"), "東京");
    EXPECT_EQ(profile.getInt("City", "yd", 0), 43);
    EXPECT_EQ(profile.getInt("City", "ym", 0), -3);
    EXPECT_EQ(profile.getInt("System", "BkGrndB", 0), 3);

    auto next = std::make_unique<CVeldoranDoc>();
    EXPECT_TRUE(script->messageBoxes().empty());
    EXPECT_EQ(next->position.m_nMapFrame, 1);
    EXPECT_EQ(next->m_strMapName, "京都及大阪"); // the start map comes from System, not LastData
    EXPECT_EQ(next->spec.m_strDepature, "札幌");
    EXPECT_EQ(next->spec.m_dDepLatDeg, 43);
    EXPECT_EQ(next->spec.m_dDepLatMin, -3);
    EXPECT_EQ(next->spec.m_dDepLonMin, 21);
    EXPECT_EQ(next->colours.m_nPaletteNo, 4);
    EXPECT_EQ(next->position.m_nMapMode, 25);
    EXPECT_EQ(next->colours.m_crBackground, vd::RGB(1, 2, 3));
    EXPECT_EQ(next->environment.m_strStartWhiteMap, "on");
    EXPECT_EQ(next->folders.m_strSubmarineDir, "D:\\SEA\\");
    EXPECT_EQ(next->registered.m_strDataFile, vd::applicationFolder() + "SOURCE\\Source3.dat");
    EXPECT_EQ(next->repaint.m_nCdRomPrompt, -1);
    EXPECT_EQ(next->registered.m_astrDivName[0], "兵庫");

    next->registered.m_nDivisionEdited = 1;
    next->registered.m_astrDivName[2] = "大和";
    next.reset();
    EXPECT_EQ(profile.getString("Division", "Div2"), "大和");
    EXPECT_EQ(profile.getString("Division", "neX5"), "137.0000");
}

// A run that changed no setting leaves the profile as it is (not even rewritten with the same
// bytes); a changed setting still lands.
TEST_F(DocumentProfile, AnExitWithoutChangesLeavesTheProfileAlone)
{
    const auto identity = [] {
        struct stat status{};
        EXPECT_EQ(stat(ProfileFile().c_str(), &status), 0);
        return std::make_tuple(status.st_ino, status.st_mtim.tv_sec, status.st_mtim.tv_nsec);
    };
    std::make_unique<CVeldoranDoc>().reset();
    const auto first = identity();
    std::make_unique<CVeldoranDoc>().reset();
    EXPECT_EQ(identity(), first);

    auto doc = std::make_unique<CVeldoranDoc>();
    doc->spec.m_nSymbolSize = 4;
    doc.reset();
    EXPECT_NE(identity(), first);
    EXPECT_EQ(profile.getInt("System", "SymbolSize", 0), 4);
}

// Records "section/key=value" in the order written.
class RecordingWriter : public ProfileWriter {
public:
    void writeInt(std::string_view section, std::string_view key, int value) override
    {
        writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::to_string(value));
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) override
    {
        writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    }
    std::vector<std::string> writes;
};

TEST_F(DocumentProfile, WriteBackFollowsItsOrder)
{
    auto doc = std::make_unique<CVeldoranDoc>();
    doc->position.m_nMapFrame = 3;
    doc->colours.m_crBackground = vd::RGB(7, 8, 9);
    doc->spec.m_dDepLatMin = 41.99;
    RecordingWriter recorder;
    doc->WriteSettingsBack(recorder);
    const std::vector<std::string> expected = {
        "LastData/MapFrame=1", "LastData/MapName=京都及大阪", "LastData/District=近畿中部",
        "City/Depature=大阪", "City/yd=34", "City/ym=41", "City/xd=135", "City/xm=31",
        "System/szTextAppeard=", "System/SymbolSize=2", "LastData/MapFigure=0", "LastData/PaletteNo=0",
        "LastData/ColorStep=1", "LastData/CstlnColor=10", "LastData/PrfCstClr=18", "LastData/Lake=0",
        "LastData/Reservoir=0", "LastData/MapBoundary=1", "LastData/LinkPoint=1", "System/SiteNameDisplay=1",
        "System/SiteNamePopup=0", "System/DataSouce=0", "System/DataFileTitle=HD(共通領域)",
        "System/PointDisplayFlag=14", "LastData/MapMode=9", "System/PicturePositon=1", "System/Screen=0",
        "System/PrfMpData=0", "System/MapPjctn=1", "System/Submarine=", "System/BkGrndR=7", "System/BkGrndG=8",
        "System/BkGrndB=9", "System/MouseDrag=1", "System/MapProjection=0", "System/ClipIndexMap=0",
        "System/StartWhiteMap=off",
    };
    EXPECT_EQ(recorder.writes, expected);

    // Edited regions come right after the last map, region by region.
    doc->registered.m_nDivisionEdited = 1;
    recorder.writes.clear();
    doc->WriteSettingsBack(recorder);
    ASSERT_GT(recorder.writes.size(), 33u);
    EXPECT_EQ(recorder.writes[3], "Division/Div0=兵庫");
    EXPECT_EQ(recorder.writes[4], "Division/swY0=34.0000");
    EXPECT_EQ(recorder.writes[32], "Division/neX5=137.0000");
    EXPECT_EQ(recorder.writes[33], "City/Depature=大阪");
}

TEST_F(DocumentProfile, EveryStoredKeyIsReadIntoItsMember)
{
    const std::string app = vd::applicationFolder();
    WriteBytes(Home() / "mine.dat", "x\r\n");
    const struct { const char* key; int value; } systemInts[] = {
        {"DataSouce", 2}, {"KindData", 5}, {"BackGrandColor", 0}, {"BmpBackground", 3}, {"KeyCount1", 2},
        {"KeyCount2", 4}, {"KeyCount3", 0}, {"KeyCount4", 6}, {"KeyCount5", 7}, {"KeyCount6", 9},
        {"SymbolSize", 3}, {"PointDisplayFlag", 7}, {"SiteNameDisplay", 1}, {"SiteNamePopup", 1},
        {"JpegProcess", 0}, {"MapProjection", 2}, {"ClipIndexMap", 1}, {"PicturePositon", 4},
        {"BkGrndR", 10}, {"BkGrndG", 20}, {"BkGrndB", 30}, {"Screen", 2}, {"PrfMpData", 1},
        {"MapPjctn", 0}, {"MouseDrag", 0},
    };
    for (const auto& v : systemInts)
        profile.writeInt("System", v.key, v.value);
    const struct { const char* section; const char* key; const char* value; } texts[] = {
        {"System", "AppDir", app.c_str()}, {"System", "CityBorderDir", "D:\\CITY\\"}, {"System", "CoastlineDir", "D:\\CST\\"},
        {"System", "Tyuuki", "D:\\t.csv"}, {"System", "Koukyou", "D:\\k.csv"}, {"System", "DataFileTitle", "HD(関西)"},
        {"System", "Key1", "城"}, {"System", "Key2", "滝"}, {"System", "Key3", "橋"}, {"System", "Ctgry0", "a"},
        {"System", "Ctgry1", "b"}, {"System", "Ctgry2", "c"}, {"System", "Ctgry3", "d"},
        {"System", "StartWhiteMap", "on"}, {"System", "szTextAppeard", "Dialog"}, {"System", "Viewer", "Z:\\usr\\bin\\eog"},
        {"System", "Editer", "Z:\\usr\\bin\\kate"}, {"System", "Submarine", "D:\\SEA\\"}, {"System", "MapName", "東京"},
        {"System", "District", "関東"}, {"City", "Depature", "名古屋"},
        {"Division", "Div4", "紀伊"}, {"Division", "swY4", "33.0000"},
    };
    for (const auto& t : texts)
        profile.writeString(t.section, t.key, t.value);
    profile.writeString("System", "SiteNameFile", app + "mine.dat");
    const struct { const char* key; int value; } lastInts[] = {
        {"MapFrame", 1}, {"MapFigure", 2}, {"PaletteNo", 5}, {"ColorStep", 3}, {"CstlnColor", 4},
        {"PrfCstClr", 6}, {"Lake", 1}, {"Reservoir", 1}, {"MapMode", 49}, {"MapBoundary", 0}, {"LinkPoint", 0},
    };
    for (const auto& v : lastInts)
        profile.writeInt("LastData", v.key, v.value);
    for (const auto& [key, value] : {std::pair{"yd", 35}, {"ym", 10}, {"xd", 136}, {"xm", 54}})
        profile.writeInt("City", key, value);
    const std::set<std::string> before = ProfileKeys();

    auto doc = std::make_unique<CVeldoranDoc>();
    EXPECT_EQ(ProfileKeys(), before); // every value was there: nothing is added
    EXPECT_EQ(doc->registered.m_nDataSource, 2);
    EXPECT_EQ(doc->registered.m_strDataFile, app + "SOURCE\\Source2.dat");
    EXPECT_EQ(doc->registered.m_strDataFileTitle, "HD(関西)");
    EXPECT_EQ(doc->repaint.m_nCdRomPrompt, 0);
    EXPECT_EQ(doc->spec.m_nKindData, 5);
    EXPECT_EQ(doc->environment.m_nBackGrandColor, 0);
    EXPECT_EQ(doc->environment.m_nBmpBackground, 3);
    EXPECT_EQ(doc->folders.m_strCityBorderDir, "D:\\CITY\\");
    EXPECT_EQ(doc->folders.m_strCoastlineDir, "D:\\CST\\");
    EXPECT_EQ(doc->environment.m_strAnnotationTable, "D:\\t.csv");
    EXPECT_EQ(doc->environment.m_strPublicFacilityTable, "D:\\k.csv");
    EXPECT_EQ(doc->environment.m_strSiteNameFile, app + "mine.dat");
    EXPECT_EQ(doc->environment.m_strKey1, "城");
    EXPECT_EQ(doc->environment.m_strKey3, "橋");
    EXPECT_EQ(doc->environment.m_strCtgry3, "d");
    EXPECT_EQ(doc->environment.m_anKeyCount, (std::array<int, 6>{2, 4, 0, 6, 7, 9})); // a stored 0 stays 0
    EXPECT_EQ(doc->spec.m_nSymbolSize, 3);
    EXPECT_EQ(doc->m_nPointDisplayFlag, 7);
    EXPECT_EQ(doc->m_nSiteNameDisplay, 1);
    EXPECT_EQ(doc->spec.m_nSiteNamePopup, 1);
    EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 1);
    EXPECT_EQ(doc->environment.m_strStartWhiteMap, "on");
    EXPECT_EQ(doc->environment.m_strTextAppear, "Dialog");
    EXPECT_EQ(doc->environment.m_strViewer, "Z:\\usr\\bin\\eog");
    EXPECT_EQ(doc->environment.m_strEditor, "Z:\\usr\\bin\\kate");
    EXPECT_EQ(doc->environment.m_nJpegProcess, 0);
    EXPECT_EQ(doc->position.m_nMapProjection, 2);
    EXPECT_EQ(doc->m_nClipIndexMap, 1);
    EXPECT_EQ(doc->folders.m_strSubmarineDir, "D:\\SEA\\");
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->position.m_strDistrict, "関東");
    EXPECT_EQ(doc->environment.m_nPicturePosition, 4);
    EXPECT_EQ(doc->environment.m_nPicturePositionCopy, 4);
    EXPECT_EQ(doc->colours.m_crBackground, vd::RGB(10, 20, 30));
    EXPECT_EQ(doc->environment.m_nScreen, 2);
    EXPECT_EQ(doc->environment.m_nPrfMpData, 1);
    EXPECT_EQ(doc->position.m_nMapPjctn, 0);
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 0);
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->position.m_nMapFrameCopy, 1);
    EXPECT_EQ(doc->position.m_nMapFigure, 2);
    EXPECT_EQ(doc->position.m_nMapFigureCopy, 2);
    EXPECT_EQ(doc->colours.m_nPaletteNo, 5);
    EXPECT_EQ(doc->colours.m_nColorStep, 3);
    EXPECT_EQ(doc->colours.m_nCstlnColor, 4);
    EXPECT_EQ(doc->colours.m_nPrfCstClr, 6);
    EXPECT_EQ(doc->spec.m_nLake, 1);
    EXPECT_EQ(doc->spec.m_nReservoir, 1);
    EXPECT_EQ(doc->position.m_nMapMode, 49);
    EXPECT_EQ(doc->spec.m_nMapBoundary, 0);
    EXPECT_EQ(doc->spec.m_nLinkPoint, 0);
    EXPECT_EQ(doc->spec.m_strDepature, "名古屋");
    EXPECT_EQ(doc->spec.m_dDepLatDeg, 35);
    EXPECT_EQ(doc->spec.m_dDepLatMin, 10);
    EXPECT_EQ(doc->spec.m_dDepLonDeg, 136);
    EXPECT_EQ(doc->spec.m_dDepLonMin, 54);
    EXPECT_EQ(doc->registered.m_astrDivName[4], "紀伊");
    EXPECT_EQ(doc->registered.m_astrDivSwY[4], "33.0000");
    EXPECT_EQ(doc->registered.m_astrDivSwX[4], "135.0000");
    // A departure city was stored: the default city file is not written.
    EXPECT_FALSE(fs::exists(Home() / "MAPELMNT" / "DPRTCITY.DAT"));
}

TEST_F(DocumentProfile, DataSourceAndPlaceNameFileFallBacks)
{
    profile.writeInt("System", "DataSouce", 0);
    profile.writeString("System", "DataFileTitle", "CD(無視)");
    profile.writeString("System", "SiteNameFile", vd::applicationFolder() + "gone.dat");
    auto doc = std::make_unique<CVeldoranDoc>();
    EXPECT_EQ(doc->registered.m_strDataFileTitle, "HD(共通領域)");
    EXPECT_EQ(doc->repaint.m_nCdRomPrompt, 0);
    EXPECT_EQ(doc->environment.m_strSiteNameFile, vd::applicationFolder() + "placenmn.dat");
    EXPECT_EQ(profile.getString("System", "SiteNameFile"), vd::applicationFolder() + "placenmn.dat");
}

TEST_F(DocumentProfile, AStoredApplicationFolderOfAnotherPlaceIsReplaced)
{
    profile.writeString("System", "AppDir", "C:\\VELDORAN\\");
    auto doc = std::make_unique<CVeldoranDoc>();
    EXPECT_EQ(doc->folders.m_strAppDir, vd::applicationFolder());
    EXPECT_EQ(profile.getString("System", "AppDir"), vd::applicationFolder());
}

TEST(DocumentLibraries, AMissingDovanneIsReportedAndConstructionGoesOn)
{
    auto script = vd::ui::Script::install();
    InstallFakeEditor();
    // The built libraries lie on the test's library path; these names point nowhere.
    vd::LibraryLoader::setOverride("Dovanne.dll", "/nonexistent/libdovanne.so");
    vd::LibraryLoader::setOverride("Pelmora.DLL", "/nonexistent/libpelmora.so");
    auto doc = std::make_unique<CVeldoranDoc>();
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("Can't load Dovanne.dll."), std::string::npos);
    EXPECT_EQ(script->messageBoxes()[0].style & vd::MB_ICONMASK, vd::MB_ICONEXCLAMATION);
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    // Without Pelmora the layer settings files stay missing; nothing else depends on it.
    EXPECT_FALSE(fs::exists(Home() / "DddMFile.dat"));
    EXPECT_TRUE(fs::exists(Home() / "MAPFILE.DAT"));
}

} // namespace
