// Surrick's layer-combination presets: the dialog run for the program's preset command.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/presets/LayerPresetDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" std::string OnNationDataPreset(int presetIndex, int points, int lines, int surfaces, int natureMesh,
                                          int tenthMesh, int terrainMesh, int classMesh, int industryMesh,
                                          std::string pointState, std::string lineState, std::string surfaceState,
                                          std::string natureMeshState, std::string tenthMeshState,
                                          std::string geologyState, std::string industryMeshState,
                                          std::string appFolder, std::string editor)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgLayerPreset dialog;
        dialog.m_nPresetIndex = presetIndex;
        dialog.m_anFamily = {points, lines, surfaces, natureMesh, tenthMesh, terrainMesh, classMesh, industryMesh};
        dialog.m_astrSelection = {std::move(pointState),     std::move(lineState),    std::move(surfaceState),
                                  std::move(natureMeshState), std::move(tenthMeshState), std::move(geologyState),
                                  std::move(industryMeshState)};
        dialog.m_strAppFolder = std::move(appFolder);
        dialog.m_strEditor = std::move(editor);
        dialog.DoModal();
        return dialog.Result();
    } catch (...) {
        return {};
    }
}
