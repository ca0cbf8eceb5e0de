#include "view/sheetpicture/PictureFit.h"

#include <algorithm>

PictureFit FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
{
    PictureFit fit{0, 0, pictureWidth, pictureHeight, false};
    fit.left = (windowWidth - fit.width) / 2;
    // Offset 0 counts as too wide: a picture one pixel narrower than the window is shrunk too.
    if (fit.left < 1 && fit.width > 0) {
        const int width = std::max(windowWidth - 20, 1);
        fit.height = int(double(width) / fit.width * fit.height);
        fit.width = width;
        fit.left = 10;
        fit.shrunk = true;
    }
    fit.top = (windowHeight - fit.height) / 2;
    if (fit.top < 1 && fit.height > 0) {
        const int height = std::max(windowHeight - 20, 1);
        fit.width = int(double(height) / fit.height * fit.width);
        fit.height = height;
        fit.top = 10;
        fit.shrunk = true;
    }
    return fit;
}
