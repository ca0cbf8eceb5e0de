#pragma once
// The main frame: built from resource 128 (menu bar, accelerators, title) with the view inside;
// placed by the profile value System/Screen; no tool bar and no status bar.
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Geometry.h"

class CMainFrame : public vd::FrameWindow {
public:
    CMainFrame();

    // Creates the view, then places the frame.
    int OnCreate() override;
    // Moves the frame to its place by System/Screen. Run again once the frame is shown: only
    // then does the desktop's frame around it count in its outer size.
    void PlaceFrame();

    // The frame's place for a System/Screen value: the whole width at (0, 0), or 721 pixels wide
    // at (5, 0); as tall as the full-screen client area and a title bar.
    static vd::ui::Rect Placement(int screenSetting);
    // The height of a title bar of the desktop.
    static int TitleBarHeight();

    // Loads a menu bar (128 or 133) and installs it in place of the current one.
    bool ShowMenuBar(int menuId);

private:
    // No help file: the help commands show what the about box says.
    void OnHelp();
    // Keeps the items of commands that nobody handles yet disabled.
    void DisablePendingCommand(vd::CmdUI& ui);
};
