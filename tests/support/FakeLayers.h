#pragma once
// The layer stand-in (FakeLayerLibraries.cpp) in place of Pelmora, Dovanne, Halvette and Surrick,
// its canned answers and its log: one call a line, "Name(int,float,[text],...)".
#include "platform/sys/LibraryLoader.h"
#include "tests/support/FakeCalls.h"

#include <string>
#include <vector>

namespace fakelayers {

inline void Install(const char* fakePath)
{
    for (const char* name : {"Pelmora.DLL", "Dovanne.dll", "Halvette.DLL", "SURRICK.DLL"})
        vd::LibraryLoader::setOverride(name, fakePath);
    vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so");
}

inline void Answer(const char* entry, const std::string& answer)
{
    using Fn = void(const char*, const char*);
    vd::entryPoint<Fn>("Pelmora.DLL", "FakeLayerSetAnswer")(entry, answer.c_str());
}

inline std::string& Log()
{
    using Fn = std::string*();
    return *vd::entryPoint<Fn>("Pelmora.DLL", "FakeLayerLog")();
}

inline std::vector<std::string> Calls() { return fakelog::Lines(Log()); }

// The bracketed texts of a logged call, in order.
inline std::vector<std::string> Texts(const std::string& call)
{
    std::vector<std::string> texts;
    for (std::size_t at = 0; (at = call.find('[', at)) != std::string::npos;) {
        const std::size_t end = call.find(']', at);
        texts.push_back(call.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return texts;
}

// The call's name and its numbers before the first text: "Name(1,2,3".
inline std::string Head(const std::string& call)
{
    const std::size_t text = call.find(",[");
    return call.substr(0, text == std::string::npos ? call.size() - 1 : text);
}

} // namespace fakelayers
