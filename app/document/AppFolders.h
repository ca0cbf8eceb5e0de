#pragma once
// The application folder and the folders and files below it that every part of the program
// reads from, in Windows form with a trailing backslash. Set once as the document starts (the
// municipality folder also by the environment settings and the boundary conversion).
#include <string>

struct AppFolders {
    std::string m_strAppDir;
    std::string m_strPaletteDir;
    std::string m_strSourceDir;
    std::string m_strAlbumDir;
    std::string m_strRouteAreaDir;
    std::string m_strMapFigureDir;
    std::string m_strSubmarineDir;
    std::string m_strCityBorderDir;
    std::string m_strCoastlineDir;
    std::string m_strCoastDir;
    std::string m_strSheetIndexFile; // the 1:200,000 sheet index
};
