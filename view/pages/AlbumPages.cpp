#include "view/pages/ViewPages.h"

#include "app/document/VeldoranDoc.h"

void ViewPages::SetAlbumPages(std::vector<std::string> pages)
{
    m_astrAlbumPage = std::move(pages);
    m_doc.entry.m_nAlbumPageCount = static_cast<int>(m_astrAlbumPage.size());
}

const std::string& ViewPages::AlbumPage(int page) const
{
    static const std::string end = "999";
    if (page < 0 || page >= static_cast<int>(m_astrAlbumPage.size()))
        return end;
    return m_astrAlbumPage[static_cast<std::size_t>(page)];
}
