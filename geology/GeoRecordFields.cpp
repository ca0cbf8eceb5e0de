#include "geology/GeoRecordFields.h"

#include "meshcode/MeshCode.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

// The south-west corner of the third-level mesh coded in columns 5-12.
void ReadCorner(std::string_view line, GeoRecordFields& f)
{
    using namespace meshcode;
    f.latitude = CodeDigits(line, 5, 2) * kFirstMeshLatitudeSeconds + CodeDigits(line, 9, 1) * kSecondMeshLatitudeSeconds +
                 CodeDigits(line, 11, 1) * kThirdMeshLatitudeSeconds;
    f.longitude = CodeDigits(line, 7, 2) * kFirstMeshLongitudeSeconds + kLongitudeCodeBase +
                  CodeDigits(line, 10, 1) * kSecondMeshLongitudeSeconds + CodeDigits(line, 12, 1) * kThirdMeshLongitudeSeconds;
}

int Number(const std::string& field) { return vd::parseInt(field); }

// A field as text: the published records are ASCII, which needs no conversion.
std::string Field(std::string_view line, int start, int length)
{
    const std::string_view raw = vd::rawField(line, start, length);
    for (char c : raw)
        if (static_cast<unsigned char>(c) >= 0x80)
            return vd::textField(line, start, length);
    return std::string(raw);
}

std::string EraSymbol(const std::string& digit)
{
    static constexpr const char* kSymbols[] = {"", "P", "M", "Tp", "Tn", "D", "A", "M", "M", "T"};
    return digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9' ? kSymbols[digit[0] - '0'] : digit;
}

std::string StructureSymbol(const std::string& digit)
{
    static constexpr const char* kSymbols[] = {"", "A", "S", "*", "*", "*", "AS", "*"};
    return digit.size() == 1 && digit[0] >= '0' && digit[0] <= '7' ? kSymbols[digit[0] - '0'] : digit;
}

std::string HardnessSymbol(const std::string& digit)
{
    static constexpr const char* kSymbols[] = {"", "1a", "1b", "1c", "2a", "2b", "2c", "3a", "3b", "3c"};
    return digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9' ? kSymbols[digit[0] - '0'] : digit;
}

std::string UnlessNone(const std::string& field, int none) { return Number(field) == none ? std::string() : field; }

std::string SlopeInFives(const std::string& slope)
{
    return Number(slope) == 99 ? std::string() : vd::format("%d", Number(slope) / 5);
}

std::string SurfaceGeologySymbol(int mode, const GeoRecordFields& r)
{
    switch (mode) {
    case 1: return EraSymbol(r.era);
    case 2: return StructureSymbol(r.structure);
    case 3: return HardnessSymbol(r.hardness);
    case 4: return r.rock;
    case 5: return r.soil;
    case 6: return r.terrain;
    case 7: return r.landClass ? std::string() : UnlessNone(r.slope, 99);
    case 8: return r.landClass ? std::string() : UnlessNone(r.valley, 0);
    default: return {};
    }
}

std::string SoilSymbol(int mode, const GeoRecordFields& r)
{
    if (mode == 1)
        return UnlessNone(r.soilSymbol, 0);
    return mode == 2 ? r.rock : std::string();
}

std::string TerrainSymbol(int mode, const GeoRecordFields& r)
{
    switch (mode) {
    case 1: return UnlessNone(r.subClass, 0);
    case 2: return r.landClass ? std::string() : SlopeInFives(r.slope);
    case 3: return r.landClass ? std::string() : r.direction;
    case 4: return r.rock;
    default: return {};
    }
}

std::string ValleySymbol(int mode, const GeoRecordFields& r)
{
    if (r.landClass)
        return {};
    switch (mode) {
    case 1: return UnlessNone(r.valley, 0);
    case 2: return SlopeInFives(r.slope);
    case 3: return r.direction;
    case 4: return r.rock;
    default: return {};
    }
}

} // namespace

GeoRecordFields NaturalTerrainRecordFields(std::string_view line)
{
    GeoRecordFields f;
    ReadCorner(line, f);
    f.dataCount = vd::parseInt(vd::rawField(line, 13, 4));
    f.slope = Field(line, 28, 2);
    f.direction = Field(line, 31, 2);
    f.terrain = Field(line, 38, 2);
    f.subClass = Field(line, 40, 1);
    f.rock = Field(line, 41, 2);
    f.hardness = Field(line, 43, 1);
    f.era = Field(line, 44, 1);
    f.structure = Field(line, 45, 1);
    f.soil = Field(line, 46, 2);
    f.soilSymbol = Field(line, 48, 1);
    f.valley = Field(line, 57, 2);
    return f;
}

GeoRecordFields LandClassRecordFields(std::string_view line)
{
    GeoRecordFields f;
    f.landClass = true;
    ReadCorner(line, f);
    f.dataCount = 1;
    f.terrain = Field(line, 13, 2);
    f.valley = f.terrain;
    f.subClass = Field(line, 15, 1);
    f.rock = Field(line, 16, 2);
    f.hardness = Field(line, 18, 1);
    f.era = Field(line, 19, 1);
    f.structure = Field(line, 20, 1);
    f.soil = Field(line, 21, 2);
    f.soilSymbol = Field(line, 23, 1);
    return f;
}

int EraOfDigit(int digit)
{
    static constexpr int kEras[] = {0, 1, 2, 3, 4, 5, 6, 2, 2, 4};
    return digit >= 0 && digit <= 9 ? kEras[digit] : 0;
}

std::string GeoSymbolText(int theme, int symbolMode, const GeoRecordFields& record)
{
    switch (theme) {
    case 0: return SurfaceGeologySymbol(symbolMode, record);
    case 1: return SoilSymbol(symbolMode, record);
    case 2: return TerrainSymbol(symbolMode, record);
    case 3: return ValleySymbol(symbolMode, record);
    default: return {};
    }
}
