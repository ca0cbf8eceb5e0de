#pragma once
// The text or picture selection (template 136): the registered points of the current data file
// that have a text (mode "TEXT") or a picture ("BMP"), narrowed to a region or a user division,
// with the chosen point's coordinates and files. A double click on an entry chooses it at once.
#include "app/registration/RegionDivisionDialog.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

class CDlgSelectTextPicture : public vd::Dialog {
public:
    enum { IDD = 136 };
    static constexpr int kRecords = 5000;
    CDlgSelectTextPicture();

    int m_nSelectedRecord = -1;
    std::array<std::int16_t, kRecords> m_anListIndex{};
    int m_bDivisionsChanged = 0;
    std::string m_strRegion;
    std::string m_strSelected; // in: the entry to preselect; out: the chosen entry's text
    std::string m_strName, m_strItem, m_strFile1, m_strFile2;
    std::array<std::string, kRecords> m_astrRecord;    // name "/" item "@" file1 "$" lat "$" lon ["$" file2]
    std::array<std::string, kRecords> m_astrLongitude;
    std::array<std::string, kRecords> m_astrLatitude;
    std::string m_strEast, m_strWest, m_strNorth, m_strSouth;
    std::string m_strMode; // "TEXT" or "BMP"
    RegionDivisions m_divisions;
    std::string m_strFrameNorth, m_strFrameEast, m_strFrameSouth, m_strFrameWest;

    bool OnInitDialog() override;

private:
    void FillList();
    void SetRegion(const std::string& region);
    void OnSelchange();
    void OnDoubleClick();
    void ParseEntry(int listPosition, bool show);
    void ShowDivisionNames();
    void OnDivisionSettings();
};
