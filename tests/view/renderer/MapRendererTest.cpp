// The map renderer's construction: palette, defaults, background tools, bound entry points, and
// that building one leaves nothing behind in the device context.
#include "ViewTestSupport.h"

#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "graphics/BackgroundShade.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/LibraryLoader.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

namespace {

using vd::RGB;

TEST(MapRenderer, BuildsItsFixedPaletteAndDefaults)
{
    auto doc = viewtest::MakeDocument();
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    EXPECT_EQ(renderer.m_pDC, &dc);
    EXPECT_EQ(renderer.m_pDoc, doc.get());
    EXPECT_EQ(renderer.m_nClientWidth, 1024);
    EXPECT_EQ(renderer.m_nClientHeight, 768);
    EXPECT_EQ(renderer.m_nLabelColourMode, 2);
    EXPECT_EQ(renderer.m_nMarkStyle, 0);
    EXPECT_EQ(renderer.m_nSelectedMarkStyle, -1);
    EXPECT_EQ(renderer.m_nLabelPlacement, 1);
    EXPECT_EQ(renderer.m_nOriginX, 10);
    EXPECT_EQ(renderer.m_nOriginY, 30);
    EXPECT_EQ(renderer.m_bAltLayout, 0);

    // A few of the table's entries, read back from the objects made.
    EXPECT_EQ(renderer.m_aBrush[1].Colour(), RGB(0, 230, 0));
    EXPECT_EQ(renderer.m_aBrush[11].Colour(), RGB(255, 200, 120));
    EXPECT_EQ(renderer.m_aBrush[14].Colour(), RGB(0, 255, 0));
    EXPECT_EQ(renderer.m_aPen[1].Width(), 2);
    EXPECT_EQ(renderer.m_aPen[3].Colour(), RGB(255, 80, 0));
    EXPECT_EQ(renderer.m_aPen[18].Colour(), RGB(100, 100, 100));
    EXPECT_EQ(renderer.m_aPen[18].Style(), vd::PS_SOLID);
    EXPECT_EQ(renderer.m_aPen[25].Width(), 2);
    EXPECT_EQ(renderer.m_aPen[25].Colour(), RGB(0, 128, 0));
    for (const vd::Brush& brush : renderer.m_aBrush)
        EXPECT_FALSE(brush.IsNull());
    for (const vd::Pen& pen : renderer.m_aPen) {
        EXPECT_FALSE(pen.IsNull());
        EXPECT_EQ(pen.Style(), vd::PS_SOLID);
    }

    // The same palette whatever the client size.
    CMapRenderer narrow(&dc, doc.get(), 800, 600);
    EXPECT_EQ(narrow.m_aBrush, renderer.m_aBrush);
    EXPECT_EQ(narrow.m_aPen, renderer.m_aPen);
}

TEST(MapRenderer, TheBackgroundShadeIsTwelveDarkerButKeepsFullChannels)
{
    EXPECT_EQ(shade::ShadeColour(RGB(246, 246, 246)), RGB(234, 234, 234));
    EXPECT_EQ(shade::ShadeColour(RGB(255, 5, 12)), RGB(255, 0, 0));
    EXPECT_EQ(shade::ShadeColour(RGB(254, 255, 13)), RGB(242, 255, 1));

    auto doc = viewtest::MakeDocument();
    doc->colours.m_crBackground = RGB(200, 255, 100);
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    ASSERT_TRUE(renderer.m_pBackgroundBrush && renderer.m_pBackgroundShadeBrush && renderer.m_pBackgroundShadePen);
    EXPECT_EQ(renderer.m_pBackgroundBrush->Colour(), RGB(200, 255, 100));
    EXPECT_EQ(renderer.m_pBackgroundShadeBrush->Colour(), RGB(188, 255, 88));
    EXPECT_EQ(renderer.m_pBackgroundShadePen->Colour(), RGB(188, 255, 88));
    EXPECT_EQ(renderer.m_pBackgroundShadePen->Width(), 1);
}

// Pens, brushes and fonts are values of the device context's state: nothing can outlive its
// owner. What a renderer must not leave behind is a selection or a drawing: a thousand renderers
// built and destroyed leave the context exactly as it was, without one recorded call.
TEST(MapRenderer, AThousandRenderersLeaveTheDeviceContextUntouched)
{
    auto doc = viewtest::MakeDocument();
    vd::RecordingDc dc;
    const vd::Pen pen(vd::PS_DASH, 1, RGB(1, 2, 3));
    const vd::Brush brush(RGB(4, 5, 6));
    vd::Font font;
    font.CreatePointFont(120, "ＭＳ ゴシック");
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    dc.SelectObject(font);
    dc.Clear();
    for (int i = 0; i < 1000; ++i) {
        CMapRenderer renderer(&dc, doc.get(), 800 + i % 2 * 224, 600);
        ASSERT_EQ(renderer.m_aPen.size() + renderer.m_aBrush.size(), 41u);
    }
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(dc.GetCurrentPen(), pen);
    EXPECT_EQ(dc.GetCurrentBrush(), brush);
    EXPECT_EQ(dc.GetCurrentFont(), font);
}

TEST(MapRenderer, BindsWhatTheLibrariesExportAndLeavesMissingOnesEmpty)
{
    auto doc = viewtest::MakeDocument();
    ASSERT_TRUE(vd::LibraryLoader::setOverride("Ombrisk.dll", "/nonexistent/libombrisk.so"));
    ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", "/nonexistent/libsurrick.so"));
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    EXPECT_NE(Dovanne().OnUnitLength.fn, nullptr);
    EXPECT_NE(Dovanne().OnWholeCoastLine.fn, nullptr);
    EXPECT_NE(Dovanne().OnPrefectureLat.fn, nullptr);
    EXPECT_EQ(Ombrisk().OnSubmarineTpgraphyMesh.fn, nullptr);
    EXPECT_EQ(Ombrisk().OnSubmarineLegned.fn, nullptr);
    EXPECT_EQ(Surrick().OnCitySurfaceSearch.fn, nullptr);
    // A bound entry point is the library's own.
    EXPECT_GT(Dovanne().OnUnitLength.fn("ns", "35."), 0.0);
}

} // namespace
