// Reading point data files and place-name files into the record list; the file reference and the
// current entry of a record.
#include "UserDataTestSupport.h"

#include "platform/text/Format.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

const std::string kTokyo = "東京駅 35.4052 139.4600 駅舎 C:\\Pics\\Tokyo.JPG C:\\docs\\tokyo.txt";
const std::string kFuji = "富士山 35.2139 138.4338 山岳 @:TEXT\\fuji.txt";
const std::string kSouthEdge = "南端 35.0000 139.0000 境界 @:TEXT\\edge.txt";
const std::string kNorthEdge = "北端 36.0000 140.0000 境界 http://example.jp/kita.htm";
const std::string kAlbum = "旅行 35.3000 139.3000 ***** C:\\ALBUM\\a.alb C:\\ALBUM\\a.alb";
const std::string kShortLatitude = "小島 9.3000 139.3000 島";      // "9.3000" sorts after "36.0000"
const std::string kTooSouth = "伊豆 34.5959 139.3000 半島";
const std::string kTooEast = "銚子 35.4000 140.0001 岬";
const std::string kNoBlank = "壊れた行";
const std::string kNoLongitude = "座標なし 35.3000";

const std::vector<std::string> kPointFile = {
    "; 登録地点", "", kTokyo, kFuji, kSouthEdge, kNorthEdge, kAlbum, kShortLatitude, kTooSouth, kTooEast,
    kNoBlank, kNoLongitude, "", "; おわり"};

class PointRecordRead : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        doc->registered.m_strDataFile = WriteFixture("SOURCE/history.dat", Cp932Lines(kPointFile)).winPath;
        doc->m_astrPointRecord.fill("stale");
    }
    int LoadFrame(int mode, const std::string& path = "")
    {
        return doc->LoadVisibleRecords(path, "139.0000", "35.0000", "140.0000", "36.0000", mode);
    }
    std::unique_ptr<CVeldoranDoc> doc;
};

TEST_F(PointRecordRead, KeepsTheRecordsInsideTheFrameForEachModeAndFilter)
{
    struct Case {
        const char* what;
        int mode;
        int keywordActive;
        std::string keyword;
        int kindData;
        std::vector<std::string> kept;
    };
    const std::vector<std::string> inside = {kTokyo, kSouthEdge, kNorthEdge, kAlbum};
    const Case cases[] = {
        {"all kinds", 6, 0, "", 3, inside},
        {"keyword off ignores the word", 6, 0, "駅舎", 3, inside},
        {"keyword on", 6, 1, "境界", 3, {kSouthEdge, kNorthEdge}},
        {"keyword is case-sensitive", 6, 1, "HTTP", 3, {}},
        {"keyword absent everywhere", 6, 1, "存在しない", 3, {}},
        {"no pictures or albums", 6, 0, "", 1, {kSouthEdge, kNorthEdge}},
        {"no texts or web pages", 6, 0, "", 2, {kTokyo, kAlbum}},
        {"keyword and kind together", 6, 1, "境界", 2, {}},
    };
    for (const Case& c : cases) {
        doc->spec.m_nKeywordActive = c.keywordActive;
        doc->spec.m_strPointKeyword = c.keyword;
        doc->spec.m_nKindData = c.kindData;
        // Every record is counted, inside the frame or not.
        EXPECT_EQ(LoadFrame(c.mode), 10) << c.what;
        EXPECT_EQ(Listed(doc->m_astrPointRecord), c.kept) << c.what;
        EXPECT_EQ(doc->m_astrPointRecord[c.kept.size()], "999") << c.what;
    }
}

TEST_F(PointRecordRead, PlainListModeReadsTheGivenFileWithoutFiltersAndRemembersTheCount)
{
    doc->spec.m_nKeywordActive = 1;
    doc->spec.m_strPointKeyword = "存在しない";
    doc->spec.m_nKindData = 1;
    const Fixture names = WriteFixture("placenmn.dat", Cp932Lines({"; 地名", "大島 35.3000 139.2000",
                                                                    "江ノ島 35.1757 139.2848", "遠い島 24.2000 123.5000"}));
    EXPECT_EQ(LoadFrame(1, names.winPath), 3);
    EXPECT_EQ(doc->m_nLastListCount, 3);
    EXPECT_EQ(Listed(doc->m_astrPointRecord),
              (std::vector<std::string>{"大島 35.3000 139.2000", "江ノ島 35.1757 139.2848"}));
    // Mode 6 leaves the plain-list count alone.
    LoadFrame(6);
    EXPECT_EQ(doc->m_nLastListCount, 3);
}

