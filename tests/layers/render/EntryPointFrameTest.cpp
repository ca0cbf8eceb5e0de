#include "layers/render/EntryPointFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryPointFrame, AreaSpecSplits)
{
    struct Case {
        std::string spec;
        AreaSpecSplit split;
        std::string wideAreaName, dataName, remainder;
    } cases[] = {
        {"広域3/河川/1|0|", AreaSpecSplit::BothSteps, "広域3", "河川", "1|0|"},
        {"広域3/河川/1|0|", AreaSpecSplit::FirstStep, "広域3", "", "河川/1|0|"},
        {"広域3/河川/1|0|", AreaSpecSplit::BothStepsChecked, "広域3", "河川", "1|0|"},
        {"広域3/河川/1|0|", AreaSpecSplit::FirstStepChecked, "広域3", "", "河川/1|0|"},
        // No "/": the forms that test keep the whole text as the name and pass nothing on; the
        // others get an empty name and pass the whole text on.
        {"1|0|", AreaSpecSplit::BothStepsChecked, "1|0|", "", ""},
        {"1|0|", AreaSpecSplit::FirstStepChecked, "1|0|", "", ""},
        {"1|0|", AreaSpecSplit::BothSteps, "", "", "1|0|"},
        {"1|0|", AreaSpecSplit::FirstStep, "", "", "1|0|"},
        {"東京/1|0|", AreaSpecSplit::BothSteps, "東京", "", "1|0|"},
        {"", AreaSpecSplit::BothSteps, "", "", ""},
    };
    for (const Case& c : cases) {
        const AreaSpecParts parts = SplitAreaSpec(c.spec, c.split);
        EXPECT_EQ(parts.wideAreaName, c.wideAreaName) << c.spec << " " << int(c.split);
        EXPECT_EQ(parts.dataName, c.dataName) << c.spec << " " << int(c.split);
        EXPECT_EQ(parts.remainder, c.remainder) << c.spec << " " << int(c.split);
    }
}

TEST(EntryPointFrame, WhiteMapExtents)
{
    EXPECT_EQ(WhiteMapExtent("5339", 1, "25"), (WhiteExtent{129600, 500400, 127200, 504000}));
    EXPECT_EQ(WhiteMapExtent("5339", 9, "9"), (WhiteExtent{132000, 496800, 124800, 507600}));
    EXPECT_EQ(WhiteMapExtent("5339", 9, ""), (WhiteExtent{132000, 496800, 124800, 507600}));
    EXPECT_EQ(WhiteMapExtent("5339", 25, "25"), (WhiteExtent{134400, 493200, 122400, 511200}));
    EXPECT_EQ(WhiteXScale(1.0f), 0.08888889f);
    EXPECT_EQ(WhiteYScale(1.0f), 0.13333334f);
    EXPECT_EQ(WhiteXScale(2.5f), 2.5f * 0.08888889f);
}

TEST(EntryPointFrame, PlainFormFillsTheFields)
{
    const PlainScalars a{7, 1, 2, 3, 4, 5, 6, 8, 9, 3, 700, 1.5f, 2.5f, 0.25f, 0.5f};
    const LayerDrawParams p =
        PlainParams(a, {"広域3", "河川", "flags"}, {"spec", "5339", "5338", "5337", "D:\\KSJ\\(W05)", "D:\\KSJ\\"});
    EXPECT_EQ(p.ItemCode, 7);
    EXPECT_EQ((std::array{p.North, p.West, p.South, p.East}), (std::array{1, 2, 3, 4}));
    EXPECT_EQ((std::array{p.AreaKind, p.WideAreaMode, p.BlockMode}), (std::array{5, 6, 8}));
    EXPECT_EQ(p.StatusFlag, 9);
    EXPECT_EQ(p.ProgressFlag, 9);
    EXPECT_EQ(p.DetailLevel, 3);
    EXPECT_EQ(p.StatusLineY, 700);
    EXPECT_EQ((std::array{p.XOrigin, p.YOrigin, p.XScale, p.YScale}), (std::array{1.5f, 2.5f, 0.25f, 0.5f}));
    EXPECT_EQ(p.WideAreaName, "広域3");
    EXPECT_EQ(p.DataName, "河川");
    EXPECT_EQ(p.MeshCode, "5339");
    EXPECT_EQ(p.BlockCentre3, "5338");
    EXPECT_EQ(p.BlockCentre5, "5337");
    EXPECT_EQ(p.DataSetPath, "D:\\KSJ\\(W05)");
    EXPECT_EQ(p.DataFolder, "D:\\KSJ\\");
}

TEST(EntryPointFrame, WhiteLineFormFillsTheFields)
{
    const WhiteLineScalars block{3, 40, 30, 9, 5235, -1, 700, 2.0f, 0.5f};
    const LayerDrawParams p = WhiteLineParams(block, {"flags", "given", "河川", "9", "D:\\(W05)", "D:\\"});
    EXPECT_EQ(p.MeshCode, "5235"); // the mesh-code argument as "%d"
    EXPECT_EQ((std::array{p.North, p.West, p.South, p.East}), (std::array{129600, 482400, 122400, 493200}));
    EXPECT_EQ(p.XOrigin, 30.0f);
    EXPECT_EQ(p.YOrigin, 40.0f);
    EXPECT_EQ(p.XScale, 2.0f * 0.08888889f);
    EXPECT_EQ(p.YScale, 0.5f * 0.13333334f);
    EXPECT_EQ(p.ItemCode, 3);
    EXPECT_EQ(p.StatusFlag, -1);
    EXPECT_EQ(p.ProgressFlag, -1);
    EXPECT_EQ(p.StatusLineY, 700);
    EXPECT_EQ(p.DataName, "河川");
    EXPECT_EQ(p.DataSetPath, "D:\\(W05)");
    EXPECT_EQ(p.DataFolder, "D:\\");
    EXPECT_EQ((std::array{p.AreaKind, p.WideAreaMode, p.BlockMode, p.DetailLevel}), (std::array{0, 0, 0, 0}));
    // Block mode 1: the mesh text as the caller gave it anchors a single mesh.
    const WhiteLineScalars single{3, 40, 30, 1, 9999, 0, 700, 1.0f, 1.0f};
    const LayerDrawParams q = WhiteLineParams(single, {"", "5339", "", "25", "", ""});
    EXPECT_EQ(q.MeshCode, "5339");
    EXPECT_EQ((std::array{q.North, q.West, q.South, q.East}), (std::array{129600, 500400, 127200, 504000}));
}

} // namespace
