#pragma once
// The view's base-map routines by map mode: the sheet index map (4), the layered sheet map with
// its optional transparent pass, the country or region overview and the prefecture map (5), the
// drag overview (6-8) with its 3-degree circle; the bevel box, the point symbols, and the album's
// inset panel and locator. The view owns one (m_pBaseMap) and its repaint and mouse call it.
#include <string>

class CVeldoranView;
class CVeldoranDoc;
namespace vd {
class Dc;
}

class ViewBaseMap {
public:
    explicit ViewBaseMap(CVeldoranView& view);
    ViewBaseMap(const ViewBaseMap&) = delete;
    ViewBaseMap& operator=(const ViewBaseMap&) = delete;

    // The bevel box on the window (GetDC), or on the repaint's context.
    void DrawBevelBox(int left, int top, int right, int bottom);
    void DrawBevelBox(vd::Dc& dc, int left, int top, int right, int bottom);
    void DrawSheetIndexMap(vd::Dc& dc);
    std::string DrawLayeredMap(vd::Dc& dc);
    std::string DrawJapanMap(vd::Dc& dc);
    void DrawPrefectureMap(vd::Dc& dc);
    void DrawDragOverview(vd::Dc& dc);
    void DrawDragCircle(vd::Dc& dc, int x, int y);
    void DrawAlbumPanel(vd::Dc& dc);
    void DrawAlbumInset(vd::Dc& dc, int flag);
    void DrawAlbumLocator(vd::Dc& dc);
    void DrawPointSymbol(vd::Dc& dc, int x, int y, int size, int shape);

    int m_nInsetState = -1; // 0 once the album's inset panel was drawn
    int m_nLocatorLeft = -1, m_nLocatorTop = -1, m_nLocatorScale = -1;
    int m_nLocatorRows = 0;
    int m_nCircleX = 0, m_nCircleY = 0, m_nCircleRadius = 0;

private:
    CVeldoranView& view_;
    CVeldoranDoc& doc_;
    void BeginMainMap();
    void SaveEntryTexts();
    void AfterMainMap(vd::Dc& dc);
    void SetTitle(const std::string& title);
    void AddBevelReadout(int wideBottomOffset, int narrowTop);
    std::string TrackWord();
};
