#pragma once
// Third-order mesh records in the published fixed-column layout: the record type in column 0,
// the eight-digit mesh code in columns 5-12, then the theme's columns (counted from 0).
#include "layers/render/LayerDrawParams.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"

#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include <string>

namespace layers_test {

class MeshRecord {
public:
    explicit MeshRecord(const std::string& code, char type = 'M') : line_(std::string(1, type) + "    " + code) {}
    MeshRecord& Put(std::size_t column, const std::string& text)
    {
        if (line_.size() < column + text.size())
            line_.resize(column + text.size(), ' ');
        line_.replace(column, text.size(), text);
        return *this;
    }
    // A number right-aligned in `width` columns.
    MeshRecord& Number(std::size_t column, int width, long long value)
    {
        return Put(column, vd::format("%*lld", width, value));
    }
    MeshRecord& Size(std::size_t size)
    {
        line_.resize(size, ' ');
        return *this;
    }
    operator std::string() const { return line_; }

private:
    std::string line_;
};

// The third-order cell of mesh 5339 at second-level row a, column b and third-level row c,
// column d: south-west corner at latitude 127200 + 300a + 30c, longitude 500400 + 450b + 45d.
inline std::string Cell5339(int a, int b, int c, int d) { return vd::format("5339%d%d%d%d", a, b, c, d); }

// Mesh 5339's extent in arc-seconds.
inline constexpr int kMeshNorth = 129600;
inline constexpr int kMeshWest = 500400;
inline constexpr int kMeshSouth = 127200;
inline constexpr int kMeshEast = 504000;

// A call over mesh 5339 (the one first-level mesh of MeshCode) at `scale` pixels a second.
inline LayerDrawParams Mesh5339Params(const std::string& dataSet, const std::string& dataFolder, int detailLevel,
                                      int itemCode, float scale = 1.0f)
{
    LayerDrawParams p;
    p.ItemCode = itemCode;
    p.North = kMeshNorth, p.West = kMeshWest, p.South = kMeshSouth, p.East = kMeshEast;
    p.DetailLevel = detailLevel;
    p.ProgressFlag = -1;
    p.StatusLineY = 700;
    p.WideAreaMode = 1, p.BlockMode = 1;
    p.XScale = p.YScale = scale;
    p.MeshCode = "5339";
    p.DataSetPath = dataSet;
    p.DataFolder = dataFolder;
    return p;
}

// The PrefectureFlagList of the whole country.
inline std::string WholeCountry()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

struct Fill {
    vd::Rect rect;
    vd::COLORREF colour;
    friend bool operator==(const Fill&, const Fill&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Fill& f)
{
    return os << "(" << f.rect.left << "," << f.rect.top << "," << f.rect.right << "," << f.rect.bottom << ") "
              << f.colour;
}

// The filled cells before the legend (fills of the legend's swatches sit right of x 500).
inline std::vector<Fill> Cells(const vd::RecordingDc& dc)
{
    std::vector<Fill> fills;
    for (const vd::RecordedCall& c : dc.Calls())
        if (c.op.kind == vd::DrawOp::FillSolidRect && c.op.rect.left < 500)
            fills.push_back({c.op.rect, c.op.colour});
    return fills;
}

// The colour each pixel ends with when the fills are painted in their order: what a picture shows,
// whether touching rectangles of one colour came as one fill or as several.
inline std::map<std::pair<int, int>, vd::COLORREF> Painted(const std::vector<Fill>& fills)
{
    std::map<std::pair<int, int>, vd::COLORREF> pixels;
    for (const Fill& f : fills)
        for (int y = f.rect.top; y < f.rect.bottom; ++y)
            for (int x = f.rect.left; x < f.rect.right; ++x)
                pixels[{x, y}] = f.colour;
    return pixels;
}

} // namespace layers_test
