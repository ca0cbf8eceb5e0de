// The document's message map for the map-type, registration, white-map, user-menu and submarine
// commands and their menu updates.
#include "app/document/VeldoranDoc.h"

void CVeldoranDoc::RegisterDocumentCommands()
{
    OnCommand(32789, [this] { OnMapTypeDialog(); });
    OnCommand(32788, [this] { OnPrefectureMapKey(); });
    OnCommand(33149, [this] { OnOtherRegion(); });
    OnUpdateCommandUI(
        33149, [this](vd::CmdUI& ui) { ui.Enable(!(position.m_nMapType == 2 && position.m_nPrefectureSel == 4)); });

    OnCommand(32889, [this] { OnRegisterData(); });
    OnUpdateCommandUI(32889, [this](vd::CmdUI& ui) { UpdateMouseToolItem(ui, 1, true); });
    OnCommand(33154, [this] { OnRegisterAlbum(); });
    OnUpdateCommandUI(33154, [this](vd::CmdUI& ui) { UpdateMouseToolItem(ui, 4, position.m_nMapType != 4); });
    OnCommand(32893, [this] { OnUpdateDataAlbum(); });
    OnUpdateCommandUI(32893, [this](vd::CmdUI& ui) { UpdateMouseToolItem(ui, 2, true); });

    OnCommand(32808, [this] { OnRegisterSheets(); });
    OnCommand(33284, [this] { OnPrefDataRegister(); });
    OnCommand(33285, [this] { OnPrefDataUpdate(); });
    OnCommand(32897, [this] { OnDataSourceSelect(); });
    OnUpdateCommandUI(32897, [this](vd::CmdUI& ui) { ui.Enable(position.m_nMapType != 4); });
    OnCommand(32882, [this] { OnTextBackground(); });
    OnUpdateCommandUI(32882, [this](vd::CmdUI& ui) { SetMenuCheck(ui, environment.m_nBackGrandColor, 1); });
    for (int id : {33262, 33265})
        OnCommand(id, [this] { OnColourSet(); });

    OnCommand(32791, [this] { OnPrefectureBorders(); });
    OnUpdateCommandUI(32791, [this](vd::CmdUI& ui) { SetMenuCheck(ui, spec.m_nPrefectureLinesFlag, 1); });
    OnCommand(32834, [this] { OnSubprefectureBorders(); });
    OnUpdateCommandUI(32834, [this](vd::CmdUI& ui) {
        ui.Enable(spec.m_nPrefectureLinesFlag == 1);
        SetMenuCheck(ui, spec.m_nSubprefBorder, 1);
    });
    OnCommand(32792, [this] { OnGraticule(); });
    OnUpdateCommandUI(32792, [this](vd::CmdUI& ui) { SetMenuCheck(ui, spec.m_nGraticuleFlag, 1); });
    OnCommand(32805, [this] { RegisterMenuFile(0); });
    OnCommand(32806, [this] { RegisterMenuFile(1); });
    OnCommand(32812, [this] { OnPrefectureMap(); });
    OnUpdateCommandUI(32812, [this](vd::CmdUI& ui) { SetMenuCheck(ui, position.m_nPrefectureSel, 4); });

    OnCommand(32813, [this] { OnSubmarineSettings(); });
    OnUpdateCommandUI(32813, [this](vd::CmdUI& ui) {
        ui.Enable(position.m_nMapType == 1);
        SetMenuCheck(ui, depth.m_nSubmarineLayer, 1);
    });
    OnCommand(32814, [this] { OnDepthFileStatus(); });
    for (int area = 0; area < 4; ++area)
        OnCommand(32815 + area, [this, area] { OnMakeDepthFile(area); });
    OnCommand(32820, [this] { OnRegisterPictureMaps(); });
    for (int id : {33281, 33282})
        OnCommand(id, [this] { OnPlaceSymbolSettings(); });
}
