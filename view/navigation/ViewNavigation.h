#pragma once
// How the user moves around the map: the view's 24 on-screen buttons (9 numbered, 15 by kind)
// and its page scroll bar, the buttons' commands, the choices of the modeless dialogs and the
// state the mouse keeps between events. The view owns one; it connects the button commands when
// built, and the repaint and the pieces that put up or take away buttons call it directly.
#include "platform/ui/Geometry.h"

#include <array>
#include <initializer_list>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CVeldoranView;
class CVeldoranDoc;
namespace vd {
class Button;
class Dc;
class ScrollBar;
class Window;
} // namespace vd

// Command ids of the buttons: numbers 1-9 and the kinds with a command.
inline constexpr int ID_NUMBERED_BUTTON_FIRST = 311;
inline constexpr int ID_PAGE_SCROLL_BAR = 421;
// Posted to the view after buttons were replaced: their old windows are deleted then, outside
// the repaint or click that replaced them (a widget must not die inside its own event).
inline constexpr unsigned WM_RELEASEVIEWCONTROLS = 0x0400 + 6;
// The command id of a button kind, or 0 for a kind without one.
int ViewButtonCommandId(int kind);
namespace navigation {
// Positions kept in the 16-bit drawn-position arrays are clamped, never wrapped.
inline std::int16_t ClampToInt16(int value)
{
    return static_cast<std::int16_t>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
}
} // namespace navigation

class ViewNavigation {
public:
    explicit ViewNavigation(CVeldoranView& view);
    ~ViewNavigation();
    ViewNavigation(const ViewNavigation&) = delete;
    ViewNavigation& operator=(const ViewNavigation&) = delete;

    // Buttons (ViewButtons.cpp).
    void SetViewButton(int kind, const std::string& caption, int a, int b, int c, int d);
    void SetNumberedButton(int number, const std::string& caption, int x, int y, int w, int h);
    // A numbered button at exactly this rectangle.
    void SetNumberedButtonAt(int number, const std::string& caption, const vd::ui::Rect& rect);
    void AddViewButtons(int group);
    void RemoveViewButtons(int group);
    // The button of a kind or number, created or not (null for a kind without a command).
    vd::Button* ViewButton(int kind) const;
    // True while a numbered button or a kind button other than these is shown: the buttons of
    // another screen are still there.
    bool ShowsButtonsBesides(std::initializer_list<int> kinds) const;
    vd::Button* NumberedButton(int number) const;
    // The client rectangles of the buttons shown that reach into the rows top to bottom, from
    // the leftmost.
    std::vector<vd::ui::Rect> ShownButtonsOnRows(int top, int bottom) const;

    // The page scroll bar (PageScrollBar.cpp).
    void CreatePageScrollBar(int left, int top, int right, int bottom);
    void ResetPageScrollBar();
    void OnVScroll(int code, int pos);
    vd::ScrollBar* PageScrollBar() const { return m_pPageScrollBar.get(); }

    // Commands (ViewButtonCommands.cpp).
    void RunButtonCommand(int id);
    void OnButton327();
    void DrawSheetFrame(vd::Dc& dc, int flag);
    void ApplySheetChoice();
    void ApplyPlaceChoice();
    void ApplyMunicipalityChoice();
    void ShowListedSheet(int index);

    // The route line through registered points (RouteLine.cpp).
    void AddRouteLinePoint(vd::Dc& dc, int x, int y);
    void EndRouteLineByDoubleClick();
    void EndRouteLineByMove(vd::Dc& dc);
    // A point caught by a drag over the registered points: drawn record `item` at (x, y) joins
    // the route's lists; false when they are full. RouteItem(k) is point k's drawn record.
    bool AppendRoutePoint(int item, int x, int y);
    int RouteItem(int k) const { return m_anRouteItem[std::size_t(k)]; }
    // A cancelled route: its lines drawn again in NOTXOR, which takes them off the map.
    void EraseRouteLine(vd::Dc& dc);
    // Where the route's point i was clicked.
    vd::ui::Point RoutePointPosition(int i) const;

    // Deletes the windows of replaced buttons and scroll bars (WM_RELEASEVIEWCONTROLS).
    void ReleaseRetiredControls();

    // Mouse state (ViewMouse*.cpp).
    int m_nCursorInFrame = -1;
    int m_nDragX = 0, m_nDragY = 0;                 // the last dragged point
    int m_nRectLeft = 9999, m_nRectTop = 0;         // the drag rectangle's corners (left 9999: no drag)
    int m_nRectRight = 0, m_nRectBottom = 0;
    int m_nHoverItem = -1;                          // the drawn record under the pointer, dragged in an update
    std::string m_strRectLat, m_strRectLon;         // the cursor's position at the rectangle's first corner
    int m_nPictureLeft = 0, m_nPictureTop = 0;      // a guide map's picture and its scale
    float m_fPictureScale = 1;
    int m_nPictureWidth = 0, m_nPictureHeight = 0;  // the guide map's picture as shown
    int m_nSheetButtonState = 0;                    // 1 once a listed sheet other than the centre was asked for
    std::string m_strSlideCaption;

private:
    CVeldoranView& m_view;
    CVeldoranDoc& m_doc;
    std::array<std::unique_ptr<vd::Button>, 10> m_apNumberedButton; // 1..9
    std::array<std::unique_ptr<vd::Button>, 16> m_apKindButton;     // kinds 12-16, 26-35, 40
    std::unique_ptr<vd::ScrollBar> m_pPageScrollBar;
    std::vector<std::unique_ptr<vd::Window>> m_retired; // hidden, deleted when the message comes
    bool m_bReleasePosted = false;

    void Retire(std::unique_ptr<vd::Window> control);
    void EndRouteLine(vd::Dc& dc, int blankX, int blankY);
    // The route line's points: their drawn-record indexes and positions, and the last one.
    std::array<int, 5000> m_anRouteItem{};
    std::array<int, 5000> m_anRouteX{}, m_anRouteY{};
    int m_nRouteLastX = 0, m_nRouteLastY = 0;
    void ConnectCommands();
    void PlaceButton(std::unique_ptr<vd::Button>& slot, int id, const std::string& caption, const vd::ui::Rect& rect);
    void AddNavigationPanel();
    void AddRegionPanel(bool prefectureMap);
    int StatisticsPanelTop() const;
    void StepAlbumPage(int step);
    void OnBlockSize(int id);
    void ShowMeshCodeSheet(const std::string& meshCode);
};
