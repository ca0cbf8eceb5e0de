#pragma once
// The argument block of a drawing entry point as the layer renderer holds it: what the entry
// point copies from its arguments before a layer operation runs. Fields that a form does not
// fill stay as built here (0, empty).
#include <string>

struct LayerDrawParams {
    int ItemCode = 0;
    // DrawExtent, whole arc-seconds, longitude counted from 0 degrees.
    int North = 0;
    int West = 0;
    int South = 0;
    int East = 0;
    int AreaKind = 0;
    int WideAreaMode = 0;
    int BlockMode = 0;
    int StatusFlag = 0;
    int DetailLevel = 0; // 3: full detail
    int StatusLineY = 0;
    int ProgressFlag = 0; // -1: no status box
    // ScreenTransform: x = (longitude - West) * XScale + XOrigin, y = (North - latitude) * YScale + YOrigin.
    float XOrigin = 0;
    float YOrigin = 0;
    float XScale = 0;
    float YScale = 0;
    std::string WideAreaName;
    std::string MeshCode;
    std::string BlockCentre3;
    std::string BlockCentre5;
    std::string DataSetPath;
    std::string DataFolder;
    std::string DataName;
};
