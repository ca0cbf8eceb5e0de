// OnMapFigureMakeModule: the greyscale elevation bitmaps MAPFGRS\%04d.bmp of the 1:200,000 sheets,
// made once from the 250 m elevation mesh files, the source of the sheet maps' tints and shading.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/files/GreyscaleSheetBitmap.h"
#include "basemap/sheetindex/SheetIndexFile.h"
#include "contracts/dovanne.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int kMaxSheetCodes = 199;
constexpr int kLowestCode = 1000, kHighestCode = 7000;

bool Digits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The mesh code of an index line from its "DD.MM" latitude (column 22) and its longitude degrees
// (column 32); nullopt when the columns hold anything else or the longitude is not 100-199.
std::optional<int> SheetCodeOf(const SheetIndexLine& line)
{
    const std::string_view latitude = vd::rawField(line.Raw(), 22, 5);
    const std::string_view longitude = vd::rawField(line.Raw(), 32, 3);
    if (latitude.size() != 5 || latitude[2] != '.' || !Digits(latitude.substr(0, 2)) ||
        !Digits(latitude.substr(3, 2)) || !Digits(longitude) || longitude.size() != 3 || longitude[0] != '1')
        return std::nullopt;
    const int degrees = (latitude[0] - '0') * 10 + (latitude[1] - '0');
    const int minutes = (latitude[3] - '0') * 10 + (latitude[4] - '0');
    const int longitudeDegrees = (longitude[0] - '0') * 100 + (longitude[1] - '0') * 10 + (longitude[2] - '0');
    return (degrees * 60 + minutes) / 40 * 100 + longitudeDegrees - 100;
}

std::vector<int> SheetCodes(const std::string& indexPath)
{
    std::vector<int> codes;
    for (const SheetIndexLine& line : ReadSheetIndex(indexPath).value_or(std::vector<SheetIndexLine>{})) {
        if (int(codes.size()) == kMaxSheetCodes)
            break;
        if (line.IsEmpty() || line.IsComment())
            continue;
        if (const auto code = SheetCodeOf(line))
            codes.push_back(*code);
    }
    return codes;
}

bool WriteBitmap(const std::string& path, const ElevationGreyGrid& grid)
{
    vd::BinaryWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    writer.writeBytes(GreyscaleSheetBitmap(grid));
    return writer.close();
}

void ShowProgress(vd::Dc& dc, int width, int height, int index)
{
    const vd::Rect frame{120, 80, 295, 100};
    if (index == 20) {
        dc.FillSolidRect(vd::Rect{0, 0, width, height}, vd::RGB(255, 255, 255));
        dc.Rectangle(frame);
    }
    if (index == 0)
        dc.Rectangle(frame);
    dc.TextOut(80, 50, vd::format("数値地図     No=%d/174     グレースケール地図作成中   ", index));
    dc.FillSolidRect(120, 80, index, 20, vd::RGB(0, 0, 255));
    dc.SetBkColor(vd::RGB(255, 255, 255));
}

} // namespace

extern "C" VD_EXPORT void OnMapFigureMakeModule(vd::Dc* dc, int width, int height, std::string semFolder,
                                                std::string applicationFolder)
{
    GuardDrawing(dc, [&](vd::Dc& out) {
        out.FillSolidRect(vd::Rect{0, 0, width, height}, vd::RGB(255, 255, 255));
        out.TextOut(40, 20, "数値地図250mメッシュからグレースケール地図(段彩図用)を作成");
        const std::vector<int> codes = SheetCodes(applicationFolder + "BLCMAP20.IDX");
        const std::string bitmapFolder = applicationFolder + "MAPFGRS\\";
        if (!codes.empty() && !vd::makeFolders(bitmapFolder))
            return;
        for (int i = 0; i < int(codes.size()); ++i) {
            const int code = codes[std::size_t(i)];
            if (code < kLowestCode || code > kHighestCode)
                continue;
            ShowProgress(out, width, height, i);
            ElevationGreyGrid grid{};
            const bool read = ReadElevationMeshGrey(semFolder + vd::format("%02d%02d.sem", code / 100, code % 100), grid);
            const std::string bitmap = bitmapFolder + vd::format("%04d.bmp", code);
            // A missing mesh file never blackens a bitmap that was made before.
            if (read || !vd::fileExists(bitmap))
                WriteBitmap(bitmap, grid);
            out.TextOut(80, 120, "しばらくお待ちください！ ");
            // The progress is drawn in the view's back buffer: let its repaint through. An end of
            // the program asked for meanwhile stops the maker after the sheet it has written.
            vd::ui::processPendingEvents();
            if (vd::ui::endRequested())
                break;
        }
    });
}
