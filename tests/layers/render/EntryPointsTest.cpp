// The eighteen entry points called as the program calls them: empty strings and zero or absurd
// numbers return without a crash and give the caller's drawing objects back, and the mesh forms
// answer -1 when nothing was drawn; an absurd cell count is held to the largest block.
#include "contracts/pelmora.h"
#include "layers/render/LayerPlan.h"
#include "layers/render/LayerRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <limits>
#include <variant>

namespace {

const std::string e;
const float kNan = std::numeric_limits<float>::quiet_NaN();

void CallAll(vd::Dc* dc, int n, float f, const std::string& s, int* meshResults)
{
    OnDdPlainRiver(dc, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdPlainRoad(dc, n, n, n, n, n, n, n, n, n, n, n, n, f, f, f, f, s, s, s, s, s, s);
    OnDdRiverWhite(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, s, s, s, s, s, s);
    OnDdRoadWhite(dc, n, n, n, n, n, n, n, n, n, n, n, n, n, n, f, f, s, s, s, s, s, s);
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
        if (c.noMeshTheme) {
            for (int r : results)
                EXPECT_EQ(r, -1) << c.n;
        }
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

// A cell count of a hundred million walked every cell and opened the prefecture table once per
// cell: the call did not return for minutes. Every form holds its count to the largest block the
// program draws and reads the table once. The watchdog only ends a hung run; it measures nothing.
TEST(EntryPoints, HugeAndNegativeCellCountsAndSizesReturn)
{
    layers_test::LayerFolder folder;
    folder.WriteLines("Msh_prft.dat", {"5339=13 14 19", "5340=13"});
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int i = 0; i < 600 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!done) {
            std::fputs("an entry point did not return: a cell count is not held\n", stderr);
            std::abort();
        }
    });
    for (const int n : {99'999'999, INT_MAX, -2, -99'999'999, INT_MIN}) {
        for (const float f : {1e9f, -1e9f}) {
            vd::RecordingDc dc;
            int results[3] = {0, 0, 0};
            CallAll(&dc, n, f, folder.Windows(), results);
        }
    }
    done = true;
    watchdog.join();
}

} // namespace
