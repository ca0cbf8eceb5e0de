// OnIndexMap: the grid of the 1:200,000 sheets (123..149 degrees east, 24 degrees to 45 degrees
// 20 minutes north) with each sheet's name in its cell.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/sheetindex/SheetIndexFile.h"
#include "contracts/dovanne.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"
#include "platform/ui/WaitCursor.h"

namespace {

constexpr int kColumns = 26;
constexpr int kRows = 33;
constexpr int kWestDegree = 123;
constexpr int kSouthDegree = 24;
// With the smallest font only two double-byte characters fit a cell.
constexpr int kSmallFontHeight = 11;

// The name columns cut at a blank within the first six bytes, else to six bytes.
std::string CellName(const SheetIndexLine& line)
{
    const std::string_view columns = vd::rawField(line.Raw(), 9, 12);
    const auto blank = columns.find(' ');
    if (blank != std::string_view::npos && blank < 6)
        return vd::cp932ToUtf8(columns.substr(0, blank));
    return vd::cp932Left(vd::cp932ToUtf8(columns), 6);
}

void DrawGrid(vd::Dc& dc, int left, int columnWidth, int top, int rowHeight)
{
    for (int i = 0; i <= kRows; ++i)
        basemap::DrawSegment(dc, {left, top + i * rowHeight}, {left + kColumns * columnWidth, top + i * rowHeight});
    for (int j = 0; j <= kColumns; ++j)
        basemap::DrawSegment(dc, {left + j * columnWidth, top}, {left + j * columnWidth, top + kRows * rowHeight});
}

} // namespace

extern "C" void OnIndexMap(vd::Dc* dc, std::string indexPath, std::string fontFace, int /*spare*/, int fontHeight,
                           int leftX, int columnWidth, int topY, int rowHeight)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        // "|B" after the path lists the marked sheets too.
        const auto mark = indexPath.find("|B", 1);
        const bool withMarked = mark != std::string::npos;
        if (withMarked)
            indexPath.resize(mark);

        DrawGrid(dc, leftX, columnWidth, topY, rowHeight);

        // Reading the whole index takes a moment: the wait cursor until the names are written.
        const vd::WaitCursor wait;
        vd::Font font;
        font.CreateFont(fontHeight, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET,
                        vd::OUT_TT_PRECIS, vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY,
                        vd::VARIABLE_PITCH | vd::FF_ROMAN, fontFace);
        const vd::Font previous = dc.SelectObject(font);
        dc.SetBkMode(vd::TRANSPARENT);
        if (const auto lines = ReadSheetIndex(indexPath)) {
            for (const SheetIndexLine& line : *lines) {
                if (line.IsEmpty() || line.IsComment() || (!withMarked && line.IsMarked()))
                    continue;
                const std::string_view latitude = vd::rawField(line.Raw(), 22, 7);
                const std::string_view longitude = vd::rawField(line.Raw(), 32, 8);
                const int degrees = vd::parseInt(vd::rawField(latitude, 0, 2));
                const int minutes = vd::parseInt(vd::rawField(latitude, 3, 2));
                const int row = 32 - ((degrees - kSouthDegree) * 60 + minutes) / 40;
                const int column = vd::parseInt(vd::rawField(longitude, 0, 3)) - kWestDegree;
                const int x = column * columnWidth + leftX + 2;
                if (fontHeight == kSmallFontHeight)
                    dc.TextOut(x, row * rowHeight + topY + 1, vd::cp932Left(CellName(line), 4));
                else
                    dc.TextOut(x, row * rowHeight + topY + 5, CellName(line));
            }
        }
        dc.SetBkMode(vd::OPAQUE);
        dc.SelectObject(previous);
    });
}
