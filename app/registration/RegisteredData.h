#pragma once
// The registered points' data source and what the registration and selection commands keep of
// it: the data file (and its CD-ROM and common-area companions), its title, the six user regions
// of the update and selection dialogs, the region and entry chosen last, the album and page play
// modes. The data-source, registration and selection commands write it; the draw reads the data
// file.
#include <array>
#include <string>

struct RegisteredData {
    int m_nDataSource = 0;
    std::string m_strDataFile;
    std::string m_strDataFileCopy;
    std::string m_strDataFileTitle;
    std::string m_strDualSource = "off";     // "on": the hard disk's points are listed beside a CD-ROM's
    std::string m_strCommonDataFile;         // the common area's point data (SOURCE\history.dat)
    std::string m_strCommonDataSwitch;       // "on": the common area's points are overlaid as well

    // The six user regions: names and south-west and north-east corners (D.MMSS texts).
    std::array<std::string, 6> m_astrDivName;
    std::array<std::string, 6> m_astrDivSwY;
    std::array<std::string, 6> m_astrDivSwX;
    std::array<std::string, 6> m_astrDivNeY;
    std::array<std::string, 6> m_astrDivNeX;
    int m_nDivisionEdited = -1; // 1: the regions were edited and are written back at exit

    std::string m_strRegionName = "全国"; // region word of the text and picture selection
    std::string m_strSelectedName;       // its detail text
    std::string m_strSelectedEntry;      // the selection's last chosen entry text
    std::string m_strAlbumPlayMode = "AUTO";
    std::string m_strPagePlayMode = "AUTO";
    int m_nSavedSiteNamePopup = 0; // m_nSiteNamePopup while a registration or update mode is on
};
