// The view's on-screen buttons: one object a slot, whose window exists only while the button is
// shown, and the groups that the pictures add and remove.
#include "view/navigation/ViewNavigation.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/Controls.h"
#include "platform/ui/WinConstants.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

namespace {

// Slots of the kind buttons: 12-16, 26-35, 40.
int KindSlot(int kind)
{
    if (kind >= 12 && kind <= 16)
        return kind - 12;
    if (kind >= 26 && kind <= 35)
        return kind - 26 + 5;
    if (kind == 40)
        return 15;
    return -1;
}

} // namespace

int ViewButtonCommandId(int kind)
{
    if (kind >= 12 && kind <= 14)
        return 310 + kind;
    if (kind == 15)
        return 303;
    if (kind == 16)
        return 325;
    if (kind >= 26 && kind <= 35)
        return 300 + kind;
    if (kind == 40)
        return 346;
    return 0;
}

void ViewNavigation::Retire(std::unique_ptr<vd::Window> control)
{
    if (!control || !control->IsWindow())
        return;
    control->ShowWindow(vd::SW_HIDE);
    m_retired.push_back(std::move(control));
    if (!m_bReleasePosted) {
        m_bReleasePosted = true;
        m_view.PostMessage(WM_RELEASEVIEWCONTROLS);
    }
}

void ViewNavigation::ReleaseRetiredControls()
{
    m_bReleasePosted = false;
    m_retired.clear();
}

void ViewNavigation::PlaceButton(std::unique_ptr<vd::Button>& slot, int id, const std::string& caption,
                                 const vd::ui::Rect& rect)
{
    Retire(std::move(slot));
    slot = std::make_unique<vd::Button>();
    if (!caption.empty())
        slot->Create(caption, vd::WS_CHILD | vd::WS_VISIBLE, rect, &m_view, id);
}

void ViewNavigation::SetViewButton(int kind, const std::string& caption, int a, int b, int c, int d)
{
    const int slot = KindSlot(kind);
    if (slot < 0)
        return;
    vd::ui::Rect rect{a, b, c, d};
    // The three of one row are placed from one x with one width w and an extra height e.
    const int x = a, y = b, w = c, e = d;
    if (kind == 12)
        rect = {x, y, x + w - 4, y + e + 22};
    else if (kind == 13)
        rect = {x + w, y, x + 2 * w - 14, y + e + 22};
    else if (kind == 14)
        rect = {x + 2 * w - 10, y, x + 3 * w - 24, y + e + 22};
    PlaceButton(m_apKindButton[std::size_t(slot)], ViewButtonCommandId(kind), caption, rect);
}

void ViewNavigation::SetNumberedButton(int number, const std::string& caption, int x, int y, int w, int h)
{
    if (number < 1 || number > 9)
        return;
    const int column = (number - 1) % 3;
    const int row = (number - 1) / 3;
    const int gap = (m_doc.position.m_nMapType != 1 && number <= 4) ? 0 : 5;
    const vd::ui::Rect rect{x + column * w, y + row * h, x + (column + 1) * w - gap, y + row * h + 22};
    PlaceButton(m_apNumberedButton[std::size_t(number)], ID_NUMBERED_BUTTON_FIRST + number - 1, caption, rect);
}

void ViewNavigation::SetNumberedButtonAt(int number, const std::string& caption, const vd::ui::Rect& rect)
{
    if (number < 1 || number > 9)
        return;
    PlaceButton(m_apNumberedButton[std::size_t(number)], ID_NUMBERED_BUTTON_FIRST + number - 1, caption, rect);
}

vd::Button* ViewNavigation::ViewButton(int kind) const
{
    const int slot = KindSlot(kind);
    return slot < 0 ? nullptr : m_apKindButton[std::size_t(slot)].get();
}

bool ViewNavigation::ShowsButtonsBesides(std::initializer_list<int> kinds) const
{
    auto shown = [](const std::unique_ptr<vd::Button>& button) { return button && button->IsWindow(); };
    for (int number = 1; number <= 9; ++number)
        if (shown(m_apNumberedButton[std::size_t(number)]))
            return true;
    for (int kind : {12, 13, 14, 15, 16, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 40})
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end() && shown(m_apKindButton[std::size_t(KindSlot(kind))]))
            return true;
    return false;
}

vd::Button* ViewNavigation::NumberedButton(int number) const
{
    return number < 1 || number > 9 ? nullptr : m_apNumberedButton[std::size_t(number)].get();
}

