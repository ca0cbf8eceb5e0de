#pragma once
// The document's commands that open 地図の表示仕様: 32888 (表示/地図の表示仕様,
// Ctrl+A) and 33264 (ﾏｯﾋﾟﾝｸﾞ/地図仕様/地図の表示仕様). The view's button 326 opens the same
// dialog through the document (view/navigation/ViewButtonCommands.cpp).
class CVeldoranDoc;

inline constexpr int ID_MAP_DISPLAY_SPEC = 32888;
inline constexpr int ID_MAP_DISPLAY_SPEC_POPUP = 33264;

void ConnectMapDisplaySpecCommands(CVeldoranDoc& doc);
