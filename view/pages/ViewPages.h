#pragma once
// The pages the view draws over the map: a picture page (the decoded picture framed with its
// shadow and caption line, scrolled with the page scroll bar or shrunk to fit when too tall), the
// caption box under a picture, and the text page (a text file paged with the ↑/↓ buttons on a
// background coloured by the text's keywords, or in its print layout while the view prints).
// The view owns one (m_pPages); its repaint calls it for map mode 20 and for printing.
#include "platform/dc/GdiObjects.h"

#include <memory>
#include <string>
#include <vector>

class CVeldoranView;
class CVeldoranDoc;
namespace vd {
class Dc;
class ImageDc;
} // namespace vd

class ViewPages {
public:
    explicit ViewPages(CVeldoranView& view);
    ~ViewPages();
    ViewPages(const ViewPages&) = delete;
    ViewPages& operator=(const ViewPages&) = delete;

    // Picture page (PicturePage.cpp): jpeg 1 decodes m_strEntryTarget as a JPEG, 0 as a bitmap.
    void DrawPicturePage(vd::Dc& dc, int jpeg);
    // The page scroll bar moved (0 bottom .. 100 top): the visible rows into the window.
    void ScrollPicturePage(int position);
    void ScrollPicturePage(vd::Dc& dc, int position);
    void SetPictureBackground(int step);

    // Caption box (CaptionBox.cpp): up to six lines of a small text file under the picture.
    int DrawCaptionBox(vd::Dc& dc, const std::string& file);

    // Text page (TextPage.cpp): the repaint of map mode 20, one page of a text, the ↑/↓ step.
    void ShowTextPage(vd::Dc& dc);
    void DrawTextPage(vd::Dc& dc, const std::string& file);
    void StepTextPage(int step);

    // A page file's path: "@:" stands for the application folder; "" when it names no file.
    std::string PageFilePath(const std::string& file) const;

    // Picture page state.
    int m_nPicOffsetX = 0, m_nPicOffsetY = 0;
    int m_nPicWidth = 0, m_nPicHeight = 0;
    int m_nPicOverflow = 0; // 0 fits, else minus the rows that do not
    int m_nPicDestX = 30, m_nPicDestY = 40;
    bool m_bTitleBar = true; // the view shows its title bar above the page
    vd::Brush m_brushPage;   // the page background of SetPictureBackground
    vd::COLORREF m_crPage = 0;

    // Text page state.
    std::string m_strShownText;
    int m_nTextPage = 0;
    int m_nTextPageCount = 0; // the index of the last page
    int m_nTextCategory = 0;
    std::string m_strCategoryText;
    std::vector<std::string> m_astrTextLine; // the text's lines, its own list in every mode

    // The pages of the album or slide show that plays (AlbumPages.cpp): a list of their own, so
    // that the map's points, read into the document's point list, cannot turn pages into blanks.
    void SetAlbumPages(std::vector<std::string> pages); // also the document's page count
    const std::string& AlbumPage(int page) const;       // "999" past the last page
    std::vector<std::string> m_astrAlbumPage;

private:
    CVeldoranView& m_view;
    CVeldoranDoc& m_doc;
    std::unique_ptr<vd::ImageDc> m_pPictureDc; // the loaded picture, kept for scrolling

    bool LoadPicture(const std::string& path, int jpeg);
    void DrawPictureFrames(vd::Dc& dc, int x, int y, int width, int bottom, bool shadow);
    void DrawTextLines(vd::Dc& dc, int x, int y, int lineHeight, int first, int count);
    int TextHeadingLeft(const vd::Dc& dc, const std::string& heading) const;
};
