// The view's map-type and data commands: the prefecture statistics, the 1:200,000 sheets and the
// Japan map, the registered-data check, the block size on Page Up / Page Down, and the greyscale
// tint sheets made from elevation mesh files.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "platform/dc/Dc.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/StringOps.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Ui.h"
#include "view/navigation/ViewNavigation.h"

#include <filesystem>
#include <map>

namespace {

using BitmapTimes = std::map<std::string, std::filesystem::file_time_type>;

// The greyscale bitmaps in MAPFGRS\ with the times they were written, to tell whether a run of the
// maker wrote any.
BitmapTimes GreyscaleBitmapTimes(const std::string& appFolder)
{
    BitmapTimes times;
    const auto entries = vd::listFolder(appFolder + "MAPFGRS\\*.bmp");
    if (!entries)
        return times;
    for (const vd::FolderEntry& entry : *entries) {
        std::error_code error;
        if (const auto path = vd::resolvePath(appFolder + "MAPFGRS\\" + entry.name))
            times[entry.name] = std::filesystem::last_write_time(*path, error);
    }
    return times;
}

// The chosen mesh file's path up to its sheet number: the four characters before the first "." of
// the file name and what follows are cut off.
std::string SemFilePrefix(const std::string& path)
{
    const std::string lowered = vd::toLowerAscii(path);
    const std::size_t slash = lowered.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = lowered.find('.', nameStart);
    if (dot == std::string::npos)
        return lowered.substr(0, nameStart);
    return lowered.substr(0, dot >= nameStart + 4 ? dot - 4 : nameStart);
}

} // namespace

void CVeldoranView::ConnectMapCommands()
{
    CVeldoranDoc& doc = *m_pDoc;
    OnCommand(ID_PREFECTURE_DATA, [this] { OnPrefectureData(); });
    OnCommand(ID_SHEET_MAP_TYPE, [this] { OnSheetMapType(); });
    OnUpdateCommandUI(ID_SHEET_MAP_TYPE, [&doc](vd::CmdUI& ui) { ui.SetCheck(doc.position.m_nMapType == 1 ? 1 : 0); });
    OnCommand(ID_JAPAN_MAP, [this] { OnJapanMap(); });
    OnUpdateCommandUI(ID_JAPAN_MAP, [&doc](vd::CmdUI& ui) {
        ui.SetCheck(doc.position.m_nMapType == 2 && doc.position.m_nPrefectureSel != 4 ? 1 : 0);
    });
    OnCommand(ID_DATA_CHECK, [this] { OnDataCheck(); });
    OnCommand(ID_FEWER_SHEETS, [this] { OnFewerSheets(); });
    OnUpdateCommandUI(ID_FEWER_SHEETS, [this](vd::CmdUI& ui) { ui.Enable(FewerSheetsButton() != 0); });
    OnCommand(ID_MORE_SHEETS, [this] { OnMoreSheets(); });
    OnUpdateCommandUI(ID_MORE_SHEETS, [this](vd::CmdUI& ui) { ui.Enable(MoreSheetsButton() != 0); });
    OnCommand(ID_TINT_MAP, [this] { OnTintMap(); });
}

void CVeldoranView::OnPrefectureData()
{
    CVeldoranDoc& doc = *m_pDoc;
    const int mapType = doc.position.m_nMapType;
    // The data display is Surrick's dialog; while nothing shows it the document tells the user so
    // and the display stays off.
    SetPrefectureDataDisplay();
    if (!doc.statistics.Chosen())
        return;
    if (mapType == 1)
        m_pNavigation->RemoveViewButtons(1);
    InvalidateView(true);
}

void CVeldoranView::OnSheetMapType()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.position.m_nMapType == 2)
        m_pNavigation->RemoveViewButtons(7);
    doc.SelectMapType(1);
}

