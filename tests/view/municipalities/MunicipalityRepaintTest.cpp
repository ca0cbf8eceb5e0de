// The start sheet (京都及大阪) as a 3 x 3 block with 市区町村界 on, repainted by the view through
// the built Surrick from the bundled CityPlgn\ files and Msh_prft.dat: the white map's
// municipality outlines, and the searched municipality 26102 named in red.
#include "tests/view/MapViewFixture.h"

#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"

#include <algorithm>

namespace {

class MunicipalityRepaint : public viewtest::MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so"));
        vd::seedFolder(VD_SAMPLE_DATA_DIR, vd::applicationFolderPath());
    }

    void ShowStartSheet()
    {
        PastFirstPaint();
        viewtest::ShowKyotoOsakaSheet(*doc);
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 9;
        doc->spec.m_nCityBorder = 1;
        doc->folders.m_strAppDir = vd::applicationFolder();
        doc->folders.m_strCityBorderDir = vd::applicationFolder();
        doc->folders.m_strCoastlineDir.clear();
        doc->m_nMapDisplayMode = 5;
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
    }

    std::vector<vd::RecordedCall> CallsWithPen(const vd::RecordingDc& dc, vd::DrawOp::Kind kind, const vd::Pen& pen)
    {
        std::vector<vd::RecordedCall> calls;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == kind && call.state.pen == pen)
                calls.push_back(call);
        return calls;
    }
};

} // namespace

TEST_F(MunicipalityRepaint, WhiteBlockOutlinesTheMunicipalitiesOfItsCells)
{
    ShowStartSheet();
    // The white map's tint sheets of the block (their presence is what counts).
    doc->folders.m_strMapFigureDir = vd::applicationFolder() + "MAPFGRS\\";
    for (int lat = 51; lat <= 53; ++lat)
        for (int lon = 34; lon <= 36; ++lon)
            viewtest::WriteHomeFile("MAPFGRS/" + std::to_string(lat * 100 + lon) + ".bmp", "BM");
    doc->position.m_nMapFigure = 1;
    vd::RecordingDc dc;
    view->OnDraw(dc);
    // Colour −11: light grey outlines, one a municipality area of the five prefectures.
    const auto outlines = CallsWithPen(dc, vd::DrawOp::Polyline, vd::Pen(vd::PS_SOLID, 1, 0xDCDCDC));
    EXPECT_GT(outlines.size(), 200u);
    // They lie on the block: every point within the client.
    for (const vd::RecordedCall& call : outlines)
        for (const vd::Point& p : call.op.points) {
            ASSERT_GE(p.x, 0);
            ASSERT_LT(p.x, kWidth);
        }
}

TEST_F(MunicipalityRepaint, SearchedMunicipalityIsNamedInRed)
{
    ShowStartSheet();
    doc->pointer.m_nFindPlaceKind = 3;
    doc->pointer.m_nActiveViewDialog = 2;
    doc->pointer.m_strFindMunicipality = "26102";
    doc->layerChoice.m_strLayerPrefFlags = "0|1|";
    vd::RecordingDc dc;
    view->OnDraw(dc);
    const auto texts = dc.Texts();
    const auto named = std::find_if(texts.begin(), texts.end(),
                                    [](const vd::RecordedText& t) { return t.text.starts_with("上京区"); });
    ASSERT_NE(named, texts.end());
    EXPECT_EQ(named->colour, 0x0000FFu);
    // Filled on the plain map, outlined in colour code 9.
    EXPECT_FALSE(CallsWithPen(dc, vd::DrawOp::Polygon, vd::Pen(vd::PS_SOLID, 1, 0x0000A0)).empty());
}
