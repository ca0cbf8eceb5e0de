// Text measures of a Dc in the selected font (Qt: the font cache).
#include "platform/dc/Dc.h"

#include "platform/dc/FontCache.h"
#include "platform/dc/PainterOps.h"

namespace vd {

Size Dc::GetTextExtent(std::string_view text) const
{
    const LogFont& lf = state_.font.GetLogFont();
    const ResolvedFont& f = resolveFont(lf, toDeviceHeight(lf.lfHeight));
    const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    return toLogicalSize(Size{paint::textWidth(f, s), f.height});
}

bool Dc::GetTextMetrics(TextMetric& m) const
{
    const LogFont& lf = state_.font.GetLogFont();
    const ResolvedFont& f = resolveFont(lf, toDeviceHeight(lf.lfHeight));
    const Size cell = toLogicalSize(Size{f.aveCharWidth, f.height});
    const Size ascent = toLogicalSize(Size{f.maxCharWidth, f.ascent});
    m.tmHeight = cell.cy;
    m.tmAscent = ascent.cy;
    m.tmDescent = cell.cy - ascent.cy;
    m.tmInternalLeading = toLogicalSize(Size{0, f.internalLeading}).cy;
    m.tmExternalLeading = 0;
    m.tmAveCharWidth = cell.cx;
    m.tmMaxCharWidth = ascent.cx;
    m.tmWeight = lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight;
    m.tmCharSet = lf.lfCharSet;
    return true;
}

} // namespace vd
