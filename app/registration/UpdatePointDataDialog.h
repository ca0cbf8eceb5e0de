#pragma once
// The registered data update dialog (template 132 "登録ﾃﾞｰﾀの更新"): lists the points of the
// current data file narrowed to a fixed region or a user division, shows the picked point's
// name, item, coordinates, text and picture file for editing, and deletes the shown point's line
// from the file. The caller fills the records and settings, runs it modally and takes the fields
// back on OK; m_nState -3 after the dialog tells of a deletion.
#include "app/registration/RegionDivisionDialog.h"
#include "basemap/projection/RegionBounds.h"
#include "platform/ui/Dialog.h"

#include <cstdint>
#include <string>
#include <vector>

class CDlgUpdatePointData : public vd::Dialog {
public:
    enum { IDD = 132 };
    static constexpr int kRecordRoom = 5000;
    static constexpr int kDeleted = -3;

    explicit CDlgUpdatePointData(vd::Window* parent = nullptr);

    std::vector<std::int16_t> m_anListIndex;
    int m_nSelectedRecord = -1;
    int m_nState = 0;
    int m_bDivisionsChanged = 0;
    std::string m_strRegion;
    std::string m_strNorth, m_strSouth, m_strEast, m_strWest;
    // One entry per record ("" = no point), with its coordinates at the same index.
    std::vector<std::string> m_astrRecord;
    std::vector<std::string> m_astrLongitude;
    std::vector<std::string> m_astrLatitude;
    std::string m_strTextFile;
    std::string m_strName;
    std::string m_strItem;
    std::string m_strLongitude;
    std::string m_strLatitude;
    std::string m_strPictureFile;
    std::string m_strPickedFile;
    std::string m_strDataFile;
    std::string m_strMouseState;
    std::string m_strClickLongitude;
    std::string m_strClickLatitude;
    RegionDivisions m_divisions;

    bool OnInitDialog() override;

private:
    void FillList();
    void ShowEntry(int record, bool pick);
    void OnRegionButton(int id);
    void OnListSelChange();
    void OnTextFileButton();
    void OnPictureFileButton();
    void OnEndUpdate();
    void OnDivisionSettings();
    void OnDeleteLine();
    void ShowDivisionNames();
    void ApplyRegionBounds();
};
