#pragma once
// The dialog library's module: its dialog templates are registered under its name, and every
// entry point makes it the current module for the call (template ids repeat across modules), so
// the library finds its own dialogs. Entry points run their body through RunEntryPoint, which
// also keeps every exception inside the library: the caller gets the cancel answer instead.
#include "platform/ui/TemplateRegistry.h"

#include <utility>

class CDialogLibraryApp {
public:
    static constexpr const char* kModule = "TOVENDLG";
};

template <class Result, class Body>
Result RunEntryPoint(Result cancelAnswer, Body&& body)
{
    try {
        vd::ui::ModuleScope module(CDialogLibraryApp::kModule);
        return std::forward<Body>(body)();
    } catch (...) {
        return cancelAnswer;
    }
}

template <class Body>
void RunEntryPoint(Body&& body)
{
    try {
        vd::ui::ModuleScope module(CDialogLibraryApp::kModule);
        std::forward<Body>(body)();
    } catch (...) {
        // A display dialog answers nothing, so there is nothing to give back.
    }
}
