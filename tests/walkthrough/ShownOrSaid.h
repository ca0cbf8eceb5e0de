#pragma once
// A command that switched a layer of the map on must change the picture or say in a message why
// it cannot (a data file missing, none chosen, a map that does not show that layer).
#include <optional>
#include <set>
#include <string>

class CVeldoranDoc;

namespace walk {

// The layers the map shows now: each layer of the land layer table (the seismic mesh among
// them), the sea-floor layer and the prefecture statistics map, by name; on a sheet map whose
// layout draws no land layer (a 7 x 7 block, a range), none of the table's, and on a sheet map
// none drawn beneath a shown surface theme's fill.
std::set<std::string> layersShown(const CVeldoranDoc& doc);

// The fault of a step that switched on a layer (shown after, not before) while its effects hold
// neither a changed picture nor a message box; none otherwise.
std::optional<std::string> drewNothingAndSaidNothing(const std::set<std::string>& before,
                                                     const std::set<std::string>& after,
                                                     const std::set<std::string>& effects);

} // namespace walk
