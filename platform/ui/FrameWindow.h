#pragma once
// The main frame: a top-level window built from its resources (menu bar, accelerator table and
// title string of one id), hosting the view that its OnCreate creates; it swaps menu bars at run
// time, runs update handlers when a menu opens and routes commands view -> document -> frame ->
// application.
#include "platform/ui/CommandTarget.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Window.h"

#include <functional>
#include <memory>

namespace vd {

class Document;
class View;

// What the frame's creation builds: the view and the document it shows.
struct CreateContext {
    std::function<std::unique_ptr<View>()> makeView;
    Document* document = nullptr;
};

class FrameWindow : public Window, public CommandTarget {
public:
    FrameWindow();
    ~FrameWindow() override;

    // Creates the window from the resources of the id (menu, accelerators, title) and runs
    // OnCreate; false when OnCreate refused (-1).
    bool LoadFrame(int resourceId, CreateContext* context = nullptr);
    // Base: creates the view of the creation context. -1 refuses the creation.
    virtual int OnCreate();
    // The close box and the exit command: base destroys the window.
    virtual void OnClose();
    // The close box and termination signals: OnClose at once when no handler is running, else
    // the running handler's popups and dialogs are cancelled and OnClose follows once it returns.
    // Either way the end of the run is asked for (ui::endRequested).
    void RequestClose();
    // True while a handler runs a nested event loop (a menu, a dialog, a wait for a program) or
    // delivers pending events itself (a long operation's progress).
    static bool handlerRunning();
    // The event-loop depth of the idle program: 1 while the application runs its loop, 0 in tests.
    static int& idleLoopLevel();
    void DestroyWindow() override;

    View* GetActiveView() const { return view_; }
    void SetActiveView(View* view) { view_ = view; }
    Document* GetActiveDocument() const;

    // The menu bar: SetMenu takes the menu over (the given object is left empty).
    Menu* GetMenu() const;
    bool SetMenu(Menu& menu);
    void DrawMenuBar();
    bool LoadAccelTable(int id);

    // Runs a command as a menu item or accelerator does (update handler first: a disabled
    // command does not run). True when a handler took it.
    bool ExecuteCommand(int id);

    // The route.
    bool routeCommand(int id) override;
    bool routeUpdate(CmdUI& ui) override;
    bool canHandle(int id) const override;

private:
    void installMenuBar();
    CreateContext* context_ = nullptr;
    std::unique_ptr<View> ownedView_;
    View* view_ = nullptr;
    std::unique_ptr<Menu> menu_;
    bool closeRetryScheduled_ = false;
};

} // namespace vd
