#include "municipal/pictures/PictureFit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace surrick {

namespace {

// Integer a * b / c without overflow for any picture a file can describe.
int MulDivTrunc(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return static_cast<int>(a * b / c);
}

bool IsPicture(vd::Size picture)
{
    return picture.cx > 0 && picture.cy > 0;
}

vd::Rect Centred(vd::Size frame, int width, int height)
{
    const int x = std::max(0, (frame.cx - width) / 2);
    const int y = std::max(0, (frame.cy - height) / 2);
    return vd::Rect{x, y, x + width, y + height};
}

} // namespace

int PictureShadeLevel(int shade)
{
    static constexpr std::array<int, 9> kLevels = {0, 40, 80, 120, 160, 200, 210, 220, 230};
    if (shade >= 0 && shade < int(kLevels.size()))
        return kLevels[std::size_t(shade)];
    return shade == 10 ? 255 : 240;
}

PictureTextAndMode SplitPictureTextAndMode(const std::string& textAndMode)
{
    PictureTextAndMode out;
    const auto dollar = textAndMode.find('$');
    const bool split = dollar != std::string::npos && dollar > 0;
    out.text = split ? textAndMode.substr(0, dollar) : textAndMode;
    const std::string word = split ? textAndMode.substr(dollar + 1) : textAndMode;

    static const std::pair<const char*, vd::Point> kModes[] = {
        {"VELDORAN", {135, 100}}, {"VELDORAN_UP", {106, 40}}, {"SMALL", {16, 40}}};
    for (const auto& [mode, position] : kModes)
        if (word == mode) {
            out.position = position;
            // The word alone is no text to show.
            if (!split)
                out.text.clear();
        }
    return out;
}

int FittedMaximumZoom(vd::Size frame, vd::Size picture)
{
    if (!IsPicture(picture))
        return 100;
    const int fitWidth = static_cast<int>(frame.cx * 100.0 / picture.cx);
    const int fitHeight = static_cast<int>(frame.cy * 100.0 / picture.cy);
    return std::clamp(std::min(fitWidth, fitHeight), kMinimumZoom, kMaximumZoom);
}

int ZoomIn(int zoom, int fittedMaximum)
{
    zoom += zoom < 100 ? 5 : 1;
    return std::min({zoom, kMaximumZoom, fittedMaximum});
}

int ZoomOut(int zoom)
{
    zoom -= zoom <= 100 ? 5 : 1;
    return std::max(zoom, kMinimumZoom);
}

vd::Rect ZoomedPicturePlace(vd::Size frame, vd::Size picture, int zoom)
{
    if (!IsPicture(picture))
        return {};
    return Centred(frame, MulDivTrunc(zoom, picture.cx, 100), MulDivTrunc(zoom, picture.cy, 100));
}

vd::Rect PreviewPicturePlace(vd::Size frame, vd::Size picture)
{
    if (!IsPicture(picture))
        return {};
    const int w = picture.cx;
    const int h = picture.cy;
    const int cw = frame.cx;
    const int ch = frame.cy;
    int width = w;
    int height = h;
    if (h > ch || w > cw) {
        if (h < w) {
            const int e = MulDivTrunc(h, cw, w);
            if (ch < e) {
                width = MulDivTrunc(ch, w, h);
                height = ch;
            } else {
                width = cw;
                height = e;
            }
        } else {
            const int c = MulDivTrunc(ch, w, h);
            if (cw < c) {
                width = cw;
                height = MulDivTrunc(h, cw, w);
            } else {
                width = c;
                height = ch;
            }
        }
    }
    // A shrunk picture always fits the frame, so the centring never pushes it out.
    return Centred(frame, width, height);
}

} // namespace surrick
