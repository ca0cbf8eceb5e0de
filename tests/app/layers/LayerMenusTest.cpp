// The layer commands' menu updates by map type, and the commands routed by the frame to the
// document. (The menu bar's own routing of a chosen item is tested with the platform; here the
// frame's command routing runs the items, as the accelerators do.)
#include "LayerTestSupport.h"

#include "app/shell/PendingCommands.h"
#include "tests/app/shell/ShellTestSupport.h"

#include <QTest>

#include <map>

namespace {

struct State {
    bool enabled;
    int checked;
};

// The update handler's say: enabled unless it disabled, the check it set (-1: none).
State Update(CVeldoranDoc& doc, int id)
{
    vd::CmdUI ui(id);
    EXPECT_TRUE(doc.runOwnUpdate(ui)) << id;
    return {ui.enabled.value_or(true), ui.checked.value_or(-1)};
}

// Runs the update handlers as when each sub-menu opens.
void OpenAll(vd::Menu& menu, vd::CommandTarget& target)
{
    menu.UpdateItems(target);
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        if (vd::Menu* sub = menu.GetSubMenu(i))
            OpenAll(*sub, target);
}

} // namespace

TEST_F(LayerDocument, SettingsCommandsFollowRulesAAndB)
{
    struct MapCase {
        int type, prefectureSel, seismic;
        bool ruleA, ruleB;
    };
    const MapCase maps[] = {{1, 0, 0, true, true},   {2, 4, 0, true, true},   {2, 3, 0, false, false},
                            {3, 0, 0, false, false}, {4, 0, 0, false, false}, {1, 0, 1, true, false}};
    const std::map<int, bool> ruleB = {{32771, false}, {32772, false}, {32773, false}, {32774, true},
                                       {32775, true},  {32781, true},  {32779, true},  {32825, true}};
    for (const MapCase& m : maps)
        for (const auto& [id, meshRule] : ruleB) {
            SCOPED_TRACE(std::to_string(m.type) + "/" + std::to_string(m.seismic) + ": " + std::to_string(id));
            doc->position.m_nMapType = m.type;
            doc->position.m_nPrefectureSel = m.prefectureSel;
            doc->seismic.m_bSeismicLayer = static_cast<std::int16_t>(m.seismic);
            EXPECT_EQ(Update(*doc, id).enabled, meshRule ? m.ruleB : m.ruleA);
        }

    doc->position.m_nMapType = 1;
    doc->seismic.m_bSeismicLayer = 0;
    EXPECT_EQ(Update(*doc, 32771).checked, 0);
    doc->m_anPointRowFlag[0][6] = 1;
    doc->m_anMeshRowFlag[1][5] = 1;
    doc->geology.m_nLandClassLayer = 1;
    EXPECT_EQ(Update(*doc, 32771).checked, 1);
    EXPECT_EQ(Update(*doc, 32774).checked, 1);
    EXPECT_EQ(Update(*doc, 32775).checked, 0);
    EXPECT_EQ(Update(*doc, 32825).checked, 1);
    EXPECT_EQ(Update(*doc, 32779).checked, 0);
}

