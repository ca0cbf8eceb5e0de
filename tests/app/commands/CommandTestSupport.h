#pragma once
// A document with the dialog stand-in in place of its libraries, a counted redraw, the
// application folder "Z:\app\" and the commands run through its message map.
#include "app/document/VeldoranDoc.h"
#include "platform/text/Format.h"
#include "platform/ui/UiScript.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/support/FakeDocumentLibraries.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class DocumentCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        doctest::InstallFakeEditor();
        fakedoc::Install(VD_FAKE_DOCUMENT);
        doc = std::make_unique<CVeldoranDoc>();
        doc->folders.m_strAppDir = "Z:\\app\\";
        redraws = 0;
        doc->repaint.m_fnUpdateAllViews = [this] { ++redraws; };
        fakedoc::Log().clear();
    }

    // A command chosen from a menu or by its key: through the document's message map.
    void Run(int id) { ASSERT_TRUE(doc->runOwnCommand(id)) << id; }

    struct ItemState {
        bool enabled;
        int checked; // -1: the update set none
    };
    ItemState Update(int id)
    {
        vd::CmdUI ui(id);
        EXPECT_TRUE(doc->runOwnUpdate(ui)) << id;
        return {ui.enabled.value_or(true), ui.checked.value_or(-1)};
    }

    // Records m_bLayerDialogOpen while the stand-in's dialog is open.
    void ProbeDialogFlag()
    {
        fakedoc::Probe([](void* self) {
            auto* t = static_cast<DocumentCommands*>(self);
            t->flagWhileOpen = t->doc->repaint.m_bLayerDialogOpen;
        }, this);
    }

    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
    int redraws = 0;
    int flagWhileOpen = -1;
};

// Integers each followed by "|".
inline std::string Bars(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += vd::format("%d|", v);
    return out;
}

// 48 prefecture flags with only `set` at 1 (none when it is -1).
inline std::string FlagsWith(int set)
{
    std::string out;
    for (int i = 0; i < 48; ++i)
        out += i == set ? "1|" : "0|";
    return out;
}
