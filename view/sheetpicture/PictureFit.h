#pragma once
// Where a guide-map or sheet picture of w x h goes in a window of W x H: centred, and shrunk in
// proportion to 10 pixels from the edges when it does not fit (first across, then down).
struct PictureFit {
    int left = 0, top = 0;
    int width = 0, height = 0;
    bool shrunk = false;
};

PictureFit FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);
