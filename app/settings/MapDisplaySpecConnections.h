#pragma once
// Connects the map display specification to where the user asks for it: the document's
// commands 32888 (表示/地図の表示仕様, Ctrl+A) and 33264 (the Mapping menu's item), and the view's
// button 326 on the main map.
class CVeldoranDoc;
class CVeldoranView;

inline constexpr int ID_MAP_DISPLAY_SPEC = 32888;
inline constexpr int ID_MAP_DISPLAY_SPEC_POPUP = 33264;

void ConnectMapDisplaySpecCommands(CVeldoranDoc& doc);
void ConnectMapDisplaySpecButton(CVeldoranView& view);
