#include "ShownOrSaid.h"

#include "app/document/VeldoranDoc.h"
#include "view/layers/LandLayerTable.h"

namespace walk {

namespace {

bool IsSurface(LandLayer layer)
{
    return layer == LandLayer::Surface0 || layer == LandLayer::Surface1 || layer == LandLayer::Surface2;
}

} // namespace

std::set<std::string> layersShown(const CVeldoranDoc& doc)
{
    std::set<std::string> shown;
    const bool sheetMap = doc.position.m_nMapType == 1;
    // The sheet map of a 7 x 7 block or of a range chosen with the mouse draws no national-land
    // layer and no seismic mesh by design: there a layer switched on is not one the map shows.
    const bool sheetMapWithoutLayers =
        sheetMap && (doc.position.m_nMapFrame == 3 || (doc.position.m_nMapFrame == 2 && doc.position.m_nMapMode == 49));
    // A surface theme fills its areas and is drawn after the meshes: a mesh switched on under a
    // shown surface theme can lie wholly beneath its fill.
    int coveredBelow = -1;
    for (const LandLayerRow& row : LandLayerTable())
        if (sheetMap && IsSurface(row.id) && IsLandLayerShown(doc, row.id) &&
            (coveredBelow < 0 || row.sheetOrder < coveredBelow))
            coveredBelow = row.sheetOrder;
    const auto hidden = [&](const LandLayerRow& row) {
        return sheetMapWithoutLayers || (row.sheetOrder >= 0 && row.sheetOrder < coveredBelow);
    };
    for (const LandLayerRow& row : LandLayerTable())
        if (!hidden(row) && IsLandLayerShown(doc, row.id))
            shown.insert("layer " + std::to_string(int(row.id)) + " of command " + std::to_string(row.menuCommand));
    if (doc.depth.m_nSubmarineLayer == 1)
        shown.insert("sea floor");
    if (doc.statistics.m_nShow == 1 && doc.position.m_nMapType == 2)
        shown.insert("prefecture statistics");
    return shown;
}

std::optional<std::string> drewNothingAndSaidNothing(const std::set<std::string>& before,
                                                     const std::set<std::string>& after,
                                                     const std::set<std::string>& effects)
{
    if (effects.count("picture") || effects.count("message box"))
        return std::nullopt;
    std::string switchedOn;
    for (const std::string& layer : after)
        if (!before.count(layer))
            switchedOn += (switchedOn.empty() ? "" : ", ") + layer;
    if (switchedOn.empty())
        return std::nullopt;
    return "switched on " + switchedOn + " but drew nothing and said nothing";
}

} // namespace walk
