#include "platform/dc/RecordingDc.h"

#include "platform/dc/ImageDc.h"
#include "platform/text/Cp932.h"

#include <cstdlib>

namespace vd {

RecordingDc::RecordingDc() : RecordingDc(Options{}) {}

RecordingDc::RecordingDc(const Options& options) : options_(options)
{
    if (options.width > 0 && options.height > 0)
        image_ = std::make_unique<ImageDc>(options.width, options.height);
}

RecordingDc::~RecordingDc() = default;

bool RecordingDc::execute(const DrawOp& op)
{
    RecordedCall call{op, state_};
    call.op.sourceDc = nullptr;
    call.op.dib = nullptr;
    calls_.push_back(std::move(call));
    if (!image_)
        return true;
    copyStateTo(*image_);
    return static_cast<Dc&>(*image_).execute(op);
}

Bitmap RecordingDc::SelectObject(const Bitmap& bitmap) { return image_ ? image_->SelectObject(bitmap) : Bitmap(); }

COLORREF RecordingDc::GetPixel(int x, int y) const
{
    if (!image_)
        return CLR_INVALID;
    copyStateTo(*image_);
    return image_->GetPixel(x, y);
}

int RecordingDc::cellHeight() const
{
    const int h = state_.font.GetLogFont().lfHeight;
    return h == 0 ? 12 : std::abs(h);
}

Size RecordingDc::GetTextExtent(std::string_view text) const
{
    if (!options_.fixedFontMetrics) {
        if (image_) {
            copyStateTo(*image_);
            return image_->GetTextExtent(text);
        }
        return Dc::GetTextExtent(text);
    }
    const int cell = cellHeight();
    return Size{cp932Width(text) * cell / 2, cell};
}

bool RecordingDc::GetTextMetrics(TextMetric& m) const
{
    if (!options_.fixedFontMetrics)
        return Dc::GetTextMetrics(m);
    const int cell = cellHeight();
    m = TextMetric{};
    m.tmHeight = cell;
    m.tmDescent = cell / 8;
    m.tmAscent = cell - m.tmDescent;
    m.tmAveCharWidth = cell / 2;
    m.tmMaxCharWidth = cell;
    m.tmWeight = state_.font.GetLogFont().lfWeight;
    m.tmCharSet = state_.font.GetLogFont().lfCharSet;
    return true;
}

int RecordingDc::GetDeviceCaps(int index) const
{
    if (image_)
        return image_->GetDeviceCaps(index);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    default: return 0;
    }
}

Bitmap RecordingDc::GetSurface() const { return image_ ? image_->GetSurface() : Bitmap(); }

namespace {

void appendSegments(const RecordedCall& call, std::vector<Segment>& out)
{
    const DrawOp& op = call.op;
    const auto& pts = op.points;
    switch (op.kind) {
    case DrawOp::LineTo:
    case DrawOp::Polyline:
        for (std::size_t i = 0; i + 1 < pts.size(); ++i)
            out.push_back({pts[i], pts[i + 1]});
        break;
    case DrawOp::Polygon:
    case DrawOp::PolyPolygon: {
        const std::vector<int> counts = op.kind == DrawOp::Polygon ? std::vector<int>{int(pts.size())} : op.counts;
        std::size_t start = 0;
        for (int count : counts) {
            for (int i = 0; i < count; ++i)
                out.push_back({pts[start + std::size_t(i)], pts[start + std::size_t((i + 1) % count)]});
            start += std::size_t(count);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

std::vector<Segment> RecordingDc::Segments() const
{
    std::vector<Segment> out;
    for (const RecordedCall& call : calls_)
        appendSegments(call, out);
    return out;
}

std::vector<Segment> RecordingDc::Segments(const Pen& pen) const
{
    std::vector<Segment> out;
    for (const RecordedCall& call : calls_)
        if (call.state.pen == pen)
            appendSegments(call, out);
    return out;
}

std::vector<RecordedText> RecordingDc::Texts() const
{
    std::vector<RecordedText> out;
    for (const RecordedCall& call : calls_)
        if (call.op.kind == DrawOp::TextOut)
            out.push_back({call.op.points[0], call.op.text, call.state.font, call.state.textColour,
                           call.state.bkColour, call.state.bkMode, call.state.textAlign});
    return out;
}

} // namespace vd
