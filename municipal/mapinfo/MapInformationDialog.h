#pragma once
// The map information dialog (template 161 "          地図情報"): what the current elevation
// map is made of - its name, kind, mesh code, mesh count and corners - and the part of it shown,
// each corner on the Tokyo datum as given and converted to JGD2000, and the names of the
// place-name, point information and text and picture files.
#include "municipal/datum/DatumConverter.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

class CDlgMapInformation : public vd::Dialog {
public:
    enum { IDD = 161 };
    CDlgMapInformation();

    // The call's arguments in order: highest and lowest elevation, the user map's range, the
    // part's mesh coordinates, a mesh position, the 1 km variant (1 elevation, 2 mean).
    std::array<int, 13> m_anValue{};
    // The files, the corners (D.MMSS on the Tokyo datum), the map file's kind, the mesh code,
    // the map name, the two free texts and "0" when the map's own corners are shown.
    std::array<std::string, 17> m_astrText;
    CDatumConverter m_converter;

    bool OnInitDialog() override;

    // The kind and mesh count texts and the map name and mesh code as shown.
    struct Description {
        std::string kind;
        std::string meshes;
        std::string mapName;
        std::string meshCode;
    };
    Description Describe() const;

private:
    // One corner converted with 6 decimals into two boxes; both stay empty outside Japan.
    void ShowConverted(const std::string& latitude, const std::string& longitude, int latitudeId, int longitudeId);
};
