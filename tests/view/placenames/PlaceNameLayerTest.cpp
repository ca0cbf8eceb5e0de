// The view's place-name layer: the panel with Dovanne's two condition calls around the search,
// the button that opens the search on a wide view, and 表示しない, which hides the hits.
#include "MapViewFixture.h"

#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"

namespace {

using namespace viewtest;

class PlaceNameLayer : public MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", VD_FAKE_DOVANNE_SHEETS));
    }
    static std::string& DovanneLog()
    {
        using LogFn = std::string*();
        return *vd::entryPoint<LogFn>("Dovanne.dll", "FakeDovanneLog")();
    }
    void SetUpSearch()
    {
        PastFirstPaint();
        ShowKyotoOsakaSheet(*doc);
        doc->position.m_nMapFrame = 1;
        doc->m_nBlockWestSec = 486000;
        doc->m_nBlockSouthSec = 124800;
        doc->m_fWhiteZoomX = 2;
        doc->m_fWhiteZoomY = 2;
        WriteHomeFile("tyuuki.csv", vd::utf8ToCp932("523501,注記,1,26101,0,3,2,7,嵐山の滝,あらしやまのたき,x,y,"
                                                    "1354530,345030\r\n"));
        doc->environment.m_strAnnotationTable =
            vd::toWindowsPath((doctest::Home() / "tyuuki.csv").string()).value_or("");
        doc->search.m_nPlaceNameLayer = 0;
        doc->m_strPlaceNameState = "GNPF";
        doc->m_nGnpfValue3 = 3;
        doc->m_nGnpfValue4 = 2;
        doc->m_nGnpfValue5 = 7;
        doc->m_nGnpfValue6 = 0;
        doc->m_strGnpfText1 = "自然地名";
        doc->m_strGnpfText2 = "湖沼";
        doc->m_strGnpfText3 = "滝";
        doc->m_strGnpfText4 = "5235";
        doc->m_strGnpfRest = "の滝";
        DovanneLog().clear();
    }
};

TEST_F(PlaceNameLayer, ThePanelWritesTheConditionBeforeAndTheCountsAfterTheSearch)
{
    SetUpSearch();
    view->DrawPlaceNameLayer(*picture, 0);
    EXPECT_EQ(DovanneLog(), "OnGnpfOutPut(0,715,175,0,0,0,3,2,7,900,自然地名,湖沼,滝,5235,,,の滝);"
                            "OnGnpfOutPut(1,715,175,0,1,1,3,2,7,900,自然地名,湖沼,滝,5235,,,の滝);");
    EXPECT_EQ(ButtonPlace(40), "地名･公共施設 810,280,887,298");
    EXPECT_EQ(doc->m_nResultCount, 1);
    EXPECT_TRUE(doc->m_strPlaceNameState.empty());
    // The bevelled panel's white face.
    EXPECT_EQ(picture->GetPixel(800, 250), vd::RGB(255, 255, 255));

    // The kept results drawn again on a narrow view: the line layout's place, no button, and a
    // facility search passes its class and sub-class with no middle class.
    view->m_pNavigation->SetViewButton(40, "", 0, 0, 0, 0);
    DovanneLog().clear();
    view->m_nSavedWidth = 800;
    doc->search.m_nPlaceNameLayer = 1;
    doc->m_nGnpfValue3 = 7;
    doc->m_nGnpfValue4 = 16;
    doc->m_nGnpfValue5 = 1;
    view->DrawPlaceNameLayer(*picture, 1);
    EXPECT_EQ(DovanneLog(), "OnGnpfOutPut(0,5,630,1,1,1,16,-1,1,800,自然地名,湖沼,滝,5235,,,の滝);"
                            "OnGnpfOutPut(1,5,630,1,1,1,16,-1,1,800,自然地名,湖沼,滝,5235,,,の滝);");
    EXPECT_EQ(ButtonPlace(40), "");
}

TEST_F(PlaceNameLayer, TheMainMapSearchesOnRequestThenDrawsTheKeptHits)
{
    SetUpSearch();
    doc->m_nMapDisplayMode = 5;
    Repaint();
    EXPECT_EQ(doc->m_nResultCount, 1);
    EXPECT_EQ(doc->m_nResultDrawn, 1);
    EXPECT_TRUE(doc->m_strPlaceNameState.empty());
    // A second repaint draws the kept list without the table.
    WriteHomeFile("tyuuki.csv", "");
    doc->m_nMapDisplayMode = 5;
    doc->m_nResultDrawn = 0;
    Repaint();
    EXPECT_EQ(doc->m_nResultCount, 1);
    EXPECT_EQ(doc->m_nResultDrawn, 1);
}

TEST_F(PlaceNameLayer, HidingThePlaceNamesEmptiesTheListAndIsGreyWithoutResults)
{
    PastFirstPaint();
    ShowButtons({40});
    vd::CmdUI idle(ID_HIDE_PLACE_NAMES);
    ASSERT_TRUE(view->routeUpdate(idle));
    EXPECT_FALSE(idle.enabled.value_or(true));

    for (int i = 0; i < 30000; ++i)
        doc->m_astrPlaceRecord[std::size_t(i)] = "点 34.5030 135.4530 ";
    doc->m_astrPlaceRecord[29999] = "999";
    doc->m_nResultCount = 30001;
    doc->search.m_nPlaceNameLayer = 0;
    vd::CmdUI held(ID_HIDE_PLACE_NAMES);
    ASSERT_TRUE(view->routeUpdate(held));
    EXPECT_TRUE(held.enabled.value_or(true));

    ASSERT_TRUE(view->routeCommand(ID_HIDE_PLACE_NAMES));
    EXPECT_TRUE(doc->m_astrPlaceRecord[0].empty());
    EXPECT_TRUE(doc->m_astrPlaceRecord[29998].empty());
    EXPECT_EQ(doc->m_astrPlaceRecord[29999], "999");
    EXPECT_EQ(doc->m_nResultCount, 0);
    EXPECT_EQ(doc->search.m_nPlaceNameLayer, -1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
    EXPECT_TRUE(ShownButtons().empty()) << "the search's button goes with its hits";
}

} // namespace
