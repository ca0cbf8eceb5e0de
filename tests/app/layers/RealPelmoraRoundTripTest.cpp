// The layer settings commands with the built Pelmora: each answer the document keeps is what the
// library is handed at the next call, so an unchanged second OK gives the same state back.
#include "LayerTestSupport.h"

#include "layers/settings/linedata/LineDataSetDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "tests/app/shell/ShellTestSupport.h"

#include <functional>
#include <vector>

namespace {

struct Case {
    int command, templateId, tabs, tab; // tabs: the dialog's tab control, tab: the one chosen
    std::function<std::vector<int>(const CVeldoranDoc&)> state;
};

template <std::size_t N>
void Add(std::vector<int>& out, const std::array<int, N>& a)
{
    out.insert(out.end(), a.begin(), a.end());
}

// The shell with the built Pelmora, on the white map (rule A and B both allow every command).
struct RealShell {
    RealShell()
    {
        fakelayers::Install(VD_FAKE_LAYERS);
        doctest::UseBuiltLibraries();
        doctest::InstallFakeEditor();
        started = run.start();
        if (started) {
            doc = static_cast<CVeldoranDoc*>(run.app->document());
            doc->position.m_nMapType = 1;
        }
    }
    // Runs the command with the dialog answered by the actions; false when it did not open.
    bool Call(int command, int templateId, vd::ui::Script::DialogActions actions)
    {
        bool opened = false;
        run.script->answerDialog("Pelmora", templateId, [&](vd::DialogDriver& d) {
            opened = true;
            actions(d);
        });
        return run.frame().ExecuteCommand(command) && opened;
    }
    ShellRun run;
    bool started = false;
    CVeldoranDoc* doc = nullptr;
};

} // namespace

TEST(RealPelmoraRoundTrip, EachLayerCommandKeepsTheAnswerAndHandsItBack)
{
    RealShell s;
    ASSERT_TRUE(s.started);
    const CVeldoranDoc& doc = *s.doc;
    const Case cases[] = {
        {32771, 254, 1103, 3, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nPointLead};
             for (const auto* rows : {&d.m_anPointRowA, &d.m_anPointRowB, &d.m_anPointRowC})
                 for (const auto& t : *rows) Add(v, t);
             for (const auto& t : d.m_anPointRowFlag) Add(v, t);
             return v;
         }},
        {32772, 232, 1516, 2, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nLineLead};
             for (const auto& t : d.m_anLineRowFlag) Add(v, t);
             for (const auto& t : d.m_anLineRowValue) Add(v, t);
             return v;
         }},
        {32773, 135, 1030, 2, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nSurfaceLead};
             for (const auto& t : d.m_anSurfaceRowFlag) Add(v, t);
             for (const auto* rows : {&d.m_anSurfaceRowA, &d.m_anSurfaceRowB, &d.m_anSurfaceRowC})
                 for (const auto& t : *rows) Add(v, t);
             return v;
         }},
        {32774, 235, 1030, 2, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nNatureMeshLead};
             Add(v, d.m_anNatureMeshValue);
             Add(v, d.m_anMeshRowFlag[0]);
             Add(v, d.m_anMeshRowFlag[1]);
             return v;
         }},
        {32775, 247, 1030, 1, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nIndustryMeshLead};
             Add(v, d.m_anIndustryMeshValue);
             Add(v, d.m_anMeshRowFlag[2]);
             return v;
         }},
        {32781, 145, 1437, 2, [](const CVeldoranDoc& d) {
             std::vector<int> v{d.m_nFineMeshLead};
             Add(v, d.m_anFineMeshFlag);
             Add(v, d.m_anFineMeshValue);
             return v;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(s.Call(c.command, c.templateId, [&](vd::DialogDriver& d) {
            d.selectTab(c.tabs, c.tab);
            d.click(vd::IDOK);
        }));
        const std::vector<int> first = c.state(doc);
        EXPECT_EQ(first.at(0), c.tab) << "the answer leads with the tab";
        ASSERT_TRUE(s.Call(c.command, c.templateId, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.dialog().item<vd::TabCtrl>(c.tabs)->GetCurSel(), c.tab) << "reopens on the last tab";
            d.click(vd::IDOK);
        }));
        EXPECT_EQ(c.state(doc), first) << "the kept answer came back unchanged";
    }
}


