// A stand-in for Surrick's prefecture statistics map: its four drawing calls logged with their
// arguments for the test to read.
#include "contracts/surrick.h"
#include "tests/support/FakeLog.h"

#include <string>

namespace {
std::string I(int value) { return std::to_string(value); }
} // namespace

extern "C" VD_EXPORT void OnPrefectureMap(vd::Dc*, std::string classList, std::string outlineFolder, int originX,
                                          int projectionMode, int insetFlag, int colourFlag, float refLatitude,
                                          float refLongitude, float scale)
{
    Log() += "OnPrefectureMap(" + classList + "," + outlineFolder + "," + I(originX) + "," + I(projectionMode) + "," +
             I(insetFlag) + "," + I(colourFlag) + "," + F(refLatitude) + "," + F(refLongitude) + "," + F(scale) + ");";
}

extern "C" VD_EXPORT void OnJapanDataIsland(vd::Dc*, std::string labelFolder, std::string outlineFolder,
                                            int graticuleFlag, int originX, int projectionMode, int insetFlag,
                                            float refLatitude, float refLongitude, float scale)
{
    Log() += "OnJapanDataIsland(" + labelFolder + "," + outlineFolder + "," + I(graticuleFlag) + "," + I(originX) +
             "," + I(projectionMode) + "," + I(insetFlag) + "," + F(refLatitude) + "," + F(refLongitude) + "," +
             F(scale) + ");";
}

extern "C" VD_EXPORT void OnPrectureLine(vd::Dc*, std::string outlineFolder, int originX, int projectionMode,
                                         int lineStyle, int options, float refLatitude, float refLongitude, float scale)
{
    Log() += "OnPrectureLine(" + outlineFolder + "," + I(originX) + "," + I(projectionMode) + "," + I(lineStyle) + "," +
             I(options) + "," + F(refLatitude) + "," + F(refLongitude) + "," + F(scale) + ");";
}

extern "C" VD_EXPORT void OnPrefectureDataDisp(vd::Dc*, std::string dataFolder, std::string dataFile,
                                               std::string rankList, int colourChoice, int displayKind, int insetFlag,
                                               int projectionMode, int showFlag, int classCountFlag, int textMode,
                                               float refLatitude, float refLongitude, float scale, float originX,
                                               int clientWidth, int clientHeight)
{
    Log() += "OnPrefectureDataDisp(" + dataFolder + "," + dataFile + "," + rankList + "," + I(colourChoice) + "," +
             I(displayKind) + "," + I(insetFlag) + "," + I(projectionMode) + "," + I(showFlag) + "," +
             I(classCountFlag) + "," + I(textMode) + "," + F(refLatitude) + "," + F(refLongitude) + "," + F(scale) +
             "," + F(originX) + "," + I(clientWidth) + "," + I(clientHeight) + ");";
}

extern "C" VD_EXPORT const std::string* FakeSurrickLog() { return &Log(); }
