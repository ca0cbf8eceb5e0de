#pragma once
// The document-command stand-in (FakeDocumentLibraries.cpp) in place of TOVENDLG, Surrick,
// Ombrisk and Pelmora (Dovanne stays the built one), its canned answers, its log ("Name(1,[text])"
// one call a line) and a probe run while a dialog is open.
#include "platform/sys/LibraryLoader.h"
#include "tests/support/FakeCalls.h"

#include <string>
#include <vector>

namespace fakedoc {

inline void Install(const char* fakePath)
{
    for (const char* name : {"TOVENDLG.DLL", "SURRICK.DLL", "Ombrisk.dll", "Pelmora.DLL"})
        vd::LibraryLoader::setOverride(name, fakePath);
    vd::LibraryLoader::setOverride("Dovanne.dll", VD_BIN_DIR "/libdovanne.so");
}

inline void Answer(const char* entry, const std::string& answer)
{
    using Fn = void(const char*, const char*);
    vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeDocSetAnswer")(entry, answer.c_str());
}

inline void Probe(void (*probe)(void*), void* context)
{
    using Fn = void(void (*)(void*), void*);
    vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeDocSetProbe")(probe, context);
}

inline std::string& Log()
{
    using Fn = std::string*();
    return *vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeDocLog")();
}

inline std::vector<std::string> Calls() { return fakelog::Lines(Log()); }

} // namespace fakedoc
