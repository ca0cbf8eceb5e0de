// Surrick's map information export: the current elevation map described in a modal dialog.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/mapinfo/MapInformationDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnDlgMpRF(int highest, int lowest, int userWest, int userSouth, int userEast, int userNorth,
                          int partWest, int partSouth, int partEast, int partNorth, int meshX, int meshY,
                          int meshVariant, std::string placeNameFile, std::string pointFile,
                          std::string textPictureFile, std::string mapSouthLatitude, std::string mapNorthLatitude,
                          std::string mapWestLongitude, std::string mapEastLongitude,
                          std::string partSouthWestLongitude, std::string partSouthWestLatitude,
                          std::string partNorthEastLongitude, std::string partNorthEastLatitude,
                          std::string mapFileKind, std::string meshCode, std::string mapName, std::string partText,
                          std::string mapText, std::string ownCorners)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgMapInformation dialog;
        dialog.m_anValue = {highest, lowest, userWest, userSouth, userEast, userNorth, partWest,
                            partSouth, partEast, partNorth, meshX, meshY, meshVariant};
        dialog.m_astrText = {std::move(placeNameFile), std::move(pointFile), std::move(textPictureFile),
                             std::move(mapSouthLatitude), std::move(mapNorthLatitude), std::move(mapWestLongitude),
                             std::move(mapEastLongitude), std::move(partSouthWestLongitude),
                             std::move(partSouthWestLatitude), std::move(partNorthEastLongitude),
                             std::move(partNorthEastLatitude), std::move(mapFileKind), std::move(meshCode),
                             std::move(mapName), std::move(partText), std::move(mapText), std::move(ownCorners)};
        dialog.DoModal();
    } catch (...) {
    }
}
