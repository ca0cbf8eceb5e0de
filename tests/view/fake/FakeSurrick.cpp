// A stand-in for Surrick's municipality set-up and point overview: OnCityBoundarySet answers what
// VD_FAKE_SURRICK_ANSWER says ("" = cancel) and every call is logged for the test to read.
#include "contracts/surrick.h"
#include "tests/support/FakeLog.h"

#include <cstdlib>
#include <string>

extern "C" VD_EXPORT std::string OnCityBoundarySet(vd::Dc* dc, std::string boundaryFolder, std::string coastlineFolder,
                                                   int mode)
{
    Log() += "OnCityBoundarySet(" + std::string(dc ? "dc" : "null") + "," + boundaryFolder + "," + coastlineFolder +
             "," + std::to_string(mode) + ");";
    const char* answer = std::getenv("VD_FAKE_SURRICK_ANSWER");
    return answer ? answer : "";
}

extern "C" VD_EXPORT void OnCoastlineSet(vd::Dc* dc, std::string coastlineFolder)
{
    Log() += "OnCoastlineSet(" + std::string(dc ? "dc" : "null") + "," + coastlineFolder + ");";
}

extern "C" VD_EXPORT void OnDlgBmpShow(std::string path, std::string name, std::string textAndMode, int shade)
{
    Log() += "OnDlgBmpShow(" + path + "," + name + "," + textAndMode + "," + std::to_string(shade) + ");";
}

extern "C" VD_EXPORT const std::string* FakeSurrickLog()
{
    return &Log();
}
