#pragma once
// A device context on a picture in memory: the view's back buffer, off-screen pictures, controls
// the system paints itself, memory device contexts for block transfers, and tests. One-pixel
// lines, polygon and rectangle fills and pixels follow the rule table exactly (drawn here, not by
// QPainter); text, wide pens, curves and scaled pictures go through QPainter.
#include "platform/dc/Dc.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vd {

class ImageDc : public Dc {
public:
    // A memory device context: a 1x1 bitmap until one is selected.
    ImageDc();
    // A picture of its own, filled with the colour.
    ImageDc(int width, int height, COLORREF fill = RGB(255, 255, 255));
    // Draws into the bitmap (shared with every other holder of it).
    explicit ImageDc(const Bitmap& target);
    ~ImageDc() override;

    // For code written for memory device contexts: nothing to do here.
    bool CreateCompatibleDC(const Dc*) { return true; }

    using Dc::SelectObject;
    Bitmap SelectObject(const Bitmap& bitmap) override;
    // The bitmap drawn into.
    const Bitmap& GetBitmap() const;
    int Width() const;
    int Height() const;

    COLORREF GetPixel(int x, int y) const override;
    int GetDeviceCaps(int index) const override;
    Bitmap GetSurface() const override;

protected:
    bool execute(const DrawOp& op) override;

private:
    struct Private;
    struct Target;
    struct PenSetup;
    PenSetup penSetup() const;
    std::uint32_t brushPixel() const;
    const std::vector<Point>& devicePoints(const DrawOp& op) const;
    void stroke(const Target& t, const PenSetup& pen, const std::vector<Point>& pts, const std::vector<int>& counts, bool closed);
    // One function for each kind of call; each works out only the set-up it needs.
    bool drawLines(const Target& t, const DrawOp& op);
    bool drawPolygons(const Target& t, const DrawOp& op);
    bool drawRectangle(const Target& t, const DrawOp& op);
    bool drawRoundedShape(const Target& t, const DrawOp& op);
    bool drawCurve(const Target& t, const DrawOp& op);
    bool fill(const Target& t, const DrawOp& op);
    bool blit(const Target& t, const DrawOp& op);
    bool textOut(const Target& t, const DrawOp& op);
    std::unique_ptr<Private> d_;
};

} // namespace vd
