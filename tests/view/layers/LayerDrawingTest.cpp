// Layers drawn headless through the view's repaint: a sheet map and a whole-country overview with
// rows switched on, and a Pelmora stand-in that paints a mark where it is called.
#include "tests/support/FakeLayers.h"
#include "tests/view/MapViewFixture.h"

#include "platform/dc/Color.h"
#include "platform/text/Format.h"

namespace {

class LayerDrawing : public viewtest::MapView {
protected:
    void BeforeDocument() override { vd::LibraryLoader::setOverride("Pelmora.DLL", VD_FAKE_LAYERS); }
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
    }

    bool MarkShown() const { return picture->GetPixel(43, 43) == vd::RGB(255, 0, 0); }
};

} // namespace

TEST_F(LayerDrawing, SheetMapShowsItsPointLayer)
{
    doc->m_strMapName = "京都及大阪";
    doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFrame = 1;
    doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc->m_anPointRowA[0][0] = 5;
    doc->m_astrPointName[0] = "駅";
    doc->m_astrPointFile[0] = "eki.dat";
    fakelayers::Log().clear();
    doc->m_nMapDisplayMode = 5;
    Repaint();
    const auto calls = fakelayers::Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(fakelayers::Head(calls[0]),
              "OnDdPointWhite(5,0,1,1,0,2,0,0,0," + std::to_string(kHeight) + ",10,30," +
                  vd::format("%.9g,%.9g", double(doc->m_fWhiteZoomX), double(doc->m_fWhiteZoomY)));
    EXPECT_EQ(fakelayers::Texts(calls[0]),
              (std::vector<std::string>{"", doc->m_astrBlockMeshCode[1], "駅", doc->layerChoice.m_strLayerPrefFlags,
                                        "eki.dat", doc->folders.m_strAppDir}));
    EXPECT_TRUE(MarkShown());
}

TEST_F(LayerDrawing, WholeCountryOverviewShowsItsPointLayer)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 4;
    doc->position.m_nPrefecture = 25; // 京都府's region, its layers over the whole country
    doc->environment.m_nPrfMpData = 1;
    doc->m_anPointRowFlag[2] = {0, 1, 0, 0, 0, 1, 0};
    doc->m_anPointRowFlag[0][6] = 1;
    doc->m_anPointRowA[2][1] = 9;
    fakelayers::Log().clear();
    doc->m_nMapDisplayMode = 5;
    Repaint();
    const auto calls = fakelayers::Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rfind("OnDdPlainPoint(9,", 0), 0u) << calls[0];
    std::string wholeCountry = "1|";
    for (int i = 1; i < 48; ++i)
        wholeCountry += "0|";
    EXPECT_EQ(fakelayers::Texts(calls[0]).at(0), "広域3//" + wholeCountry);
    EXPECT_TRUE(MarkShown());
}
