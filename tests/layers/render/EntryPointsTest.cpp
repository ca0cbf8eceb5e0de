// The fourteen entry points called as the program calls them: empty strings and zero or absurd
// numbers return without a crash and give the caller's drawing objects back, and the mesh forms
// answer -1 when nothing was drawn.
#include "contracts/pelmora.h"
#include "layers/render/LayerPlan.h"
#include "layers/render/LayerRenderer.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <variant>

namespace {

const std::string e;
const float kNan = std::numeric_limits<float>::quiet_NaN();

void CallAll(vd::Dc* dc, int n, float f, const std::string& s, int* meshResults)
{
    OnDdPlainWholeCountry(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDDLWholeCountryWhite(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdPlainLASurface(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdSrfcPlainWhole(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdSurfaceWhite(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, s, s, s, s, s, s);
    OnDdSurfaceWhole(dc, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdPlainPoint(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdPointWhite(dc, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    meshResults[0] = OnDdPlainMesh(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s, s);
    meshResults[1] =
        OnDdPlainMeshRelief(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s, s);
    OnDdPlainMeshTavrel(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s, s);
    OnDdWhiteMesh(dc, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    meshResults[2] = OnDdPlnF10Mesh(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s, s);
    OnDdWhitePlnF10Mesh(dc, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
}

TEST(EntryPoints, AnyArgumentsReturnAndGiveTheObjectsBack)
{
    const struct {
        int n;
        float f;
        std::string s;
        bool noMeshTheme; // the mode code names no mesh theme
    } cases[] = {
        {0, 0.0f, e, false},
        {INT_MIN, kNan, "/", true},
        {INT_MAX, 1e30f, "広域5/鉄道/1|", true},
        {-1, -1e30f, "25=/", true},
        {10002, 1.0f, "5339/", false},
        {400, 1.0f, std::string(5000, '/'), true},
    };
    for (const auto& c : cases) {
        vd::RecordingDc dc;
        const vd::DcState before = dc.State();
        int results[3] = {0, 0, 0};
        CallAll(&dc, c.n, c.f, c.s, results);
        EXPECT_EQ(dc.State().pen, before.pen);
        EXPECT_EQ(dc.State().brush, before.brush);
        EXPECT_EQ(dc.State().font, before.font);
        if (c.noMeshTheme)
            for (int r : results)
                EXPECT_EQ(r, -1) << c.n;
    }
    int results[3] = {0, 0, 0};
    CallAll(nullptr, 0, 0.0f, e, results);
    for (int r : results)
        EXPECT_EQ(r, -1);
}

TEST(EntryPoints, FourPassesRunWithEachMeshCode)
{
    vd::RecordingDc dc;
    CLayerRenderer renderer(dc, {});
    const LayerChoice choice{true, {"5438", "5441", "5138", "5141"}, {LayerOp::DrawRailways, {4, 25}}};
    EXPECT_EQ(RunLayerChoice(renderer, choice), -1);
    EXPECT_EQ(renderer.MeshCode, "5141");
    // No operation: nothing runs, the fields stay.
    renderer.MeshCode = "5339";
    EXPECT_EQ(RunLayerChoice(renderer, {true, {"5438"}, {}}), -1);
    EXPECT_EQ(renderer.MeshCode, "5339");
}

TEST(EntryPoints, ArgumentsThatDoNotFitTheMemberAreAFailedDrawing)
{
    vd::RecordingDc dc;
    CLayerRenderer renderer(dc, {});
    EXPECT_THROW(RunLayerOperation(renderer, {LayerOp::DrawSurfaceAreas, {1, 2}}), std::out_of_range);
    EXPECT_THROW(RunLayerOperation(renderer, {LayerOp::DrawPlainPoints, {1, std::string("x")}}),
                 std::bad_variant_access);
    const vd::DcState before = dc.State();
    LayerPlan plan;
    plan.choice.call = {LayerOp::DrawSubdividedLakes, {1}};
    EXPECT_EQ(RunLayerPlan(&dc, plan), -1);
    EXPECT_EQ(dc.State().pen, before.pen);
}

} // namespace
