// The place-name search flow: what the dialog library is asked, how its answer is kept, and the
// sheet the map moves to.
#include "UserDataTestSupport.h"

#include "contracts/bindings/DovanneExports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace userdatatest;

// The prefecture's office lies in mesh 5339 for every code in these tests.
std::string OfficeMesh(std::string)
{
    return "5339";
}

class PlaceNameSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument(VD_FAKE_TOVENDLG);
        Dovanne().OnGetMechCodeFromGovermentCode.fn = &OfficeMesh;
        log = doctest::Home() / "gnpf.log";
        setenv("VD_FAKE_GNPF_LOG", log.c_str(), 1);
        doc->environment.m_strAnnotationTable = "C:\\DATA\\TYUUKI.CSV";
        doc->folders.m_strSheetIndexFile =
            WriteFixture("BlcMap20.idx", Cp932Lines({IndexLine("東京", "35.2000", "139.0000"),
                                                     IndexLine("京都及大阪", "34.4000", "135.0000")}))
                .winPath;
        WriteFixture("NpClrTbl.dat", Cp932Lines({"自然地名", "3,4,12", "交通施設"}));
        doc->m_strMapName = "京都及大阪";
        doc->position.m_nMapFrame = 3;
    }
    void Answer(const std::string& answer) { setenv("VD_FAKE_GNPF_ANSWER", answer.c_str(), 1); }
    std::string Calls() { return doctest::ReadBytes(log); }

    std::unique_ptr<CVeldoranDoc> doc;
    path log;
};

TEST_F(PlaceNameSearch, FirstSearchStartsFromResetConditionsAndMovesToThePrefecturesSheet)
{
    doc->m_nGnpfValue3 = 4;
    doc->m_strGnpfText5 = "stale";
    Answer("0|1|0|3|0|2|13|0|1|0|C:\\OUT\\r.dat|自然地名|山|峰||13|東京都|富士");
    doc->RetrievePlaceNames();
    EXPECT_EQ(Calls(), "0,1,2,-999,-1,-1,-1,-1,-1,,,\n");

    EXPECT_EQ(doc->m_nGnpfValue0, 0);
    EXPECT_EQ(doc->m_nGnpfValue3, 3);
    EXPECT_EQ(doc->m_nGnpfValue4, -1); // 0 means no class
    EXPECT_EQ(doc->m_nGnpfValue5, 2);
    EXPECT_EQ(doc->m_nGnpfValue6, 13);
    EXPECT_EQ(doc->m_nGnpfValue8, 1);
    EXPECT_EQ(doc->m_strGnpfText0, "C:\\OUT\\r.dat");
    EXPECT_EQ(doc->m_strGnpfText5, "13");
    EXPECT_EQ(doc->m_strGnpfText6, "東京都");
    EXPECT_EQ(doc->m_strGnpfRest, "富士");
    // The colours of class 3 (自然地名), the state word, the layer, and the move to the sheet.
    EXPECT_EQ(doc->placeNameClasses.m_anClassColour[3 * 55 + 4], 12);
    EXPECT_EQ(doc->m_strPlaceNameState, "GNPF");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->search.m_nPlaceNameLayer, 0);
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
}

TEST_F(PlaceNameSearch, LaterSearchesPassThePreviousConditions)
{
    doc->m_nGnpfValue0 = 1;
    doc->m_nGnpfValue7 = 2;
    doc->m_nGnpfValue8 = 3;
    doc->m_nGnpfValue9 = 1;
    doc->m_strGnpfText0 = "C:\\OUT\\r.csv";
    doc->m_strGnpfText1 = "学校";
    doc->m_strGnpfText2 = "小学校";
    doc->m_strGnpfText4 = "13101";
    doc->m_strGnpfRest = "第一";
    doc->environment.m_nGnpfSetting = 50;
    // Closed on the display tab: only the display mode and the text size change.
    Answer("1|0|2|7|5|1|13|4|2|2|x|y|z||13101|13|東京都|");
    doc->RetrievePlaceNames();
    EXPECT_EQ(Calls(), "321,1,2,50,1,-1,-1,-1,-1,13101,第一,C:\\OUT\\r.csv|学校|小学校|\n");
    EXPECT_EQ(doc->m_nGnpfValue7, 4);
    EXPECT_EQ(doc->m_nGnpfValue8, 2);
    EXPECT_EQ(doc->m_nGnpfValue9, 2);
    EXPECT_EQ(doc->m_strGnpfText1, "学校");
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
}

TEST_F(PlaceNameSearch, MunicipalityCodeOrBothCodesAndCancel)
{
    doc->m_nGnpfValue0 = 0;
    // A government code alone: its first four digits as the mesh code.
    Answer("1|0|2|7|5|1|13|4|2|0|x|y|z||5339x||東京都|");
    doc->RetrievePlaceNames();
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->search.m_nPlaceNameLayer, 1);

    // Both codes: no sheet, the map stays.
    doc->m_strMapName = "京都及大阪";
    doc->m_nResultCount = 9;
    Answer("1|0|2|7|5|1|13|4|2|0|x|y|z||13101|13|東京都|");
    doc->RetrievePlaceNames();
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    EXPECT_EQ(doc->m_nResultCount, 0);

    // Cancel changes nothing; without tables there is no dialog at all.
    Answer("");
    doc->RetrievePlaceNames();
    EXPECT_EQ(doc->m_strGnpfText4, "13101");
    doc->environment.m_strAnnotationTable.clear();
    doc->RetrievePlaceNames();
    const std::string calls = Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 3);
}

} // namespace
