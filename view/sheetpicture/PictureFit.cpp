#include "view/sheetpicture/PictureFit.h"

#include <algorithm>

namespace {

// One direction of the fit: the offset of `along` in `window`; below 1 (offset 0 included, so a
// picture one pixel smaller than the window is shrunk too) `along` becomes window - 20 at offset
// 10 and `across` shrinks in proportion.
bool FitSide(int window, int& along, int& across, int& offset)
{
    offset = (window - along) / 2;
    if (offset >= 1 || along <= 0)
        return false;
    const int fitted = std::max(window - 20, 1);
    across = int(double(fitted) / along * across);
    along = fitted;
    offset = 10;
    return true;
}

} // namespace

PictureFit FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
{
    PictureFit fit{0, 0, pictureWidth, pictureHeight, false};
    fit.shrunk = FitSide(windowWidth, fit.width, fit.height, fit.left);
    fit.shrunk = FitSide(windowHeight, fit.height, fit.width, fit.top) || fit.shrunk;
    return fit;
}
