#pragma once
// The statistics data entry dialog (template 229 "都道府県別データ"): a data name and one value
// for each of the 47 prefectures, saved as a new data set that is added to the catalogue.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The dialog's control ids (template 229).
namespace prefecturedataentryids {
inline constexpr int IDC_FIRST_VALUE = 1440;
inline constexpr int IDC_DATA_NAME = 1487;
} // namespace prefecturedataentryids

class CDlgLclDataRgst : public vd::Dialog {
public:
    enum { IDD = 229 };
    CDlgLclDataRgst();

    std::string m_strDataFolder; // ends in a backslash
    std::string m_strDataName;
    std::array<std::string, 47> m_astrValue;

    void OnOK() override;

private:
    // Asks before replacing an existing file; false when the user keeps it.
    bool ConfirmReplace(const std::string& path) const;
};

// The prefecture names of the data lines, in code order, without their blank.
extern const std::array<const char*, 47> kPrefectureLineNames;
