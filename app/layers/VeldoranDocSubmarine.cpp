// The submarine topography layer and the depth-file displays, the picture maps' registration,
// opening a guide map and the return from a temporary display.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerAnswer.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/ombrisk.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/TextWriter.h"
#include "platform/ui/Ui.h"

void CVeldoranDoc::OnSubmarineSettings()
{
    auto* dialog = CommandEntryPoint(kDepthPart, Ombrisk().OnSubmarineTvlSet);
    if (!dialog)
        return;
    // A depth folder chosen earlier switches the layer on as the dialog opens.
    const int layerBefore = depth.m_nSubmarineLayer;
    if (depth.m_nSubmarineLayer <= 0)
        depth.m_nSubmarineLayer = folders.m_strSubmarineDir.empty() ? 0 : 1;
    repaint.m_bLayerDialogOpen = 1;
    const std::string answer =
        dialog(depth.m_nSubmarineLayer, depth.m_anSubmarineSetting[0], depth.m_anSubmarineSetting[1],
               depth.m_anSubmarineSetting[2], folders.m_strSubmarineDir);
    repaint.m_bLayerDialogOpen = 0;
    if (answer.empty()) {
        depth.m_nSubmarineLayer = layerBefore;
        return;
    }
    LayerAnswer fields = LayerAnswer::SplitAll(answer);
    depth.m_nSubmarineLayer = fields.Int();
    for (int& setting : depth.m_anSubmarineSetting)
        setting = fields.Int();
    fields.Int(); // not used
    if (const std::string folder = fields.Rest(); folder != folders.m_strSubmarineDir)
        folders.m_strSubmarineDir = folder;
    if (depth.m_nSubmarineLayer == 1 || position.m_nMapFigure == 1) {
        m_nMapDisplayMode = map_display::kRedrawMap;
        m_nPrefMapState = -1;
        UpdateAllViews();
    }
}

void CVeldoranDoc::OnDepthFileStatus()
{
    repaint.m_bMapOnScreen = 0;
    m_nMapDisplayMode = map_display::kSubmarineMeshMap;
    // The return button gives the layer back (-888: it was on).
    depth.m_nSubmarineLayer = depth.m_nSubmarineLayer == 1 ? -888 : -999;
    UpdateAllViews();
}

namespace {

// Why no intermediate depth file can be made: no depth folder registered, or no depth data in
// it; empty when there are data to make them from.
std::string NoDepthDataMessage(const std::string& folder)
{
    if (folder.empty())
        return "水深データのフォルダが登録されていないため、中間ファイルは作成できません。\n"
               "ﾏｯﾋﾟﾝｸﾞ > 海底地形... の「登録」で水深データ (DP*.txt) のフォルダを選んでください。";
    const auto depths = vd::listFolder(folder + (folder.ends_with('\\') ? "" : "\\") + "DP*.txt");
    if (!depths || depths->empty())
        return folder + " に水深データ (DP*.txt) がないため、中間ファイルは作成できません。";
    return {};
}

} // namespace

void CVeldoranDoc::OnMakeDepthFile(int area)
{
    // Without depth data the build would make nothing: the user is told why instead.
    if (const std::string missing = NoDepthDataMessage(folders.m_strSubmarineDir); !missing.empty()) {
        vd::ui::AfxMessageBox(missing, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    depth.m_nSubmarineView = area;
    m_nMapDisplayMode = map_display::kSubmarineMeshFile;
    UpdateAllViews();
}

void CVeldoranDoc::OnRegisterPictureMaps() { RegisterMenuFile(2); }

std::string CVeldoranDoc::GuideMapPointFile(const std::string& picture) const
{
    const std::size_t slash = picture.rfind('\\');
    std::string base = slash == std::string::npos ? picture : picture.substr(slash + 1);
    base = base.substr(0, base.find('.'));
    return folders.m_strAppDir + "GUIDEMAP\\" + base + ".dat";
}

void CVeldoranDoc::OpenGuideMap(int n)
{
    menus.m_nGuideMapIndex = n;
    m_nMapDisplayMode = map_display::kSheetPicture;
    if (n < 0 || n >= int(menus.m_astrGuideMap.size()))
        return;
    const std::string& entry = menus.m_astrGuideMap[std::size_t(n)];
    const std::size_t blank = entry.find(' ');
    if (blank == std::string::npos)
        return;
    auto& current = menus.m_astrGuideMapCurrent;
    current[1] = entry.substr(0, blank);
    current[0] = entry.substr(blank + 1);
    current[2] = GuideMapPointFile(current[0]);
    if (FileExists(current[2]) != 1) {
        // The points registered on this guide map go here; a file that cannot be made is not
        // reported (nothing is registered on it yet).
        (void)vd::makeFolders(folders.m_strAppDir + "GUIDEMAP");
        vd::TextWriter file;
        if (file.open(current[2], vd::WriteMode::Append))
            (void)file.close();
    }
    repaint.m_bMapOnScreen = 0;
    UpdateAllViews();
}

void CVeldoranDoc::RestorePreviousDisplay()
{
    m_nMapDisplayMode = repaint.m_nSavedMapDisplayMode != map_display::kIdle ? repaint.m_nSavedMapDisplayMode : 5;
    repaint.m_bMapErasedByDialog = 0;
    UpdateAllViews();
}
