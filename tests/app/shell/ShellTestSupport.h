#pragma once
// The program's shell started as the program starts it, with a view of the test's own that
// records the commands routed to it (or none) in place of the map view.
#include "app/shell/MainFrame.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/View.h"
#include "program/VeldoranApp.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>
#include <vector>

// A view that takes every command when asked to, so the keys and menus of the frame can be
// followed to their command ids.
class RecordingView : public vd::View {
public:
    explicit RecordingView(bool takeAll)
    {
        if (takeAll)
            OnCommandRange(1, 0xFFFF, [this](int id) { commands.push_back(id); });
    }
    std::vector<int> commands;
};

struct ShellRun {
    // The view: a recording view (taking every command or none), or the program's own map view.
    enum class View { RecordingNone, RecordingAll, Program };

    explicit ShellRun(View kind = View::RecordingNone)
    {
        const bool viewTakesAll = kind == View::RecordingAll;
        script = vd::ui::Script::install();
        script->setFullScreenSize({1280, 1000});
        app = std::make_unique<CVeldoranApp>();
        if (kind == View::Program)
            return;
        app->m_fnMakeView = [this, viewTakesAll] {
            documentBeforeView = app->document() != nullptr;
            framesBeforeView = frameWidgets();
            auto made = std::make_unique<RecordingView>(viewTakesAll);
            view = made.get();
            ++viewsMade;
            return made;
        };
    }
    bool start() { return app->InitInstance(); }
    CMainFrame& frame() const { return *static_cast<CMainFrame*>(app->m_pMainWnd); }

    static int frameWidgets()
    {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(w))
                ++count;
        return count;
    }
    static QMainWindow* frameWidget()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<QMainWindow*>(w); m && m->isVisible())
                return m;
        return nullptr;
    }

    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranApp> app;
    RecordingView* view = nullptr;
    int viewsMade = 0;
    bool documentBeforeView = false;
    int framesBeforeView = 0;
};
