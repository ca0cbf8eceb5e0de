// The prefecture limit, the legends, cancel-all, the mouse-drag modes and the boundary set-up.
#include "LayerTestSupport.h"
#include "contracts/surrick.h"
#include "platform/sys/LibraryLoader.h"

using fakelayers::Answer;
using fakelayers::Calls;

TEST_F(LayerDocument, AreaSelectionReplacesTheFlagsAndRedrawsOnlyWithALayerOn)
{
    std::string whole = "1|", chosen = "0|1|";
    for (int i = 1; i < 48; ++i)
        whole += "0|";
    for (int i = 2; i < 48; ++i)
        chosen += "0|";
    Answer("OnDddAreaSelect", chosen);
    doc->OnLayerAreaSelect();
    EXPECT_EQ(Calls().at(0), "OnDddAreaSelect([" + whole + "])");
    EXPECT_EQ(doc->layerChoice.m_strLayerPrefFlags, chosen);
    EXPECT_EQ(redraws, 0);
    doc->geology.m_nLandClassLayer = 1;
    doc->OnLayerAreaSelect();
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 1);
    Answer("OnDddAreaSelect", "");
    doc->OnLayerAreaSelect();
    EXPECT_EQ(doc->layerChoice.m_strLayerPrefFlags, chosen);
}

TEST_F(LayerDocument, LegendFlagsInTheLegendsOrder)
{
    // A family never set sends its marker as it is.
    doc->m_anLineRowFlag[0][0] = 0;
    doc->m_anLineRowFlag[1][2] = 1;
    doc->m_anSurfaceRowFlag[2][0] = 1;
    doc->m_anPointRowFlag[5][4] = 1;
    doc->m_anLineRowFlag[6][1] = 1;
    doc->m_anPointRowA[5][4] = 7;
    doc->OnLayerLegend();
    std::string flags;
    for (int i = 0; i < 81; ++i)
        flags += i == 7 || i == 40 || i == 74 || i == 76 ? "1|" : i == 80 ? "7|" : i == 30 || i == 45 ? "-1|" : "0|";
    EXPECT_EQ(Calls().at(0), "OnDlgDdLegend([" + flags + "],[Z:\\app\\])");
}

TEST_F(LayerDocument, GeologyLegendKind)
{
    struct Case {
        int lead;
        std::string text0;
        int kind;
    };
    for (const Case& c : {Case{2, "123456789012345", -2}, Case{0, "1234567890127", 7}, Case{0, "12345678901", 0},
                          Case{0, "123456789012x", 0}}) {
        fakelayers::Log().clear();
        doc->geology.m_nGeoLead = c.lead;
        doc->geology.m_astrGeoText[0] = c.text0;
        doc->geology.m_nGeoLegendKind = 1;
        doc->OnGeologyLegend();
        EXPECT_EQ(Calls().at(0), vd::format("OnD4GeologyLegend(240,%d,1,2,[Z:\\app\\])", c.kind)) << c.text0;
        EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    }
}

TEST_F(LayerDocument, CancelAllSwitchesOnlyWhatIsOn)
{
    doc->m_anPointRowFlag[2] = {1, 0, 1, 0, 0, 1, 0};
    doc->m_anPointRowFlag[0][6] = 1;
    doc->m_anSurfaceRowFlag[1] = {0, 1, 0, 0, 0, 1, 0};
    doc->m_anSurfaceRowFlag[0][6] = 1;
    doc->m_anMeshRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anFineMeshFlag = {1, 1, 0, 0, 0, 1, 1, 0, 0};
    doc->geology.m_nGeologyLayer = 1;
    doc->seismic.m_bSeismicLayer = 1;
    doc->layerChoice.m_nLayerPreset = 4;
    doc->OnCancelAllLayers();
    EXPECT_EQ(doc->m_anPointRowFlag[2], (std::array<int, 7>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(doc->m_anPointRowFlag[0], (std::array<int, 7>{-1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(doc->m_anLineRowFlag[0][0], -1);
    EXPECT_EQ(doc->m_anSurfaceRowFlag[1][1], 0);
    EXPECT_EQ(doc->m_anMeshRowFlag[0][0], -1);
    EXPECT_EQ(doc->m_anMeshRowFlag[2][0], 0);
    EXPECT_EQ(doc->m_anFineMeshFlag, (std::array<int, 9>{0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0);
    EXPECT_EQ(doc->geology.m_nLandClassLayer, -1);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 1);
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(doc->IsAnyLayerSelected(2), 0);
}

TEST_F(LayerDocument, AnyLayerSelectedByLevel)
{
    struct Case {
        void (*set)(CVeldoranDoc&);
        int level0, level1, level2;
    };
    for (const Case& c : {Case{[](CVeldoranDoc& d) { d.m_anLineRowFlag[0][6] = 1; }, 1, 1, 1},
                          Case{[](CVeldoranDoc& d) { d.m_anMeshRowFlag[1][5] = 1; }, 0, 1, 1},
                          Case{[](CVeldoranDoc& d) { d.m_anFineMeshFlag[5] = 1; }, 0, 1, 1},
                          Case{[](CVeldoranDoc& d) { d.geology.m_nLandClassLayer = 1; }, 0, 0, 1},
                          Case{[](CVeldoranDoc& d) { d.seismic.m_bSeismicLayer = 1; }, 0, 0, 0}}) {
        SetUp();
        c.set(*doc);
        EXPECT_EQ(doc->IsAnyLayerSelected(0), c.level0);
        EXPECT_EQ(doc->IsAnyLayerSelected(1), c.level1);
        EXPECT_EQ(doc->IsAnyLayerSelected(2), c.level2);
        EXPECT_EQ(doc->IsAnyLayerSelected(5), c.level2);
    }
}

TEST_F(LayerDocument, DragModesAndBoundaryConversion)
{
    doc->OnDragEnlargeSheet();
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 0);
    EXPECT_EQ(doc->pointer.m_nMouseDragCopy, 0);
    doc->OnDragRouteMap();
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 1);
    EXPECT_EQ(doc->pointer.m_nMouseDragCopy, 1);
    EXPECT_EQ(redraws, 0);
    // The conversion is Surrick's: while its entry point is missing the map stays (the user is
    // told which part is missing).
    const bool landed = vd::entryPoint<OnCityBoundarySet_fn>("SURRICK.DLL", "OnCityBoundarySet") != nullptr;
    const int mode = doc->m_nMapDisplayMode;
    doc->OnBoundaryConversion();
    EXPECT_EQ(doc->m_nMapDisplayMode, landed ? 30 : mode);
    EXPECT_EQ(redraws, landed ? 1 : 0);
}
