#include "view/sheetpicture/SheetPictures.h"

#include "app/document/MapDisplayMode.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/ombrisk.h"
#include "platform/dc/Dc.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/WaitCursor.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetpicture/PictureFit.h"
#include "view/window/VeldoranView.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr const char* kNoDepthFiles = "水深データの中間ファイルはまだ作成されていません。";
constexpr const char* kHowToMakeDepthFiles[] = {
    "ﾏｯﾋﾟﾝｸﾞ > 海底地形... の「登録」で水深データ (DP*.txt) のフォルダを選び、",
    "ﾏｯﾋﾟﾝｸﾞ > 水深中間ﾌｧｲﾙ > 作成 で作成してください。"};

// A frame one pixel outside the picture and the two shadow lines below and right of it.
void DrawPictureFrame(vd::Dc& dc, const PictureFit& fit)
{
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Pen previousPen = dc.SelectObject(black);
    const vd::Brush previousBrush = dc.SelectObject(vd::Brush(vd::RGB(255, 255, 255)));
    const int right = fit.left + fit.width;
    const int bottom = fit.top + fit.height;
    dc.Rectangle(fit.left - 1, fit.top - 1, right + 1, bottom + 1);
    dc.MoveTo(fit.left + 1, bottom + 1);
    dc.LineTo(right + 2, bottom + 1);
    dc.MoveTo(right + 1, fit.top + 1);
    dc.LineTo(right + 1, bottom + 2);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
}

// The files of the depth folder's SEAFLOOR\ with their sizes and times: a build that wrote
// none leaves them as they were.
std::vector<std::tuple<std::string, std::uint64_t, std::int64_t>> DepthFiles(const std::string& depthFolder)
{
    std::vector<std::tuple<std::string, std::uint64_t, std::int64_t>> files;
    if (depthFolder.empty())
        return files;
    if (const auto entries = vd::listFolder(depthFolder + "SEAFLOOR\\*.*"))
        for (const vd::FolderEntry& entry : *entries)
            if (!entry.status.isFolder)
                files.emplace_back(entry.name, entry.status.size, entry.status.modifiedTime);
    return files;
}

// The missing-part message, one page line for each of its lines.
template <class Fn>
void AppendMissingPartLines(std::vector<std::string>& lines, const LibraryExport<Fn>& entry)
{
    const std::string text = MissingPartMessage(kDepthPart, entry.library, entry.name);
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// Red lines on the page from (300, 300) down.
void WritePageLines(vd::Dc& dc, const std::vector<std::string>& lines)
{
    dc.SetTextColor(vd::RGB(255, 0, 0));
    for (std::size_t i = 0; i < lines.size(); ++i)
        dc.TextOut(300, 300 + 24 * int(i), lines[i]);
    dc.SetTextColor(vd::RGB(0, 0, 0));
}

} // namespace

void DrawSubmarineMeshMap(CVeldoranView& view, vd::Dc& dc)
{
    CVeldoranDoc& doc = *view.GetDocument();
    const int w = view.m_nSavedWidth;
    const int h = view.m_nSavedHeight;
    dc.FillRect(vd::Rect{4, 4, w - 4, h - 4}, *view.m_pBackgroundBrush);
    dc.FillRect(vd::Rect{4, 4, w - 5, h - 5}, *view.m_pBackgroundBrush);
    if (auto* draw = Ombrisk().OnSbmrnMeshDistribution.fn) {
        draw(&dc, 1, 0, doc.pointer.m_nOverviewOriginX, 0, doc.spec.m_nGraticuleFlag, h, w, doc.folders.m_strCoastDir,
             doc.folders.m_strSubmarineDir);
        // An empty map says how its files come about.
        if (DepthFiles(doc.folders.m_strSubmarineDir).empty())
            WritePageLines(dc, {kNoDepthFiles, kHowToMakeDepthFiles[0], kHowToMakeDepthFiles[1]});
        return;
    }
    // Without the part that draws the files' frames the page says what it can.
    std::vector<std::string> lines;
    if (DepthFiles(doc.folders.m_strSubmarineDir).empty())
        lines.push_back(kNoDepthFiles);
    AppendMissingPartLines(lines, Ombrisk().OnSbmrnMeshDistribution);
    WritePageLines(dc, lines);
}

