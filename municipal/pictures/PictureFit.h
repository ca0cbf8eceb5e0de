#pragma once
// The arithmetic of the picture window and the preview: the background shade of the window, the
// mode word that places it, the fitted and stepped zoom and where a picture is drawn in its frame.
// All sizes in pixels; a picture of zero width or height is no picture and is never fitted.
#include "platform/dc/Geometry.h"

#include <optional>
#include <string>

namespace surrick {

// The grey level (red = green = blue) of a background shade: 0 to 8 darkest to lightest,
// 10 white, 9 and anything else 240.
int PictureShadeLevel(int shade);
// Shade 6 leaves the frame as the dialog draws it.
inline bool ShadeFillsFrame(int shade) { return shade != 6; }

// The text line and the screen position of the window, from the text with its mode word
// ("text$SMALL"); no position when no mode word matched.
struct PictureTextAndMode {
    std::string text;
    std::optional<vd::Point> position;
};
PictureTextAndMode SplitPictureTextAndMode(const std::string& textAndMode);

inline constexpr int kMinimumZoom = 50;
inline constexpr int kMaximumZoom = 150;

// The largest zoom (percent) at which the picture fits the frame, held within 50 to 150.
int FittedMaximumZoom(vd::Size frame, vd::Size picture);
// The zoom a picture starts at: its fitted maximum, but never above its own size.
inline int StartingZoom(int fittedMaximum) { return fittedMaximum > 100 ? 100 : fittedMaximum; }
// The ">" and "<" steps: 5 percent up to 100, 1 above.
int ZoomIn(int zoom, int fittedMaximum);
int ZoomOut(int zoom);
// The picture at the zoom, centred in the frame; a picture larger than the frame starts at its
// top left corner.
vd::Rect ZoomedPicturePlace(vd::Size frame, vd::Size picture, int zoom);

// The preview: the picture at its own size when it fits, else shrunk to the frame keeping its
// proportions (integer steps), centred.
vd::Rect PreviewPicturePlace(vd::Size frame, vd::Size picture);

} // namespace surrick
