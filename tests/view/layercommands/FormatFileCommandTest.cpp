// The view's data-format command: enabled while a layer is on, it opens Pelmora's format viewer
// over the switched-on rows.
#include "MapViewFixture.h"

#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "view/layercommands/FormatFileCommand.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace viewtest;

TEST_F(MapView, TheFormatCommandIsEnabledWhileALayerIsOn)
{
    const struct {
        int point, geology;
        bool enabled;
    } cases[] = {{0, 0, false}, {1, 0, true}, {0, 1, true}};
    for (const auto& c : cases) {
        doc->m_anPointRowFlag[0][6] = c.point;
        doc->geology.m_nGeologyLayer = c.geology;
        vd::CmdUI ui(ID_FORMAT_FILE);
        ASSERT_TRUE(view->routeUpdate(ui));
        EXPECT_EQ(ui.enabled.value_or(true), c.enabled) << c.point << c.geology;
    }
}

TEST_F(MapView, TheFormatCommandListsTheSwitchedOnRows)
{
    doc->m_anPointRowFlag[0][6] = 1;
    doc->m_anPointRowFlag[0][1] = 1;
    doc->m_anMeshRowFlag[2][4] = 1;
    doc->m_anFineMeshFlag[3] = 1;
    doc->geology.m_nGeologyLayer = 1;
    doc->geology.m_nLandClassLayer = 0;
    doc->geology.m_nGeoLead = 4;
    const std::string flags = FormatFlagString(*doc);
    std::vector<std::string> fields;
    for (std::size_t at = 0, bar; (bar = flags.find('|', at)) != std::string::npos; at = bar + 1)
        fields.push_back(flags.substr(at, bar - at));
    ASSERT_EQ(fields.size(), 102u);
    EXPECT_EQ(fields[46], "1");
    EXPECT_EQ(fields[94], "1");
    EXPECT_EQ(fields[98], "1");
    EXPECT_EQ(fields[99], "1");
    EXPECT_EQ(fields[100], "0");
    EXPECT_EQ(fields[101], "4");

    const std::filesystem::path home = vd::applicationFolderPath();
    std::ofstream(home / "DDDPFILE.DAT", std::ios::binary) << vd::utf8ToCp932(
        "T1_2=学校\r\nF1_2=" + doc->folders.m_strAppDir + "P29.TXT\r\nT1_3=病院\r\nF1_3=Z:\\P04.TXT\r\n");
    std::vector<std::string> listed;
    script->answerDialog("Pelmora", 159, [&](vd::DialogDriver& d) {
        auto* list = d.dialog().item<vd::ListBox>(1668);
        for (int i = 0; list && i < list->GetCount(); ++i)
            listed.push_back(list->GetText(i));
        d.click(vd::IDOK);
    });
    view->routeCommand(ID_FORMAT_FILE);
    EXPECT_EQ(listed, (std::vector<std::string>{"学校"}));
    ASSERT_EQ(script->desktopOpens().size(), 1u) << "a single data set opens at once";
}

} // namespace
