#pragma once
// The view tests' logging stand-in of the dialog library (built only for the view's test binary).
#include "platform/sys/LibraryLoader.h"

#include <gtest/gtest.h>

#include <string>

namespace viewtest {

// The logging stand-in of the dialog library in place of the built one (before first use), and
// its log of the calls.
inline void UseFakeDialogLibrary()
{
    ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_FAKE_TOVENDLG_VIEW));
}

inline std::string FakeDialogLibraryLog()
{
    using LogFn = const std::string*();
    auto* log = vd::entryPoint<LogFn>("TOVENDLG.DLL", "FakeTovendlgLog");
    return log ? *log() : "<no log>";
}

} // namespace viewtest
