#include "view/sheetmap/SheetBlockGeometry.h"

#include "platform/text/Format.h"

namespace {
constexpr float kFullRatio = 1.215f;
constexpr float kRatioShrink = 0.82304525f;
constexpr float kNarrowFactor = 0.0014104373f;
constexpr float kWideFactor = 0.00125f;
} // namespace

int SheetBlockHeight(int clientWidth, int clientHeight, int fullScreenHeight, float lengthRatio)
{
    const bool reduced = lengthRatio < kFullRatio;
    if (clientWidth <= 800) {
        int base = fullScreenHeight < 726 ? 520 : 535;
        if (reduced)
            base = static_cast<int>(double(base) * double(lengthRatio) * double(kRatioShrink));
        const double factor = clientWidth < 711 ? double(kNarrowFactor) : double(kWideFactor);
        return static_cast<int>(double(base) * double(clientWidth) * factor);
    }
    int height = clientWidth < 1025 ? clientHeight - 65 : clientHeight - clientHeight * 80 / 718;
    if (reduced)
        height = static_cast<int>(double(height) * double(lengthRatio) * double(kRatioShrink));
    return height;
}

std::string MeshCodeText(int latitudeCode, int longitudeCode)
{
    return vd::format("%02d%02d", latitudeCode, longitudeCode);
}
