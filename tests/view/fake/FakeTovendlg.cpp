// A stand-in for the dialog library's slide-show settings and elevation legend: OnSlideSet
// answers what VD_FAKE_SLIDE_ANSWER says ("" = cancel); every call is logged for the test.
#include "contracts/tovendlg.h"
#include "tests/support/FakeLog.h"

#include <cstdlib>
#include <string>

extern "C" VD_EXPORT std::string OnSlideSet(int showKind, int interval, int size, std::string memo,
                                            std::string playMode, std::string countdown, std::string locator,
                                            std::string jpeg)
{
    Log() += "OnSlideSet(" + std::to_string(showKind) + "," + std::to_string(interval) + "," + std::to_string(size) +
             "," + memo + "," + playMode + "," + countdown + "," + locator + "," + jpeg + ");";
    const char* answer = std::getenv("VD_FAKE_SLIDE_ANSWER");
    return answer ? answer : "";
}

extern "C" VD_EXPORT void OnLegendElevetion(int setNumber, std::string paletteFolder, int lakeColour)
{
    Log() += "OnLegendElevetion(" + std::to_string(setNumber) + "," + paletteFolder + "," + std::to_string(lakeColour) +
             ");";
}

extern "C" VD_EXPORT const std::string* FakeTovendlgLog()
{
    return &Log();
}
