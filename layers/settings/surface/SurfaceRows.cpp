#include "layers/settings/surface/SurfaceRows.h"

bool StoredSurfaceValuesDiffer(const SurfaceRows& a, const SurfaceRows& b)
{
    for (int row = 0; row < kSurfaceRowCount; ++row) {
        const SurfaceRow& x = a[row];
        const SurfaceRow& y = b[row];
        if (x.colour != y.colour || x.fill != y.fill || x.name != y.name || x.dataName != y.dataName
            || x.text != y.text)
            return true;
    }
    return false;
}

const char* FixedSurfaceDataName(int row)
{
    // The names the drawing and the legend know the themes by, not the pages' shorter labels.
    static constexpr const char* kNames[kSurfaceRowCount] = {
        nullptr,      nullptr,            nullptr,        nullptr,           "流域界・非集水域",
        "都市計画域", "自然公園",         "自然環境保全区域", "農業地域",     "森林地域",
        "三大都市圏計画区域", "鳥獣保護区域", "ﾘｿﾞｰﾄ法指定地域", "湖沼",      "湖岸線",
    };
    return row >= 0 && row < kSurfaceRowCount ? kNames[row] : nullptr;
}