TEST_F(LayerDocument, TheOtherLayerCommandsUpdates)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 4;
    EXPECT_FALSE(Update(*doc, 32778).enabled) << "the chosen prefecture's map";
    doc->position.m_nPrefectureSel = 0;
    EXPECT_EQ(Update(*doc, 32778).checked, 0) << "the whole country is chosen";
    doc->layerChoice.m_strLayerPrefFlags = "0|1|";
    EXPECT_EQ(Update(*doc, 32778).checked, 1);

    EXPECT_FALSE(Update(*doc, 32776).enabled);
    EXPECT_FALSE(Update(*doc, 32780).enabled);
    EXPECT_FALSE(Update(*doc, 32826).enabled);
    doc->geology.m_nGeologyLayer = 1;
    EXPECT_FALSE(Update(*doc, 32776).enabled);
    EXPECT_TRUE(Update(*doc, 32780).enabled);
    EXPECT_TRUE(Update(*doc, 32826).enabled);
    doc->m_anSurfaceRowFlag[0][6] = 1;
    EXPECT_TRUE(Update(*doc, 32776).enabled);

    for (int type : {1, 2}) {
        doc->position.m_nMapType = type;
        doc->pointer.m_nMouseDrag = 0;
        EXPECT_EQ(Update(*doc, 32827).enabled, type == 1);
        EXPECT_EQ(Update(*doc, 32827).checked, 1);
        EXPECT_EQ(Update(*doc, 32828).checked, 0);
    }

    struct PresetCase {
        int type, prefectureSel, seismic;
        bool enabled;
    };
    for (const PresetCase& c : {PresetCase{1, 0, 0, true}, PresetCase{2, 0, 0, false}, PresetCase{2, 4, 0, true},
                                PresetCase{3, 0, 0, true}, PresetCase{4, 0, 0, false}, PresetCase{1, 0, 1, false}}) {
        doc->position.m_nMapType = c.type;
        doc->position.m_nPrefectureSel = c.prefectureSel;
        doc->seismic.m_bSeismicLayer = static_cast<std::int16_t>(c.seismic);
        EXPECT_EQ(Update(*doc, 32829).enabled, c.enabled) << c.type << "/" << c.prefectureSel << "/" << c.seismic;
    }

    doc->position.m_nMapType = 2;
    doc->seismic.m_anSeisSetting[2] = 1;
    EXPECT_EQ(Update(*doc, 32835).checked, 1);
    EXPECT_EQ(doc->seismic.m_bSeisProbabilistic, 1);
    doc->m_anFineMeshFlag[7] = 1;
    EXPECT_FALSE(Update(*doc, 32835).enabled);
    doc->m_anFineMeshFlag[7] = 0;
    doc->position.m_nMapType = 3;
    EXPECT_FALSE(Update(*doc, 32835).enabled);
    doc->seismic.m_bSeismicLayer = 0;
    EXPECT_FALSE(Update(*doc, 32837).enabled);
    doc->seismic.m_bSeismicLayer = 1;
    EXPECT_TRUE(Update(*doc, 32837).enabled);
}

// The listed commands have left the pending list: their items enable in the menus and the frame
// routes them to the document.
TEST(LayerMenus, TheLayerCommandsAreTheDocumentsAndRun)
{
    fakelayers::Install(VD_FAKE_LAYERS);
    doctest::InstallFakeEditor();
    ShellRun run;
    ASSERT_TRUE(run.start());
    const int ids[] = {32771, 32772, 32773, 32774, 32775, 32776, 32778, 32779, 32780,
                       32781, 32825, 32826, 32827, 32828, 32829, 32830, 32835, 32837};
    for (int id : ids)
        for (const shell::CommandRange& r : shell::PendingCommands())
            EXPECT_FALSE(id >= r.first && id <= r.last) << id;
    vd::Menu& bar = *run.frame().GetMenu();
    OpenAll(bar, run.frame());
    for (int id : {32771, 32772, 32773, 32774, 32778, 32830})
        EXPECT_EQ(bar.GetMenuState(id, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u) << id;
    EXPECT_NE(bar.GetMenuState(32826, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u) << "no layer is on";

    fakelayers::Log().clear();
    EXPECT_TRUE(run.frame().ExecuteCommand(32772));
    EXPECT_EQ(fakelayers::Calls().at(0).rfind("OnDlgDdSet(", 0), 0u);
}

// Ctrl+X, the preset's key, reaches the document's command and takes the preset's answer.
TEST(LayerMenus, PresetKeyAppliesThePreset)
{
    fakelayers::Install(VD_FAKE_LAYERS);
    doctest::InstallFakeEditor();
    ShellRun run;
    ASSERT_TRUE(run.start());
    auto& doc = *static_cast<CVeldoranDoc*>(run.app->document());
    doc.position.m_nMapType = 1;
    fakelayers::Answer("OnNationDataPreset", std::string(42, '0') + "/" + std::string(49, '0') + "/" +
                                                 std::string(21, '0') + "/" + std::string(16, '0') +
                                                 "/000000000/0000/000000000#5");
    QMainWindow* main = ShellRun::frameWidget();
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(fakelayers::Calls().size(), 1u);
    EXPECT_EQ(doc.layerChoice.m_nLayerPreset, 5);
}
