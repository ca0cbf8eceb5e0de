#pragma once
// A window of the user-interface layer: the common handle of dialogs, their controls and the
// main frame, with the old platform's operations (texts, enabling, showing, moving, dialog item
// helpers, timers, posted messages and a device context into the window's own back buffer).
// Qt stays behind the pimpl.
#include "platform/ui/Geometry.h"
#include "platform/ui/WinConstants.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vd {

class Dc;
class WindowImpl;
class ClientDc;

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // True while the window exists on screen (created and not destroyed).
    bool IsWindow() const;
    // Destroys the window (the object stays; a control created at run time is removed).
    virtual void DestroyWindow();
    int GetDlgCtrlID() const;
    std::uint32_t GetStyle() const;

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void ShowWindow(int command);
    bool IsWindowVisible() const;
    void SetFocus();
    bool HasFocus() const;

    // Position and size relative to the parent's client area (a top-level window: the screen).
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const ui::Rect& rect, bool repaint = true);
    // Moves without resizing.
    void SetWindowPos(int x, int y);
    ui::Rect GetClientRect() const;
    // The window's rectangle in screen coordinates.
    ui::Rect GetWindowRect() const;
    void CenterWindow();
    // Between the window's client coordinates and the screen's.
    ui::Point ClientToScreen(ui::Point point) const;
    ui::Point ScreenToClient(ui::Point point) const;

    void Invalidate(bool erase = true);
    // True while an invalidation waits for its repaint.
    bool IsRepaintPending() const;
    void UpdateWindow();
    void RedrawWindow();

    Window* GetParent() const;

    // Dialog item helpers: the child control with the id (also in child dialogs), or null.
    Window* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value, bool isSigned = true);
    int GetDlgItemInt(int id, bool* translated = nullptr, bool isSigned = true) const;
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // Timers: OnTimer(id) runs every interval until KillTimer. A test fires them through the
    // script of the vd::ui seam.
    void SetTimer(int id, int intervalMs);
    void KillTimer(int id);
    virtual void OnTimer(int id);

    // Messages: PostMessage queues OnMessage for after the current event; SendMessage calls it.
    void PostMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    virtual std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // Drawing "straight into the window": a device context on the window's own back buffer,
    // shown over the window's normal look when the ClientDc is released.
    ClientDc GetDC();
    // Drops what was drawn through GetDC, so the window shows its normal look again.
    void ClearBackBuffer();

    // Internal: the platform's window behind the handle.
    WindowImpl* impl() const { return impl_.get(); }
    std::shared_ptr<WindowImpl> sharedImpl() const { return impl_; }
    void attach(std::shared_ptr<WindowImpl> impl);

protected:
    std::shared_ptr<WindowImpl> impl_;
};

// A device context lent for drawing into a window's back buffer; releasing it (its end of
// life) shows what was drawn.
class ClientDc {
public:
    ClientDc(ClientDc&& other) noexcept;
    ClientDc& operator=(ClientDc&&) = delete;
    ~ClientDc();
    Dc* get() const { return dc_.get(); }
    Dc* operator->() const { return dc_.get(); }
    Dc& operator*() const { return *dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    friend class Window;
    ClientDc(std::shared_ptr<WindowImpl> window, std::unique_ptr<Dc> dc);
    std::shared_ptr<WindowImpl> window_;
    std::unique_ptr<Dc> dc_;
};

} // namespace vd