void CVeldoranView::OnJapanMap()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.position.m_nMapType < 3)
        m_pNavigation->RemoveViewButtons(7);
    doc.position.m_nMapType = 2;
    doc.position.m_nPrefectureSel = 0;
    doc.position.m_nMapFigure = 0;
    doc.m_nMapDisplayMode = map_display::kRedrawMap;
    doc.statistics.m_nShow = -1;
    doc.menus.m_nGuideMapIndex = -1;
    doc.pointer.m_nMouseDrag = 1;
    InvalidateView(true);
}

void CVeldoranView::OnDataCheck()
{
    CVeldoranDoc& doc = *m_pDoc;
    m_pNavigation->RemoveViewButtons(1);
    doc.repaint.m_bMapOnScreen = 0;
    doc.m_nMapDisplayMode = map_display::kDataSourceOverview;
    SetFrameTitle("登録データ分布図");
    InvalidateView(true);
}

// Page Down: a smaller block, or the single sheet from a 3 x 3 block.
int CVeldoranView::FewerSheetsButton() const
{
    const CVeldoranDoc& doc = *m_pDoc;
    if (doc.position.m_nMapType != 1 || doc.position.m_nMapFrame != 2)
        return 0;
    return doc.position.m_nMapMode == 9    ? 327
           : doc.position.m_nMapMode == 25 ? 334
           : doc.position.m_nMapMode == 49 ? 335
                                           : 0;
}

void CVeldoranView::OnFewerSheets()
{
    if (const int button = FewerSheetsButton())
        m_pNavigation->RunButtonCommand(button);
}

// Page Up: the 3 x 3 block from a single sheet, or a larger block.
int CVeldoranView::MoreSheetsButton() const
{
    const CVeldoranDoc& doc = *m_pDoc;
    if (doc.position.m_nMapType != 1)
        return 0;
    if (doc.position.m_nMapFrame == 1)
        return 327;
    if (doc.position.m_nMapFrame == 2)
        return doc.position.m_nMapMode == 9 ? 334 : doc.position.m_nMapMode == 25 ? 335 : 0;
    return 0;
}

void CVeldoranView::OnMoreSheets()
{
    if (const int button = MoreSheetsButton())
        m_pNavigation->RunButtonCommand(button);
}

namespace {

constexpr const char* kTintMapFileTitle =
    "段彩図の元にする標高メッシュファイル (*.sem) を選んでください";

} // namespace

void CVeldoranView::OnTintMap()
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, "sem", "*.sem", vd::OFN_HIDEREADONLY | vd::OFN_OVERWRITEPROMPT,
                          "Sem files (*.sem)|*.sem|All files (*.*)|*.*||", this);
    // The dialog says what it asks for.
    dialog.SetTitle(kTintMapFileTitle);
    if (dialog.DoModal() != vd::IDOK)
        return;
    MakeGrayscaleMap(SemFilePrefix(dialog.GetPathName()));
}

void CVeldoranView::MakeGrayscaleMap(const std::string& file)
{
    CVeldoranDoc& doc = *m_pDoc;
    auto* make = Dovanne().OnMapFigureMakeModule.fn;
    const BitmapTimes before = GreyscaleBitmapTimes(doc.folders.m_strAppDir);
    if (make) {
        vd::ClientDc window = GetDC();
        vd::ImageDc unseen; // the progress goes nowhere when the window has no device context
        const vd::ui::Rect client = GetClientRect();
        make(window ? window.get() : &unseen, client.right, client.bottom, file, doc.folders.m_strAppDir);
    }
    // Only bitmaps written by this run count as made.
    const bool written = GreyscaleBitmapTimes(doc.folders.m_strAppDir) != before;
    vd::ui::AfxMessageBox(written ? "グレースケール地図（段彩用）が作成されました！"
                                  : "グレースケール地図（段彩用）を作成できませんでした！");
    doc.m_nMapDisplayMode = map_display::kMainMap;
    InvalidateView(true);
}
