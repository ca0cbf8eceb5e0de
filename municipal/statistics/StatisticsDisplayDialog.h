#pragma once
// The statistics display settings dialog (template 228 "都道府県別データ表示"): the data set from
// the catalogue, the display kind, colours, borders, graticule, background, choropleth and
// class count of the per-prefecture statistics map, given back as one settings string.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 228).
namespace statisticsdisplayids {
inline constexpr int IDC_CATALOGUE = 1424;
inline constexpr int IDC_BLACK = 1425;
inline constexpr int IDC_RED = 1426;
inline constexpr int IDC_BLUE = 1427;
inline constexpr int IDC_DATA_TYPE = 1432;
inline constexpr int IDC_BORDERS = 1433;
inline constexpr int IDC_GREY = 1434;
inline constexpr int IDC_ORANGE = 1435;
inline constexpr int IDC_GREEN = 1436;
inline constexpr int IDC_SHOW = 1491;
inline constexpr int IDC_GRATICULE = 1493;
inline constexpr int IDC_DATA_NAME = 1495;
inline constexpr int IDC_RAW_VALUES = 1497;
inline constexpr int IDC_FIRST_KIND = 1508;
inline constexpr int IDC_LAST_KIND = 1518;
inline constexpr int IDC_WHITE = 1000;
inline constexpr int IDC_TRANSPARENT = 1001;
inline constexpr int IDC_CHOROPLETH = 1002;
inline constexpr int IDC_FIVE_CLASSES = 1003;
inline constexpr int IDC_TEN_CLASSES = 1004;
} // namespace statisticsdisplayids

class CDlgLocalDataDsp : public vd::Dialog {
public:
    enum { IDD = 228 };
    CDlgLocalDataDsp();

    // The eleven settings, in the order of the result string.
    int m_nShow = -1;         // 1 shown, -1 not
    int m_nDataType = 1;      // 1 numeric, 0 text
    int m_nColour = 0;        // 0 black, 1 red, 2 blue
    int m_nBorders = 0;       // 1 prefecture borders drawn
    int m_nBorderColour = 0;  // 0 grey, 1 orange, 2 green
    int m_nKind = 0;          // display kind 0 to 11
    int m_nGraticule = 0;     // 1 drawn
    int m_nCatalogueIndex = -1;
    int m_nBackground = 0;    // 0 white, 1 transparent
    int m_nChoropleth = 0;    // 1 prefectures filled by class
    int m_nClassCount = 0;    // 0 five classes, other ten
    std::string m_strDataName; // "＊" + the data name
    std::string m_strDataFile;
    std::string m_strDataFolder; // ends in a backslash
    std::string m_strEditor;     // passed through

    bool OnInitDialog() override;
    void OnOK() override;

    // "" while the dialog has not ended with OK; "-999" without a shown data set; else the
    // eleven settings each followed by "|", the data name string, "|" and the data file path.
    std::string Result() const;

private:
    void SetDataTypeCaptions(bool numeric);
    void OnDataSetChosen();
    void OnShowToggle();
    void OnKind(int id);
    void OnChoropleth();
    bool m_bAccepted = false;
};

// Whether the first value text of a data set is a number (text data otherwise): its integer
// reading printed again gives the text up to its first ".".
bool IsNumericDataValue(const std::string& valueText);
