#include "view/layercommands/FormatFileCommand.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/pelmora.h"
#include "platform/text/Format.h"
#include "view/layers/LandLayerTable.h"
#include "view/window/VeldoranView.h"

std::string FormatFlagString(const CVeldoranDoc& doc)
{
    std::string flags;
    const auto field = [&](int value) { flags += vd::format("%d|", value); };
    const auto rows = [&](int (*flag)(const CVeldoranDoc&, int, int), int tab) {
        for (int r = 0; r < 5; ++r)
            field(flag(doc, tab, r));
    };
    for (int t = 0; t < 6; ++t)
        rows(LineRowFlag, t);
    for (int t = 0; t < 3; ++t)
        rows(SurfaceRowFlag, t);
    for (int t = 0; t < 6; ++t)
        rows(PointRowFlag, t);
    rows(LineRowFlag, 6);
    for (int g = 0; g < 3; ++g)
        rows(MeshRowFlag, g);
    for (int r = 0; r < 4; ++r)
        field(FineMeshRowFlag(doc, r));
    field(doc.geology.m_nGeologyLayer);
    field(doc.geology.m_nLandClassLayer);
    field(doc.geology.m_nGeoLead);
    return flags;
}

void OnFormatFile(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    auto* format = Pelmora().OnDlgDdFormat.fn;
    view.SaveRestoreMap(0, 0, 0, 0, 0, view.m_nSavedWidth, view.m_nSavedHeight);
    // The program names no viewer of its own: pages open with the desktop's browser.
    if (format)
        format(FormatFlagString(doc), doc.folders.m_strAppDir, "");
    view.SaveRestoreMap(1, 0, 0, 0, 0, view.m_nSavedWidth, view.m_nSavedHeight);
}

void ConnectFormatFileCommand(CVeldoranView& view)
{
    CVeldoranDoc* doc = view.GetDocument();
    if (!doc)
        return;
    view.OnCommand(ID_FORMAT_FILE, [&view] { OnFormatFile(view); });
    view.OnUpdateCommandUI(ID_FORMAT_FILE, [doc](vd::CmdUI& ui) { ui.Enable(doc->IsAnyLayerSelected(2) == 1); });
}