// A draw of the common area reads its own file into the draw's state: the document's data file
// and record list stay as they were.
TEST_F(PointRecordRead, DrawingFormReadsTheGivenFileIntoTheGivenState)
{
    const std::string dataFile = doc->registered.m_strDataFile;
    // A coordinate in other than ASCII is compared as the converted text, as every field is.
    const std::string kanaLatitude = "仮名 35.3ｱ 139.3000 島";
    const Fixture common = WriteFixture("SOURCE/common.dat", Cp932Lines({kTokyo, kTooSouth, kanaLatitude}));
    SheetDrawState draw;
    EXPECT_EQ(doc->LoadVisibleRecords(draw, common.winPath, "139.0000", "35.0000", "140.0000", "36.0000", 6), 3);
    EXPECT_EQ(Listed(draw.m_astrPointRecord), (std::vector<std::string>{kTokyo, kanaLatitude}));
    EXPECT_EQ(doc->registered.m_strDataFile, dataFile);
    EXPECT_EQ(doc->m_astrPointRecord[0], "stale");
}

TEST_F(PointRecordRead, MissingFilesOtherModesAndCommentOnlyFilesGiveAnEmptyList)
{
    const Fixture comments = WriteFixture("comments.dat", Cp932Lines({"; 一", "", "; 二"}));
    struct Case {
        const char* what;
        int mode;
        std::string path;
    };
    const Case cases[] = {{"comments only", 1, comments.winPath},
                          {"missing file", 1, vd::applicationFolder() + "none.dat"},
                          {"empty path", 1, ""},
                          {"unknown mode", 2, comments.winPath}};
    for (const Case& c : cases) {
        doc->m_nLastListCount = 77;
        doc->m_astrPointRecord[0] = "stale";
        EXPECT_EQ(LoadFrame(c.mode, c.path), 0) << c.what;
        EXPECT_EQ(doc->m_astrPointRecord[0], "999") << c.what;
    }
    doc->registered.m_strDataFile = vd::applicationFolder() + "none.dat";
    EXPECT_EQ(LoadFrame(6), 0);
    EXPECT_EQ(doc->m_astrPointRecord[0], "999");
}

TEST_F(PointRecordRead, TheListStopsAtItsBoundWithRoomForTheEndMark)
{
    std::vector<std::string> lines;
    for (int n = 0; n < 6000; ++n)
        lines.push_back(vd::format("地点%d 35.3000 139.3000 項目", n));
    doc->registered.m_strDataFile = WriteFixture("SOURCE/Source1.dat", Cp932Lines(lines)).winPath;
    EXPECT_EQ(LoadFrame(6), 6000);
    EXPECT_EQ(doc->m_astrPointRecord[4998], lines[4998]);
    EXPECT_EQ(doc->m_astrPointRecord[4999], "999");
}

TEST_F(PointRecordRead, ALongLineIsOneRecordNotSeveral)
{
    // 300 bytes of name: the old 200-byte buffer would have cut it into pieces read as records.
    std::string name;
    for (int n = 0; n < 150; ++n)
        name += "長";
    const std::string longRecord = name + " 35.3000 139.3000 長い名前";
    const std::string piece = "35.3000 139.3000 139.3000 x";
    doc->registered.m_strDataFile = WriteFixture("SOURCE/history.dat", Cp932Lines({longRecord, piece})).winPath;
    EXPECT_EQ(LoadFrame(6), 2);
    EXPECT_EQ(Listed(doc->m_astrPointRecord), (std::vector<std::string>{longRecord}));
}

