// A stand-in for the dialog library's slide-show settings, elevation legend, place-name search and
// range confirmation: OnSlideSet answers what VD_FAKE_SLIDE_ANSWER says ("" = cancel),
// OnRengeConfirm the number in VD_FAKE_RANGE_ANSWER (-1 without); every call is logged for the test.
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

// The place-name search conditions: cancelled.
extern "C" VD_EXPORT std::string OnGnpfRetrieveSet(int, int, int, int, int, int, int, int, int, std::string, std::string,
                                                   std::string)
{
    Log() += "OnGnpfRetrieveSet;";
    return "";
}

extern "C" VD_EXPORT int OnRengeConfirm(std::string westLongitude, std::string northLatitude,
                                        std::string eastLongitude, std::string southLatitude)
{
    Log() += "OnRengeConfirm(" + westLongitude + "," + northLatitude + "," + eastLongitude + "," + southLatitude + ");";
    const char* answer = std::getenv("VD_FAKE_RANGE_ANSWER");
    return answer ? std::atoi(answer) : -1;
}

extern "C" VD_EXPORT const std::string* FakeTovendlgLog()
{
    return &Log();
}
