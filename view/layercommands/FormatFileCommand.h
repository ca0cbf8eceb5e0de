#pragma once
// The view's data-format command (32783): the description pages of the switched-on national-land
// data sets, through Pelmora's format viewer, over a saved copy of the map.
#include <string>

class CVeldoranDoc;
class CVeldoranView;

inline constexpr int ID_FORMAT_FILE = 32783;

// The viewer's 102 fields: line tabs 1-6, surface tabs 1-3, point tabs 1-6, line tab 7 (five rows
// each), the mesh groups 1-3 (five rows each), the four 1/10 mesh rows, the geology, land
// classification and lead values.
std::string FormatFlagString(const CVeldoranDoc& doc);

void OnFormatFile(CVeldoranView& view);
// Connects the command and its enabling (while any layer is switched on) to the view.
void ConnectFormatFileCommand(CVeldoranView& view);
