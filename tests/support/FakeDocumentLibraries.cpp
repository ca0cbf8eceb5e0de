// A stand-in for the dialogs that the document's File, View and Mapping commands open in TOVENDLG,
// Surrick, Ombrisk and Pelmora: each answers what the test set (empty: Cancel; the integer
// answers read it as a number), runs the test's probe while it is "open" and logs its call.
#include "contracts/ombrisk.h"
#include "contracts/pelmora.h"
#include "contracts/surrick.h"
#include "contracts/tovendlg.h"
#include "tests/support/FakeLog.h"

#include <cstdlib>
#include <map>
#include <string>
#include <type_traits>

namespace {

std::map<std::string, std::string>& Answers()
{
    static std::map<std::string, std::string> answers;
    return answers;
}

void (*g_probe)(void*) = nullptr;
void* g_probeContext = nullptr;

template <class T>
std::string Arg(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return "[" + value + "]";
    else
        return std::to_string(value);
}

// Logs "Name(a,[text],...)" and answers the canned text.
template <class... A>
std::string Dialog(const char* name, const A&... args)
{
    std::string line = std::string(name) + "(";
    bool first = true;
    ((line += (first ? "" : ",") + Arg(args), first = false), ...);
    Log() += line + ")\n";
    if (g_probe)
        g_probe(g_probeContext);
    return Answers()[name];
}

} // namespace

extern "C" VD_EXPORT std::string* FakeDocLog() { return &Log(); }

extern "C" VD_EXPORT void FakeDocSetAnswer(const char* entry, const char* answer) { Answers()[entry] = answer; }

extern "C" VD_EXPORT void FakeDocSetProbe(void (*probe)(void*), void* context)
{
    g_probe = probe;
    g_probeContext = context;
}

using S = std::string;

extern "C" VD_EXPORT S OnMapTypeSet(int palette, int type, int figure, int colours, int cityBorder, S folder, S flags)
{
    return Dialog("OnMapTypeSet", palette, type, figure, colours, cityBorder, folder, flags);
}

extern "C" VD_EXPORT S OnMapPalleteSet(int palette, S editor, S folder, int sea, int lake, int background)
{
    return Dialog("OnMapPalleteSet", palette, editor, folder, sea, lake, background);
}

extern "C" VD_EXPORT S OnDataSourceSet(int entry, S dual, S folder) { return Dialog("OnDataSourceSet", entry, dual, folder); }

extern "C" VD_EXPORT int OnDlgMenuBarFileUpdate(S folder, S editor, int mode)
{
    return std::atoi(Dialog("OnDlgMenuBarFileUpdate", folder, editor, mode).c_str());
}

extern "C" VD_EXPORT void OnTextDisplayDaialog(S file, S name, S title) { Dialog("OnTextDisplayDaialog", file, name, title); }

extern "C" VD_EXPORT S OnRouteInformation(int kind, S playMode, S editor, S folder)
{
    return Dialog("OnRouteInformation", kind, playMode, editor, folder);
}

extern "C" VD_EXPORT int OnMapBarMenuFileSet(S folder, S editor, S index)
{
    return std::atoi(Dialog("OnMapBarMenuFileSet", folder, editor, index).c_str());
}

extern "C" VD_EXPORT S OnSubmarineTvlSet(int show, int method, int relief, int contour, S folder)
{
    return Dialog("OnSubmarineTvlSet", show, method, relief, contour, folder);
}

extern "C" VD_EXPORT S OnDddAreaSelect(S flags) { return Dialog("OnDddAreaSelect", flags); }

extern "C" VD_EXPORT S OnLocalDataDspSet(int show, int graticule, int type, int colour, int borders, int borderColour,
                                         int kind, int index, int background, int choropleth, int classes, S name,
                                         S file, S folder, S editor)
{
    return Dialog("OnLocalDataDspSet", show, graticule, type, colour, borders, borderColour, kind, index, background,
                  choropleth, classes, name, file, folder, editor);
}

extern "C" VD_EXPORT void OnLclDataRgst(S folder) { Dialog("OnLclDataRgst", folder); }

extern "C" VD_EXPORT void OnLclDataUpdt(S folder, S editor) { Dialog("OnLclDataUpdt", folder, editor); }