std::vector<vd::ui::Rect> ViewNavigation::ShownButtonsOnRows(int top, int bottom) const
{
    std::vector<vd::ui::Rect> out;
    auto take = [&](const std::unique_ptr<vd::Button>& button) {
        if (!button || !button->IsWindow())
            return;
        const vd::ui::Rect r = button->GetWindowRect();
        const vd::ui::Point at = m_view.ScreenToClient({r.left, r.top});
        const vd::ui::Rect place{at.x, at.y, at.x + r.right - r.left, at.y + r.bottom - r.top};
        if (place.top < bottom && top < place.bottom)
            out.push_back(place);
    };
    for (const auto& button : m_apNumberedButton)
        take(button);
    for (const auto& button : m_apKindButton)
        take(button);
    std::sort(out.begin(), out.end(), [](const vd::ui::Rect& a, const vd::ui::Rect& b) { return a.left < b.left; });
    return out;
}

void ViewNavigation::AddViewButtons(int group)
{
    const int w = m_view.m_nSavedWidth;
    const bool wide = w > 800;
    switch (group) {
    case 0: {
        const int c = wide ? w - 477 : w - 144;
        SetViewButton(29, "ｽﾗｲﾄﾞ", c, 3, c + 60, 27);
        SetViewButton(28, "設定", c + 65, 3, c + 125, 27);
        break;
    }
    case 1: {
        const int c = wide ? w - 217 : w - 447;
        SetViewButton(26, "⊆", c, 3, c + 30, 27);
        SetViewButton(27, "Θ", c + 35, 3, c + 65, 27);
        SetViewButton(28, "⊇", c + 70, 3, c + 100, 27);
        break;
    }
    case 2: {
        const int c = wide ? w - 412 : w - 79;
        SetViewButton(16, "地図", c, 3, c + 60, 27);
        break;
    }
    case 3:
        AddNavigationPanel();
        break;
    case 4:
    case 5:
        AddRegionPanel(group == 5);
        break;
    default:
        break;
    }
}

void ViewNavigation::AddNavigationPanel()
{
    const int w = m_view.m_nSavedWidth;
    const bool wide = w > 800;
    const int c = wide ? w - 177 : w - 189;
    const int d = wide ? 45 : m_doc.m_nPanelTop;
    // Direction arrows of the outer positions when the block is not 3 x 3.
    static const char* const kArrows[10] = {"", "＼", "↑", "／", "←", "", "→", "／", "↓", "＼"};
    for (int n = 1; n <= 9; ++n) {
        const std::string& sheet = m_doc.m_astrMapEntry[std::size_t(10 + n)];
        const std::string caption = sheet.empty() ? "" : m_doc.position.m_nMapMode == 9 ? sheet : kArrows[n];
        SetNumberedButton(n, caption, c + 3, d - 3, 58, 25);
    }
    if (!m_doc.repaint.m_bHideSheetButtons)
        SetViewButton(12, "他地域", c, d + 74, 65, 1);
    SetViewButton(13, "ﾃｷｽﾄ", c, d + 74, 66, 1);
    SetViewButton(14, "画像", c, d + 74, 66, 1);

    const int top = d + 100, bottom = d + 123;
    auto pair = [&](int leftKind, const char* left, int rightKind, const char* right) {
        SetViewButton(leftKind, left, c, top, c + 38, bottom);
        SetViewButton(rightKind, right, c + 41, top, c + 79, bottom);
        // The kind left over from another block size would stand under these two.
        for (int kind : {27, 34, 35})
            if (kind != leftKind && kind != rightKind)
                SetViewButton(kind, "", 0, 0, 0, 0);
    };
    if (m_doc.position.m_nMapFrame == 1) {
        pair(27, "3×3", 34, "5×5");
    } else if (m_doc.position.m_nMapFrame == 2) {
        if (m_doc.position.m_nMapMode == 25)
            pair(34, "3×3", 35, "7×7");
        else if (m_doc.position.m_nMapMode == 49)
            pair(34, "3×3", 35, "5×5");
        else
            pair(27, "1×1", 34, "5×5");
    } else if (m_doc.position.m_nMapFrame == 3) {
        SetViewButton(27, "元の地図", c, top, c + 79, bottom);
        SetViewButton(34, "", 0, 0, 0, 0);
        SetViewButton(35, "", 0, 0, 0, 0);
    }
    SetViewButton(26, "仕様", c + 82, top, c + 127, bottom);
    SetViewButton(33, "MAP", c + 130, top, c + 173, bottom);
}