TEST(RealPelmoraRoundTrip, FirstPointCallCancelledKeepsAFullResultAndTheTab)
{
    RealShell s;
    ASSERT_TRUE(s.started);
    ASSERT_EQ(s.doc->m_anPointRowFlag[0][0], -1) << "never set: the call sends \"-1/TAVREL\"";
    ASSERT_TRUE(s.Call(32771, 254, [](vd::DialogDriver& d) {
        d.selectTab(1103, 4);
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(s.doc->m_nPointLead, 4) << "a first Cancel answers as OK";
    for (const auto& tab : s.doc->m_anPointRowFlag)
        for (int flag : tab)
            EXPECT_NE(flag, -1);
    ASSERT_TRUE(s.Call(32771, 254, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.dialog().item<vd::TabCtrl>(1103)->GetCurSel(), 4);
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(s.doc->m_nPointLead, 4);
}

TEST(RealPelmoraRoundTrip, LineColourChangeRewritesTheFileAndComesBack)
{
    // The colour combo of the conservation page's second row.
    constexpr int kColour = 1746;
    RealShell s;
    ASSERT_TRUE(s.started);
    ASSERT_TRUE(s.Call(32772, 232, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); }));
    for (const auto& tab : s.doc->m_anLineRowFlag)
        EXPECT_NE(tab[0], -1) << "the first Cancel returns the file's rows";
    const auto file = doctest::Home() / "DddMFile.dat";
    const std::string before = doctest::ReadBytes(file);
    const auto values = s.doc->m_anLineRowValue;

    ASSERT_TRUE(s.Call(32772, 232, [&](vd::DialogDriver& d) {
        d.selectTab(CDlgLineDataSet::kTabControl, 4);
        auto& combo = dynamic_cast<vd::ComboBox&>(d.control(kColour));
        d.selectCombo(kColour, combo.GetCurSel() == 21 ? 20 : 21);
        d.click(vd::IDOK);
    }));
    EXPECT_NE(s.doc->m_anLineRowValue, values) << "the new colour is kept";
    const std::string after = doctest::ReadBytes(file);
    EXPECT_FALSE(after.empty());
    EXPECT_NE(after, before) << "a changed colour rewrites DddMFile.dat";

    int shown = -1;
    ASSERT_TRUE(s.Call(32772, 232, [&](vd::DialogDriver& d) {
        d.selectTab(CDlgLineDataSet::kTabControl, 4);
        shown = dynamic_cast<vd::ComboBox&>(d.control(kColour)).GetCurSel();
        d.click(vd::IDCANCEL);
    }));
    EXPECT_TRUE(shown == 21 || shown == 20) << shown;
    EXPECT_EQ(doctest::ReadBytes(file), after);
}

TEST(RealPelmoraRoundTrip, EveryTabOfEachLayerDialogHoldsItsTexts)
{
    RealShell s;
    ASSERT_TRUE(s.started);
    struct Dialog {
        int command, templateId, tabs;
    };
    for (const Dialog& c : {Dialog{32771, 254, 1103}, Dialog{32772, 232, 1516}, Dialog{32773, 135, 1030},
                            Dialog{32774, 235, 1030}, Dialog{32775, 247, 1030}, Dialog{32781, 145, 1437}}) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(s.Call(c.command, c.templateId, [&](vd::DialogDriver& d) {
            const int count = d.dialog().item<vd::TabCtrl>(c.tabs)->GetItemCount();
            EXPECT_GT(count, 0);
            for (int tab = 0; tab < count; ++tab) {
                d.selectTab(c.tabs, tab);
                for (const std::string& fault : d.clippedControls())
                    ADD_FAILURE() << "tab " << tab + 1 << ": " << fault;
            }
            d.click(vd::IDCANCEL);
        }));
    }
}
