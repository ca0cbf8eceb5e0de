// The mesh themes: the digits of the LayerModeCode, the theme names and the operation each mesh
// entry point chooses. A group or theme without a name chooses nothing.
#include "layers/render/EntryPointPlans.h"

#include <array>

namespace {

constexpr std::array<std::array<const char*, 3>, 3> kMeshThemeNames{{
    {"気候値(ﾒｯｼｭ)", "指定地域(ﾒｯｼｭ)", "流路延長(ﾒｯｼｭ)"},
    {"森林・国公有地(ﾒｯｼｭ)", "沿岸海域(ﾒｯｼｭ)", nullptr},
    {"商業統計(ﾒｯｼｭ)", "工業統計(ﾒｯｼｭ)", "農業ｾﾝｻｽ(ﾒｯｼｭ)"},
}};

constexpr std::array<const char*, 4> kSubdividedThemeNames{
    "土地利用(1/10細分ﾒｯｼｭ)", "指定地域(1/10細分ﾒｯｼｭ)", "流域・非集水域(1/10細分ﾒｯｼｭ)", "湖沼(1/10細分ﾒｯｼｭ)"};

constexpr MeshDigits kNoDigits{-1, -1};

bool IsMeshTheme(MeshDigits d) { return !MeshThemeName(d).empty(); }

// Group 1's single-file themes are told apart by a marker: forest and public land -2, coastal sea -1.
int SingleFileMarker(int theme) { return theme == 0 ? -2 : -1; }

} // namespace

MeshDigits PlainMeshDigits(int modeCode)
{
    return modeCode < 0 ? kNoDigits : MeshDigits{modeCode % 1000 / 100, modeCode % 100 / 10};
}

MeshDigits WhiteMeshDigits(int modeCode)
{
    return modeCode < 0 ? kNoDigits : MeshDigits{modeCode / 100, modeCode % 100 / 10};
}

int SubdividedMeshTheme(int modeCode)
{
    return modeCode < 0 ? -1 : (modeCode >= 1000 ? modeCode % 1000 : modeCode) / 10;
}

int WhiteSubdividedMeshTheme(int modeCode) { return modeCode < 0 ? -1 : modeCode % 100 / 10; }

std::string MeshThemeName(MeshDigits d)
{
    if (d.group < 0 || d.group > 2 || d.theme < 0 || d.theme > 2)
        return {};
    const char* name = kMeshThemeNames[std::size_t(d.group)][std::size_t(d.theme)];
    return name ? name : "";
}

std::string SubdividedMeshThemeName(int theme)
{
    return theme >= 0 && theme <= 3 ? kSubdividedThemeNames[std::size_t(theme)] : "";
}

LayerCall ChoosePlainMeshOperation(PlainMeshForm form, MeshDigits d, int method, int m, int modeCode, int valueA,
                                   int valueB, const std::string& classSpec, const std::string& text)
{
    if (!IsMeshTheme(d))
        return {};
    const bool values = method != 0;
    const int k = SingleFileMarker(d.theme);
    switch (form) {
    case PlainMeshForm::Mesh:
        if (d.group == 0)
            return {values ? LayerOp::DrawPrefectureMeshValues : LayerOp::DrawPrefectureMeshCells,
                    {m, modeCode, valueA, valueB, text}};
        if (d.group == 1)
            return {values ? LayerOp::DrawSingleFileMeshValues : LayerOp::DrawSingleFileMeshCells,
                    {k, modeCode, valueA, valueB}};
        return {LayerOp::OnPlainLclMeshCensas, {m, modeCode, valueA, values ? 0 : 1, valueB, classSpec, text}};
    case PlainMeshForm::Relief:
        if (d.group == 0)
            return {values ? LayerOp::DrawPrefectureMeshValues : LayerOp::DrawPrefectureMeshRelief,
                    {m, modeCode, valueA, valueB, text}};
        if (d.group == 1)
            return {values ? LayerOp::DrawSingleFileMeshValues : LayerOp::DrawSingleFileMeshRelief,
                    {k, modeCode, valueA, valueB}};
        return {values ? LayerOp::OnPlainLclMeshCensas : LayerOp::OnPlainLclReliefCensas,
                {m, modeCode, valueA, method != 1 ? 1 : 0, valueB, classSpec, text}};
    case PlainMeshForm::WholeCountry:
        if (d.group == 0)
            return {LayerOp::DrawCountryPrefectureMeshCells, {m, modeCode, valueA, text}};
        if (d.group == 1)
            return {LayerOp::DrawCountrySingleFileMeshCells, {k, modeCode, valueA}};
        return {LayerOp::OnPlainLclMeshCensas, {m, modeCode, valueA, 1, 0, classSpec, text}};
    }
    return {};
}

LayerCall ChooseWhiteMeshOperation(MeshDigits d, int m, int modeCode, int layerValue, const std::string& census,
                                   const std::string& text)
{
    if (!IsMeshTheme(d))
        return {};
    if (d.group == 0)
        return {d.theme == 1 ? LayerOp::DrawWhiteDesignatedAreaCells : LayerOp::DrawWhitePrefectureMeshCells,
                {m, modeCode, layerValue, text}};
    if (d.group == 1)
        return {LayerOp::DrawWhiteSingleFileMeshCells, {d.theme == 0 ? 1 : 0, m, modeCode, layerValue}};
    return {LayerOp::OnPlainLclMeshCensas, {m, modeCode, layerValue, 1, 0, census, text}};
}

LayerCall ChooseSubdividedMeshOperation(int theme, int reliefSelector, int statusFlag, int m, int modeCode, int valueA,
                                        int valueB, const std::string& landUseFlags, const std::string& text)
{
    if (theme == 3)
        return {LayerOp::DrawSubdividedLakes, {m, modeCode, valueA, 0, valueB, text}};
    if (theme < 0 || theme > 2)
        return {};
    if (reliefSelector < 6)
        return {LayerOp::DrawSubdividedMesh, {m, modeCode, valueA, landUseFlags, statusFlag, valueB, text}};
    return {LayerOp::DrawSubdividedMeshRelief, {m, modeCode, valueA, landUseFlags, 0, valueB, text}};
}

LayerCall ChooseWhiteSubdividedMeshOperation(int theme, int m, int modeCode, int layerValue,
                                             const std::string& landUseFlags, const std::string& text)
{
    if (theme == 3)
        return {LayerOp::DrawSubdividedLakes, {m, modeCode, layerValue, 1, 0, text}};
    if (theme < 0 || theme > 2)
        return {};
    return {LayerOp::DrawSubdividedMesh, {m, modeCode, layerValue, landUseFlags, 1, 0, text}};
}
