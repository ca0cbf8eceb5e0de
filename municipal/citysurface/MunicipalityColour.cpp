#include "municipal/citysurface/MunicipalityColour.h"

namespace surrick {

vd::COLORREF MunicipalityColour(int code)
{
    switch (code) {
    case 0:
    case 12:
        return 0xFFFF00;
    case 1:
    case 13:
        return 0xFF0080;
    case 2:
    case 14:
        return 0xFF0000;
    case 3:
    case 15:
        return 0x008000;
    case 4:
        return 0x00E600;
    case 5:
        return 0x00FFFF;
    case 6:
        return 0x78C8FF;
    case 7:
        return 0xFF80FF;
    case 8:
    case 17:
        return 0x0000FF;
    case 9:
        return 0x0000A0;
    case 11:
        return 0x8C8C8C;
    case 16:
        return 0x00FF00;
    case 19:
        return 0xA0A0A0;
    case -11:
        return 0xDCDCDC;
    default:
        return 0x000000;
    }
}

int MunicipalityPenWidth(int code) { return code >= 12 && code <= 19 ? 2 : 1; }

vd::Pen MunicipalityPolygonPen(int code)
{
    if (code / 30 == 1) {
        const int colourCode = code % 30;
        return vd::Pen(vd::PS_DOT, MunicipalityPenWidth(colourCode), MunicipalityColour(colourCode));
    }
    return vd::Pen(vd::PS_SOLID, MunicipalityPenWidth(code), MunicipalityColour(code));
}

vd::Pen MunicipalityCoastlinePen(int code)
{
    return vd::Pen(vd::PS_SOLID, MunicipalityPenWidth(code), MunicipalityColour(code));
}

vd::Brush MunicipalityFillBrush(int code) { return vd::Brush(MunicipalityColour(code % 30)); }

} // namespace surrick
