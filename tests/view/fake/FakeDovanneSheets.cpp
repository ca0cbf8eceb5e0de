// A stand-in for Dovanne's sheet-map entry points: a fixed length ratio (1.25) and metres per
// arc-second (25.5), and every drawing call logged with its arguments for the test to read.
#include "contracts/dovanne.h"
#include "platform/dc/Dc.h"
#include "tests/support/FakeLog.h"

#include <string>
#include <vector>

namespace {
std::string I(int value)
{
    return std::to_string(value);
}

// The pen selected into the device context at each scale bar: the bar is drawn with the caller's pen.
std::vector<vd::Pen>& ScaleBarPens()
{
    static std::vector<vd::Pen> pens;
    return pens;
}
} // namespace

extern "C" VD_EXPORT double OnUnitLength(std::string kind, std::string latitude)
{
    Log() += "OnUnitLength(" + kind + "," + latitude + ");";
    return kind == "ew" ? 25.5 : 1.25;
}

extern "C" VD_EXPORT void OnWholeCoastLine(vd::Dc*, int mapMode, int sheetCount, int west, int south, int originX,
                                           int originY, int east, int north, float scaleX, float scaleY, int penCode,
                                           std::string folder)
{
    Log() += "OnWholeCoastLine(" + I(mapMode) + "," + I(sheetCount) + "," + I(west) + "," + I(south) + "," +
             I(originX) + "," + I(originY) + "," + I(east) + "," + I(north) + "," + F(scaleX) + "," + F(scaleY) + "," +
             I(penCode) + "," + folder + ");";
}

extern "C" VD_EXPORT void OnWholePrfctrLine(vd::Dc*, int mapMode, int sheetCount, int west, int south, int originX,
                                            int originY, int east, int north, int subprefectureFlag, float scaleX,
                                            float scaleY, std::string colourName, std::string folder)
{
    Log() += "OnWholePrfctrLine(" + I(mapMode) + "," + I(sheetCount) + "," + I(west) + "," + I(south) + "," +
             I(originX) + "," + I(originY) + "," + I(east) + "," + I(north) + "," + I(subprefectureFlag) + "," +
             F(scaleX) + "," + F(scaleY) + "," + colourName + "," + folder + ");";
}

extern "C" VD_EXPORT void OnLakeDraw(vd::Dc*, std::string folder, int style, float originX, float originY,
                                     float scaleX, float scaleY, int east, int north, int west, int south, int file,
                                     int colour)
{
    Log() += "OnLakeDraw(" + folder + "," + I(style) + "," + F(originX) + "," + F(originY) + "," + F(scaleX) + "," +
             F(scaleY) + "," + I(east) + "," + I(north) + "," + I(west) + "," + I(south) + "," + I(file) + "," +
             I(colour) + ");";
}

extern "C" VD_EXPORT void OnScaleX(vd::Dc* dc, int barKind, float scaleX, int rightX, int baseY, std::string label,
                                   float metresPerSecond, int spare)
{
    Log() += "OnScaleX(" + I(barKind) + "," + F(scaleX) + "," + I(rightX) + "," + I(baseY) + "," + label + "," +
             F(metresPerSecond) + "," + I(spare) + ");";
    ScaleBarPens().push_back(dc ? dc->GetCurrentPen() : vd::Pen());
}

extern "C" VD_EXPORT std::vector<vd::Pen>* FakeDovanneScaleBarPens()
{
    return &ScaleBarPens();
}

extern "C" VD_EXPORT void OnForeEastCoast(vd::Dc*, float originX, float originY, float scaleX, float scaleY,
                                          int west, int south, int east, int north, std::string folder)
{
    Log() += "OnForeEastCoast(" + F(originX) + "," + F(originY) + "," + F(scaleX) + "," + F(scaleY) + "," + I(west) +
             "," + I(south) + "," + I(east) + "," + I(north) + "," + folder + ");";
}

extern "C" VD_EXPORT void OnTrackDrawModule(vd::Dc*, std::string trackFile, int startBox, int coordinateFormat,
                                            int trackNumber, int longitudeColumn, int decimalColumn, int west,
                                            int north, int east, int south, int whiteSecondColour, int labelFontHeight,
                                            int distanceMarks, int documentTrackNumber, std::string kind,
                                            std::string label, float pixelsPerSecondX, float pixelsPerSecondY,
                                            float metresPerSecondX, float metresPerSecondY, float markDistanceKm,
                                            float westX, float northY)
{
    Log() += "OnTrackDrawModule(" + trackFile + "," + I(startBox) + "," + I(coordinateFormat) + "," + I(trackNumber) +
             "," + I(longitudeColumn) + "," + I(decimalColumn) + "," + I(west) + "," + I(north) + "," + I(east) + "," +
             I(south) + "," + I(whiteSecondColour) + "," + I(labelFontHeight) + "," + I(distanceMarks) + "," +
             I(documentTrackNumber) + "," + kind + "," + label + "," + F(pixelsPerSecondX) + "," + F(pixelsPerSecondY) +
             "," + F(metresPerSecondX) + "," + F(metresPerSecondY) + "," + F(markDistanceKm) + "," + F(westX) + "," +
             F(northY) + ");";
}

extern "C" VD_EXPORT std::string* FakeDovanneLog()
{
    return &Log();
}

extern "C" VD_EXPORT void OnPrefectureLat(vd::Dc*, int north, int west, int south, int east, int linearFlag,
                                          float scale, float originX, float originY, float scaleX, float scaleY,
                                          float lon0)
{
    Log() += "OnPrefectureLat(" + I(north) + "," + I(west) + "," + I(south) + "," + I(east) + "," + I(linearFlag) +
             "," + F(scale) + "," + F(originX) + "," + F(originY) + "," + F(scaleX) + "," + F(scaleY) + "," +
             F(lon0) + ");";
}

extern "C" VD_EXPORT void OnGnpfOutPut(vd::Dc*, int phase, int boxX, int boxY, int searchKind, int found, int shown,
                                       int largeClass, int middleClass, int smallClass, int viewWidth,
                                       std::string largeClassName, std::string middleClassName,
                                       std::string smallClassName, std::string meshCode, std::string governmentCode,
                                       std::string municipality, std::string searchText)
{
    Log() += "OnGnpfOutPut(" + I(phase) + "," + I(boxX) + "," + I(boxY) + "," + I(searchKind) + "," + I(found) + "," +
             I(shown) + "," + I(largeClass) + "," + I(middleClass) + "," + I(smallClass) + "," + I(viewWidth) + "," +
             largeClassName + "," + middleClassName + "," + smallClassName + "," + meshCode + "," + governmentCode +
             "," + municipality + "," + searchText + ");";
}
