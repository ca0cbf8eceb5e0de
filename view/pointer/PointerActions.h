#pragma once
// What the pointer does on the map beyond the read-out: the name tip and the status line of a
// registered point under the pointer, the raised tip of a site name, the rubber band that chooses
// a range to enlarge and its confirmation, and the sheet chosen on the index map. The view owns
// one (m_pPointer), which its mouse calls.
#include <string>

class CVeldoranView;
class CVeldoranDoc;
class ViewNavigation;
namespace vd {
class Dc;
}

// The tip styles of DrawNameTip (4 to 9 draw with what the device context holds).
enum TipStyle { kTipText = 0, kTipPicture = 1, kTipRaised = 2, kTipAlbum = 3, kTipWeb = 10 };

// The box width of a tip: 8 pixels a CP932 byte of the shown text (at least 6 counted) and 8.
// Texts of 30 bytes or more are shown cut to 29 (never half a character).
std::string TipText(const std::string& text);
int TipWidth(const std::string& shownText);

// The longitude and latitude texts ("139.0000", "35.2000") of the index-map cell under (x, y),
// false outside the grid.
bool IndexCellTexts(int x, int y, int clientWidth, std::string& longitude, std::string& latitude);

class PointerActions {
public:
    explicit PointerActions(CVeldoranView& view);

    // Mouse moves: the registered points within the hit radius (3 on one sheet, else 2; always 2
    // on a guide map) and the site names.
    void HoverRegisteredPoint(vd::Dc& dc, int x, int y);
    void HoverRegisteredPointAlt(vd::Dc& dc, int x, int y);
    void ShowPointTip(vd::Dc& dc, int x, int y);
    // The status line of drawn item `item` (its box, title and item text); answers the tip style.
    int DrawItemStatusLine(vd::Dc& dc, int item, int radius);
    void DrawNameTip(vd::Dc& dc, int x, int y, const std::string& text, int style);

    // The range enlargement of mouse modes 3 and 8.
    void DrawDragRectangle(vd::Dc& dc, int x, int y);
    void FinishRangeDrag(vd::Dc& dc, int x, int y);

    // Double click on the index map.
    void OpenSheetAtPoint(int x, int y);

    // The box in which the pointer keeps the tip shown (inclusive).
    struct HitBox {
        int left = -9999, right = -9999, top = -9999, bottom = -9999;
        bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    };
    HitBox m_rcTipHit;

private:
    CVeldoranView& m_view;
    CVeldoranDoc& m_doc;
    ViewNavigation& m_nav;

    void HoverPoints(vd::Dc& dc, int x, int y, int radius);
    // Saves the 270 x 40 patch under a tip at (x - 10, y - 30), or puts it back.
    void SaveTipPatch(int x, int y);
    void RestoreTipPatch();
    void DrawBand(vd::Dc& dc, int pen) const;
};
