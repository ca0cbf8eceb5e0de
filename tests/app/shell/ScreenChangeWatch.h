#pragma once
// Watches the drawings of the program's view for pixels of the screen before. Just before each
// drawing the view's picture is replaced by a mark (a checkerboard of two colours no drawing
// uses); just after it, what still shows the mark is what the drawing did not paint: there the
// screen before would show through. That is the picture compared with the same screen drawn on
// an empty view. A drawing that paints nothing at all (a repaint that keeps the picture, a step of
// a timer) leaves the whole mark: it changed no screen. Afterwards the old pixels are put back
// wherever the mark is left (in the view's kept copy of the map too), so the program goes on
// showing what the user would see.
#include "app/document/VeldoranDoc.h"
#include "platform/dc/BitmapImpl.h"
#include "platform/ui/WindowImpl.h"
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

class ScreenChangeWatch {
public:
    // A drawing that left part of the window unpainted.
    struct Leftover {
        int mode = 0;   // the map display mode it drew
        int pixels = 0; // left unpainted
        QRect bounds;   // around them
        std::string describe() const
        {
            return "the screen drawn in map mode " + std::to_string(mode) + " left " + std::to_string(pixels)
                + " pixels of the screen before within (" + std::to_string(bounds.left()) + ", "
                + std::to_string(bounds.top()) + ") - (" + std::to_string(bounds.right()) + ", "
                + std::to_string(bounds.bottom()) + ")";
        }
    };

    explicit ScreenChangeWatch(CVeldoranView& view) : view_(view)
    {
        vd::setViewDrawObserver([this](vd::View&, vd::Bitmap& buffer, bool drawn) {
            if (drawn)
                afterDrawing(buffer);
            else
                beforeDrawing(buffer);
        });
    }
    ~ScreenChangeWatch() { vd::setViewDrawObserver({}); }
    ScreenChangeWatch(const ScreenChangeWatch&) = delete;
    ScreenChangeWatch& operator=(const ScreenChangeWatch&) = delete;

    // The drawings of the view so far, and those that painted anything.
    int drawings() const { return drawings_; }
    int paintingDrawings() const { return painting_; }
    // The drawings since the last call that left pixels of the screen before.
    std::vector<Leftover> takeLeftovers() { return std::exchange(leftovers_, {}); }

    static constexpr std::uint32_t kMark[2] = {0xFFFE01FDu, 0xFF02FD03u};
    static bool marked(const QImage& image, int x, int y) { return image.pixel(x, y) == kMark[(x + y) & 1]; }

private:
    // A picture over the map keeps the map beside it on purpose: a registered item's picture and
    // a picture page placed "over the map" (PicturePositon 0).
    bool drawsOverTheMap() const
    {
        const CVeldoranDoc& doc = *view_.GetDocument();
        using namespace map_display;
        return mode_ == kPicture
            || ((mode_ == kPicturePage || mode_ == kJpegPicturePage) && doc.environment.m_nPicturePosition == 0);
    }

    void beforeDrawing(vd::Bitmap& buffer)
    {
        ++drawings_;
        mode_ = view_.GetDocument()->m_nMapDisplayMode;
        QImage& image = buffer.impl()->image;
        buffer.impl()->endPainting();
        before_ = image.copy();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = kMark[(x + y) & 1];
        }
    }

    void afterDrawing(vd::Bitmap& buffer)
    {
        buffer.impl()->endPainting();
        QImage& image = buffer.impl()->image;
        if (image.size() != before_.size()) // a new buffer for a new size starts white
            return;
        int left = 0;
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (marked(image, x, y)) {
                    ++left;
                    bounds |= QRect(x, y, 1, 1);
                }
        const int all = image.width() * image.height();
        if (left < all)
            ++painting_;
        if (left > 0 && left < all && !drawsOverTheMap())
            leftovers_.push_back({mode_, left, bounds});
        if (left > 0) {
            putBack(image);
            if (vd::Bitmap& kept = view_.m_pMapSaveBitmap; !kept.IsNull() && kept.impl()) {
                kept.impl()->endPainting();
                putBack(kept.impl()->image);
            }
        }
    }

    void putBack(QImage& image) const
    {
        if (image.size() != before_.size())
            return;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (marked(image, x, y))
                    image.setPixel(x, y, before_.pixel(x, y));
    }

    CVeldoranView& view_;
    QImage before_;
    int mode_ = 0;
    int drawings_ = 0;
    int painting_ = 0;
    std::vector<Leftover> leftovers_;
};
