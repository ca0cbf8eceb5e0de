#pragma once
// A test double: records every drawing call in order, with its logical arguments and the state it
// was drawn in (pen, brush, font, colours, modes). It can also draw into a picture of its own, so
// GetPixel and block transfers from it work, and it can measure text by fixed metrics (a cell of
// the font's height, half of it wide per CP932 byte) so that expected layouts do not depend on the
// installed fonts.
#include "platform/dc/Dc.h"

#include <memory>
#include <vector>

namespace vd {

class ImageDc;

struct RecordedCall {
    DrawOp op;     // the block-transfer source and DIB pointers are cleared
    DcState state; // as it was when the call was made
};

struct Segment {
    Point from;
    Point to;
    friend bool operator==(const Segment&, const Segment&) = default;
};

struct RecordedText {
    Point at;
    std::string text;
    Font font;
    COLORREF colour = 0;
    COLORREF background = 0;
    int bkMode = OPAQUE;
    unsigned align = 0;
    friend bool operator==(const RecordedText&, const RecordedText&) = default;
};

class RecordingDc : public Dc {
public:
    struct Options {
        int width = 0; // a picture of this size to draw into as well; 0: none
        int height = 0;
        bool fixedFontMetrics = true;
    };
    RecordingDc();
    explicit RecordingDc(const Options& options);
    ~RecordingDc() override;

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // Segments of lines, polylines and polygon outlines, in drawing order (each polygon closed).
    std::vector<Segment> Segments() const;
    std::vector<Segment> Segments(const Pen& pen) const;
    std::vector<RecordedText> Texts() const;
    // The picture drawn into, or nullptr.
    ImageDc* Image() const { return image_.get(); }

    using Dc::SelectObject;
    Bitmap SelectObject(const Bitmap& bitmap) override;
    COLORREF GetPixel(int x, int y) const override;
    Size GetTextExtent(std::string_view text) const override;
    bool GetTextMetrics(TextMetric& metric) const override;
    int GetDeviceCaps(int index) const override;
    Bitmap GetSurface() const override;

protected:
    bool execute(const DrawOp& op) override;

private:
    int cellHeight() const;
    Options options_;
    std::unique_ptr<ImageDc> image_;
    std::vector<RecordedCall> calls_;
};

} // namespace vd