void MakeSubmarineMeshFile(CVeldoranView& view, vd::Dc& dc)
{
    CVeldoranDoc& doc = *view.GetDocument();
    auto* make = Ombrisk().OnSubmarineMeshDataFile.fn;
    // Without the entry point nothing was made, so nothing is reported made.
    if (make) {
        const auto before = DepthFiles(doc.folders.m_strSubmarineDir);
        {
            vd::WaitCursor wait;
            make(&dc, doc.folders.m_strSubmarineDir, doc.folders.m_strCoastDir, doc.depth.m_nSubmarineView,
                 view.m_nSavedHeight, view.m_nSavedWidth, doc.pointer.m_nOverviewOriginX, 0);
        }
        // Only a build that wrote a file says it made them.
        if (DepthFiles(doc.folders.m_strSubmarineDir) != before)
            WritePageLines(dc, {"500mメッシュ水深データの中間ファイルを作成しました！"});
        else
            WritePageLines(dc, {"この海域の水深データがないため、中間ファイルは作成しませんでした。",
                                "水深データのフォルダ: " + doc.folders.m_strSubmarineDir});
    } else {
        std::vector<std::string> lines;
        AppendMissingPartLines(lines, Ombrisk().OnSubmarineMeshDataFile);
        WritePageLines(dc, lines);
    }
    doc.depth.m_nSubmarineView = -999;
}

int LoadSheetPicture(CVeldoranView& view, vd::Dc& dc)
{
    CVeldoranDoc& doc = *view.GetDocument();
    ViewNavigation& nav = *view.m_pNavigation;
    const std::string path = doc.menus.m_astrGuideMapCurrent[0];
    doc.m_nFileKind = CVeldoranDoc::GetFileKind(path);
    if (CVeldoranDoc::FileExists(path) != 1) {
        doc.m_strEntryParam.clear();
        return -1;
    }
    {
        vd::WaitCursor wait;
        if (doc.m_nFileKind != 0)
            doc.LoadJpegBitmap(path);
        else
            doc.LoadBmpPicture(path);
    }
    const vd::Dib& picture = doc.entry.m_bmpPicture;
    // A picture that does not decode, or has no size, is as good as missing.
    if (doc.entry.m_bPictureLoaded != 1 || picture.IsNull() || picture.Width() <= 0 || picture.AbsHeight() <= 0) {
        doc.m_strEntryParam.clear();
        return -1;
    }
    const int w = picture.Width();
    const int h = picture.AbsHeight();
    view.m_pPages->SetPictureBackground(doc.environment.m_nBmpBackground);
    const vd::ui::Rect client = view.GetClientRect();
    dc.FillRect(vd::Rect{0, 0, client.right, client.bottom}, vd::Brush(vd::RGB(160, 160, 160)));

    const PictureFit fit = FitPicture(view.m_nSavedWidth, view.m_nSavedHeight, w, h);
    nav.m_nPictureWidth = fit.width;
    nav.m_nPictureHeight = fit.height;
    nav.m_nPictureLeft = fit.left;
    nav.m_nPictureTop = fit.top;
    nav.m_fPictureScale = float(fit.width * 0.001);
    doc.m_fRefLongitude = float(fit.left);
    doc.m_fRefLatitude = float(fit.top);
    DrawPictureFrame(dc, fit);

    vd::ImageDc source(w, h);
    source.SetDIBitsToDevice(0, 0, w, h, 0, 0, 0, h, picture, vd::DIB_RGB_COLORS);
    if (!fit.shrunk) {
        dc.BitBlt(fit.left, fit.top, w, h, &source, 0, 0, vd::SRCCOPY);
    } else {
        const int previousMode = dc.SetStretchBltMode(vd::HALFTONE);
        dc.StretchBlt(fit.left, fit.top, fit.width, fit.height, &source, 0, 0, w, h, vd::SRCCOPY);
        dc.SetStretchBltMode(previousMode);
    }
    return 0;
}

void DrawSheetPicture(CVeldoranView& view, vd::Dc& dc)
{
    CVeldoranDoc& doc = *view.GetDocument();
    ViewNavigation& buttons = *view.m_pNavigation;
    const int w = view.m_nSavedWidth;
    const int h = view.m_nSavedHeight;
    const bool restoring = view.m_nPictureState == -8888;
    if (restoring)
        view.SaveRestoreMap(1, 0, 0, 0, 0, w, h);
    buttons.AddViewButtons(0);
    doc.repaint.m_nSavedMapDisplayMode = doc.m_nMapDisplayMode;
    if (restoring) {
        view.m_nPictureState = 1;
        return;
    }
    if (LoadSheetPicture(view, dc) == -1)
        return;
    {
        CMapRenderer renderer(&dc, &doc, w, h);
        renderer.DrawSheetAnnotations(buttons.m_nPictureWidth, buttons.m_nPictureHeight);
    }
    const int x0 = w - 90;
    const int y0 = w > 800 ? 0 : h - 60;
    buttons.SetViewButton(26, std::string("仕様"), x0 - 68, y0 + 3, x0 - 23, y0 + 26);
    buttons.SetViewButton(12, std::string("他地域"), x0, y0 + 3, 65, 1);
    buttons.SetViewButton(27, std::string("1/20万"), x0, y0 + 29, x0 + 79, y0 + 52);
    doc.m_nMapDisplayMode = map_display::kMapShown;
}