// The region panel of the overviews (group 4) and the same places on the prefecture map (group 5).
void ViewNavigation::AddRegionPanel(bool prefectureMap)
{
    const int w = m_view.m_nSavedWidth;
    const bool wide = w > 800;
    if (m_doc.m_nPanelTop < 500 || m_doc.m_nPanelTop > 680)
        m_doc.m_nPanelTop = 580;
    const int c = wide ? w - 177 : w - 189;
    const int d = prefectureMap ? StatisticsPanelTop() : wide ? 45 : m_doc.m_nPanelTop;
    // 日本列島 across the first row, the three regions below it.
    PlaceButton(m_apNumberedButton[1], 311, "日本列島", {c + 3, d - 3, c + 128, d + 19});
    const char* const regions[] = {"西南", "中央", "東北"};
    for (int i = 0; i < 3; ++i)
        PlaceButton(m_apNumberedButton[std::size_t(2 + i)], 312 + i, regions[i],
                    {c + 3 + 42 * i, d + 22, c + 42 + 42 * i, d + 44});
    for (int n = 5; n <= 9; ++n)
        SetNumberedButton(n, "", 0, 0, 0, 0);

    const int top = d + 100, bottom = d + 123;
    if (prefectureMap) {
        SetViewButton(27, "1/20万", c, top, c + 79, bottom);
        // The two share the row by the room their captions need.
        PlaceButton(m_apKindButton[std::size_t(KindSlot(13))], ViewButtonCommandId(13), "都道府県別...",
                    {c, d + 74, c + 95, d + 97});
        PlaceButton(m_apKindButton[std::size_t(KindSlot(14))], ViewButtonCommandId(14), "データ一覧",
                    {c + 98, d + 74, c + 173, d + 97});
        return;
    }
    if (!m_doc.repaint.m_bHideSheetButtons) {
        if (m_doc.position.m_nPrefectureSel > 3)
            SetViewButton(12, "県別", c + 25, d + 100, 57, 1);
        else
            SetViewButton(12, "他地域", c, d + 74, 65, 1);
    }
    SetViewButton(13, "ﾃｷｽﾄ", c - 1, d + 74, 66, 1);
    SetViewButton(14, "画像", c, d + 74, 66, 1);
    SetViewButton(27, m_doc.position.m_nPrefectureSel == 4 ? "元の地図" : "1/20万", c, top, c + 79, bottom);
    SetViewButton(34, "", 0, 0, 0, 0);
    SetViewButton(26, "仕様", c + 82, top, c + 127, bottom);
    SetViewButton(33, "MAP", c + 130, top, c + 173, bottom);
}

// The statistics write their legend, kind label and totals in the right-hand column from the
// legend's top down (the legend is as tall as its classes): the panel stands just above that
// column, clear of it and of the islands at the map's top right.
int ViewNavigation::StatisticsPanelTop() const
{
    const int classes = m_doc.statistics.ClassCount();
    const int legendTop = m_view.m_nSavedHeight - 21 * classes - 263;
    constexpr int kPanelHeight = 123, kGap = 4;
    return std::max(3, legendTop - kGap - kPanelHeight);
}

void ViewNavigation::RemoveViewButtons(int group)
{
    auto removeKinds = [this](std::initializer_list<int> kinds) {
        for (int kind : kinds)
            SetViewButton(kind, "", 0, 0, 0, 0);
    };
    auto removeNumbered = [this] {
        for (int n = 1; n <= 9; ++n)
            SetNumberedButton(n, "", 0, 0, 0, 0);
    };
    switch (group) {
    case 1:
        removeNumbered();
        removeKinds({12, 13, 14, 15, 16, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35});
        if (m_doc.search.m_nPlaceNameLayer >= 0)
            removeKinds({40});
        break;
    case 2:
        removeKinds({15, 16, 30, 31});
        break;
    case 4:
        if (m_doc.search.m_nPlaceNameLayer >= 0)
            removeKinds({40});
        break;
    case 5:
        removeKinds({28, 29});
        if (m_doc.environment.m_nPicturePosition == 1 || m_view.m_nSavedWidth <= 800) {
            removeNumbered();
            removeKinds({12, 13, 14, 26, 27, 33, 34, 35});
        }
        break;
    case 6:
        removeKinds({15, 16, 30, 31});
        if (m_doc.position.m_nMapType == 2 && m_doc.position.m_nPrefectureSel == 4)
            removeKinds({12, 27});
        m_view.m_nPagePos = -1;
        if (m_view.m_nTextPageState < 0)
            ResetPageScrollBar();
        break;
    case 7:
        removeNumbered();
        break;
    case 8:
        removeKinds({12, 26, 27});
        break;
    default:
        break;
    }
}