TEST_F(PointRecordRead, RecordListReadsFirstAndAppendsAfterTheEndMark)
{
    const Fixture file = AppFile("SOURCE/history.dat");
    doc->LoadRecordList(file.winPath, "first");
    EXPECT_EQ(Listed(doc->m_astrPointRecord),
              (std::vector<std::string>{kTokyo, kFuji, kSouthEdge, kNorthEdge, kAlbum, kShortLatitude, kTooSouth,
                                        kTooEast, kNoBlank, kNoLongitude}));

    doc->LoadRecordList(WriteFixture("second.dat", Cp932Lines({"追加 35.1 139.1 x"})).winPath, "second");
    EXPECT_EQ(Listed(doc->m_astrPointRecord).size(), 11u);
    EXPECT_EQ(doc->m_astrPointRecord[10], "追加 35.1 139.1 x");

    // 4000 records held: at most 999 more fit, the end mark takes the last entry.
    for (int n = 0; n < 4000; ++n)
        doc->m_astrPointRecord[n] = "held";
    doc->m_astrPointRecord[4000] = "999";
    std::vector<std::string> many;
    for (int n = 0; n < 1500; ++n)
        many.push_back(vd::format("新%d 35.1 139.1 x", n));
    doc->LoadRecordList(WriteFixture("many.dat", Cp932Lines(many)).winPath, "second");
    EXPECT_EQ(doc->m_astrPointRecord[3999], "held");
    EXPECT_EQ(doc->m_astrPointRecord[4000], "新0 35.1 139.1 x");
    EXPECT_EQ(doc->m_astrPointRecord[4998], "新998 35.1 139.1 x");
    EXPECT_EQ(doc->m_astrPointRecord[4999], "999");

    // A list without an end mark counts as full; a missing file with "first" empties the list.
    doc->m_astrPointRecord.fill("held");
    doc->LoadRecordList(file.winPath, "second");
    EXPECT_EQ(doc->m_astrPointRecord[4998], "held");
    EXPECT_EQ(doc->m_astrPointRecord[4999], "999");
    doc->LoadRecordList(vd::applicationFolder() + "none.dat", "first");
    EXPECT_EQ(doc->m_astrPointRecord[0], "999");
}

TEST_F(PointRecordRead, RecordWithFileGivesTheFirstFileReferenceInLowerCase)
{
    const std::string noColon = "地点 35.1000 139.1000 ITEM Notes.TXT";
    const std::string colonInName = "A:B 35.1000 139.1000 ITEM C:\\x.txt";
    doc->m_astrPointRecord[0] = kTokyo;
    doc->m_astrPointRecord[1] = noColon;
    doc->m_astrPointRecord[2] = colonInName;
    doc->m_astrPointRecord[3] = kFuji;
    doc->m_astrPointRecord[4] = "999";
    EXPECT_EQ(doc->GetRecordWithFile(0), kTokyo + "]c:\\pics\\tokyo.jpg");
    EXPECT_EQ(doc->GetRecordWithFile(1), noColon + "]地点 35.1000 139.1000 item notes.txt");
    // A ":" in the first two bytes starts no file reference.
    EXPECT_EQ(doc->GetRecordWithFile(2), colonInName + "]a:b 35.1000 139.1000 item c:\\x.txt");
    EXPECT_EQ(doc->GetRecordWithFile(3), kFuji + "]@:text\\fuji.txt");
    EXPECT_EQ(doc->GetRecordWithFile(4), "999");
    EXPECT_EQ(doc->GetRecordWithFile(-1), "999");
    EXPECT_EQ(doc->GetRecordWithFile(5000), "999");
}

TEST_F(PointRecordRead, EntryFromRecordByKind)
{
    struct Case {
        std::string record;
        int kind;
        std::string target;
        std::string param;
    };
    const Case cases[] = {
        {kTokyo, 1, "C:\\Pics\\Tokyo.JPG", "C:\\docs\\tokyo.txt"},
        {"城 35.1 139.1 史跡 D:\\pic\\castle.bmp", 0, "D:\\pic\\castle.bmp", ""},
        {kAlbum, 8, "", "C:\\ALBUM\\a.alb"},
        {kFuji, 9, "", "@:TEXT\\fuji.txt"},
        {"メモ 35.1 139.1 覚書", 9, "", ""},
        {kNorthEdge, 10, "http://example.jp/kita.htm", ""},
        {"案内 35.1 139.1 リンク", 9, "", ""},
        {"短い http:", 10, "", ""},
    };
    for (const Case& c : cases) {
        doc->entry.m_strEntryTarget = doc->m_strEntryParam = "stale";
        doc->SetEntryFromRecord(c.record);
        EXPECT_EQ(doc->m_nFileKind, c.kind) << c.record;
        EXPECT_EQ(doc->entry.m_strEntryTarget, c.target) << c.record;
        EXPECT_EQ(doc->m_strEntryParam, c.param) << c.record;
    }
}

} // namespace
