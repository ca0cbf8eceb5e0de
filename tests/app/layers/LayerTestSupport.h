#pragma once
// A document with the layer stand-in in place of its libraries, a counted redraw and the
// application folder "Z:\app\".
#include "app/document/VeldoranDoc.h"
#include "platform/text/Format.h"
#include "platform/ui/UiScript.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/support/FakeLayers.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class LayerDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        vd::ui::Script::install();
        doctest::InstallFakeEditor();
        fakelayers::Install(VD_FAKE_LAYERS);
        doc = std::make_unique<CVeldoranDoc>();
        doc->folders.m_strAppDir = "Z:\\app\\";
        redraws = 0;
        doc->repaint.m_fnUpdateAllViews = [this] { ++redraws; };
        fakelayers::Log().clear();
    }

    std::unique_ptr<CVeldoranDoc> doc;
    int redraws = 0;
};

// Integers each followed by "|".
inline std::string Bars(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += vd::format("%d|", v);
    return out;
}
