#pragma once
// The entry shown as a page: the registered point, menu item or selection the user opened, with
// its target, item word and caption, the text page's title and file and its wrapped lines, the
// picture decoded for the picture pages, and the album or slide show that plays. Commands that
// open an entry write it; the view's pages, albums and pictures read it and step through it.
#include "platform/dc/Dib.h"

#include <array>
#include <string>

struct CurrentEntry {
    std::string m_strEntryTarget;  // the entry's target (its kind follows from the file name)
    std::string m_strEntryItem;    // the item word of the entry shown
    std::string m_strEntryCaption; // the caption of the page shown (a copy of the entry title)
    std::string m_strEntryDefaultParam;
    std::string m_strSheetPictureTitle;

    // The text shown on a map page: its title and file; the 78-byte page wrap (entries 0-28,
    // "999" after the last).
    std::string m_strTextPageTitle;
    std::string m_strTextPageFile;
    std::array<std::string, 50> m_astrWorkText;

    // The picture of the picture pages: decoded (m_bPictureLoaded 1) or none.
    vd::Dib m_bmpPicture;
    int m_bPictureLoaded = 0;
    std::string m_strPictureCaption = "on"; // "on": a picture's caption file is shown in its box
    int m_nPictureFit = 0;                  // 1 while album play or a menu slide show shrinks tall pictures

    int m_nAlbumPageCount = 0;             // pages of the album that plays
    std::string m_strSlidePlayMode = "AUTO";
};
