#pragma once
// The controls of a dialog with the old platform's operations. A control object is a handle on
// a control that a dialog built from its template; a class derived from one (an owner-drawn
// combo box) is attached with Dialog::SubclassDlgItem or DDX_Control.
#include "platform/ui/Window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vd {

// What an owner-drawn item is drawn with.
struct DrawItemInfo {
    Dc* dc = nullptr;
    ui::Rect rect;
    int itemId = -1;             // -1: the empty field of a combo without a selection
    std::uintptr_t itemData = 0;
    bool selected = false;
    bool focused = false;
    bool drawEntire = true;      // ODA_DRAWENTIRE; false for a focus change alone
};

class Button : public Window {
public:
    // Creates a push button at run time on a window (the view's on-screen buttons); its click is
    // that window's command `id`.
    bool Create(const std::string& caption, std::uint32_t style, const ui::Rect& rect, Window* parent, int id);
    void SetCheck(int check);
    int GetCheck() const;
};

class Static : public Window {};

class Edit : public Window {
public:
    void SetReadOnly(bool readOnly = true);
    void SetSel(int start, int end);
    void ReplaceSel(const std::string& text);
    int GetLineCount() const;
    void SetLimitText(int maxBytes);
};

class ComboBox : public Window {
public:
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    std::string GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    // The first item at or after start + 1 whose text begins with prefix (case-insensitive),
    // wrapping around; start -1 searches from the top. CB_ERR when none.
    int FindString(int start, const std::string& prefix) const;
    int FindStringExact(int start, const std::string& text) const;
    int SelectString(int start, const std::string& prefix);
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    void SetItemHeight(int height);
    // Owner-drawn combo boxes: the drawing and measuring of items.
    virtual void DrawItem(DrawItemInfo& item);
    virtual int MeasureItem(int itemId);
    virtual int CompareItem(std::uintptr_t first, std::uintptr_t second);
};

class ListBox : public Window {
public:
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    std::string GetText(int index) const;
    int FindString(int start, const std::string& prefix) const;
    int FindStringExact(int start, const std::string& text) const;
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
};

// The report list view.
class ListCtrl : public Window {
public:
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = -1);
    bool DeleteColumn(int column);
    int GetColumnCount() const;
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    std::string GetColumnText(int column) const;
    int InsertItem(int item, const std::string& text);
    bool SetItemText(int item, int subItem, const std::string& text);
    std::string GetItemText(int item, int subItem) const;
    bool DeleteItem(int item);
    bool DeleteAllItems();
    int GetItemCount() const;
    std::uint32_t SetExtendedStyle(std::uint32_t style);
    std::uint32_t GetExtendedStyle() const;
    bool SetTextBkColor(std::uint32_t colour);
    std::uint32_t GetTextBkColor() const;
    bool SetBkColor(std::uint32_t colour);
    bool SetTextColor(std::uint32_t colour);
    int GetSelectionMark() const;
};

class TabCtrl : public Window {
public:
    int InsertItem(int item, const std::string& text);
    bool DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Selects a tab without notifying (as the old platform did).
    int SetCurSel(int item);
    std::string GetItemText(int item) const;
    // The display area below the tabs, in the tab control's client coordinates.
    ui::Rect GetDisplayRect() const;
};

class ScrollBar : public Window {
public:
    // Creates a scroll bar at run time on a window; it reports to the window's OnVScroll.
    bool Create(std::uint32_t style, const ui::Rect& rect, Window* parent, int id);
    void SetScrollRange(int minPos, int maxPos, bool redraw = true);
    void GetScrollRange(int* minPos, int* maxPos) const;
    int SetScrollPos(int pos, bool redraw = true);
    int GetScrollPos() const;
};

// A control the system paints itself through a device context (a legend, a swatch, a preview):
// its painter draws the whole control into the control's own back buffer whenever the control
// must be shown anew. Drawing at other times goes through GetDC.
class PaintedControl : public Window {
public:
    using Painter = std::function<void(Dc& dc, const ui::Rect& client)>;
    void SetPainter(Painter painter);
    // Internal: runs the painter into the back buffer (the control's paint event calls it).
    void paintNow();
};

} // namespace vd
