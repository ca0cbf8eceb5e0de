#include "municipal/pictures/PicturePreviewDialog.h"

#include "municipal/SurrickModule.h"
#include "municipal/pictures/PictureFiles.h"
#include "municipal/pictures/PictureFit.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

#include <cstdint>
#include <ctime>

namespace {

using namespace vd::ui;

// The file dialog's own controls go where this placeholder stands.
constexpr int IDC_FILE_DIALOG_CONTROLS = 1119;
constexpr int IDC_PREVIEW = 101;
constexpr int IDC_PICTURE_SIZE = 1001;
constexpr int IDC_COLOURS = 1002;
constexpr int IDC_FILE_SIZE = 1024;
constexpr int IDC_FILE_TIME = 1025;

DialogTemplate PreviewPanelTemplate()
{
    DialogTemplate t;
    t.id = CDlgPrevw::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{0, 0, 277, 151};
    ControlTemplate placeholder = ltext(IDC_FILE_DIALOG_CONTROLS, "", DialogUnits{0, 0, 277, 24});
    placeholder.hidden = true;
    t.controls = {
        placeholder,
        painted(IDC_PREVIEW, DialogUnits{5, 30, 150, 114}, vd::SS_SUNKEN),
        ltext(vd::IDC_STATIC, "画像ｻｲｽﾞ:", DialogUnits{162, 30, 110, 10}),
        ltext(IDC_PICTURE_SIZE, "", DialogUnits{162, 41, 110, 10}),
        ltext(vd::IDC_STATIC, "色数:", DialogUnits{162, 58, 110, 10}),
        ltext(IDC_COLOURS, "", DialogUnits{162, 69, 110, 10}),
        ltext(vd::IDC_STATIC, "ファイルの大きさ", DialogUnits{162, 86, 110, 10}),
        ltext(IDC_FILE_SIZE, "", DialogUnits{162, 97, 110, 10}),
        ltext(vd::IDC_STATIC, "作成期日", DialogUnits{162, 114, 110, 10}),
        ltext(IDC_FILE_TIME, "", DialogUnits{162, 125, 110, 19}),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {PreviewPanelTemplate()});

// The standard library's time text of the moment in local time, line end included
// ("Wed Jan  2 02:03:55 1980\n").
std::string FileTimeText(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    char text[64] = {};
    return ctime_r(&time, text) ? std::string(text) : std::string();
}

std::string FileSizeText(std::uint64_t bytes)
{
    // The factor is single precision, as the size line always showed it.
    const float kilobytes = static_cast<float>(bytes) * 0.001f;
    return vd::format("%04.2fKb", static_cast<double>(kilobytes));
}

std::string ColoursText(int bitsPerPixel)
{
    const int bits = bitsPerPixel < 0 ? 0 : (bitsPerPixel > 63 ? 63 : bitsPerPixel);
    return std::to_string(std::uint64_t{1} << bits) + " 色";
}

} // namespace

const char* PictureFileFilter(int pictureKind)
{
    switch (pictureKind) {
    case 1:
        return "JPG files *.jpg|*.jpg;*.jpg|BMP files *.bmp|*.bmp;*.bmp|All files *.*  |*.*||";
    case 2:
        return "ALL files (*.*)|*.*;*.*|BMP files (*.bmp)|*.bmp;*.bmp|JPG files (*.jpg)|*.jpg;*.jpg|"
               "PCD files (*.pcd)|*.pcd;*.pcd|GIF files (*.gif)|*.gif;*.gif|PIC files (*.pic)|*.pic;*.pic||";
    default:
        return "BMP files *.bmp|*.bmp;*.bmp|JPG files *.jpg|*.jpg;*.jpg|All files *.*|*.*||";
    }
}

CDlgPrevw::CDlgPrevw() : vd::FileDialog(true, {}, {}, vd::OFN_HIDEREADONLY | vd::OFN_OVERWRITEPROMPT) {}

int CDlgPrevw::DoModal()
{
    SetTemplate(IDD);
    SetFilter(PictureFileFilter(m_nPictureKind));
    const int result = vd::FileDialog::DoModal();
    SetTemplate(0);
    return result;
}

bool CDlgPrevw::OnInitDialog()
{
    vd::FileDialog::OnInitDialog();
    SetControlText(vd::IDOK, "選択");
    if (auto* preview = item<vd::PaintedControl>(IDC_PREVIEW))
        preview->SetPainter([this](vd::Dc& dc, const vd::Rect& client) { PaintPreview(dc, client); });
    return true;
}

void CDlgPrevw::DeletePreview()
{
    m_bmpPreview.DeleteObject();
    m_nWidth = m_nHeight = 0;
    SetDlgItemText(IDC_PICTURE_SIZE, "");
    SetDlgItemText(IDC_COLOURS, "");
}

void CDlgPrevw::OnFileNameChange()
{
    DeletePreview();
    m_strSelectedPath = GetPathName();
    const auto status = vd::fileStatus(m_strSelectedPath);
    // A folder cannot be opened as a file, as a name that is not there.
    if (!status || status->isFolder) {
        SetDlgItemText(IDC_FILE_SIZE, "ファイル ハンドルが異常です");
        return;
    }
    SetDlgItemText(IDC_FILE_SIZE, FileSizeText(status->size));
    SetDlgItemText(IDC_FILE_TIME, vd::format("%s", FileTimeText(status->modifiedTime)));

    const vd::Dib picture = surrick::LoadPreviewPicture(m_strSelectedPath);
    if (!picture.IsNull() && m_bmpPreview.CreateFromDib(picture)) {
        const vd::BitmapInfo info = m_bmpPreview.GetBitmapInfo();
        m_nWidth = info.bmWidth;
        m_nHeight = info.bmHeight;
        SetDlgItemText(IDC_PICTURE_SIZE, vd::format("幅 %ld × 高さ %ld", long{m_nWidth}, long{m_nHeight}));
        SetDlgItemText(IDC_COLOURS, ColoursText(info.bmBitsPixel));
    }
    RedrawPanel();
}

void CDlgPrevw::OnFolderChange()
{
    DeletePreview();
    RedrawPanel();
}

void CDlgPrevw::RedrawPanel()
{
    if (vd::Window* preview = GetDlgItem(IDC_PREVIEW)) {
        preview->Invalidate(true);
        preview->UpdateWindow();
    }
}

void CDlgPrevw::PaintPreview(vd::Dc& dc, const vd::Rect& client)
{
    if (!hasPreview())
        return;
    const vd::Rect place = surrick::PreviewPicturePlace({client.Width(), client.Height()}, {m_nWidth, m_nHeight});
    vd::ImageDc memory;
    memory.CreateCompatibleDC(&dc);
    const vd::Bitmap previousBitmap = memory.SelectObject(m_bmpPreview);
    const int previousMode = dc.SetStretchBltMode(vd::COLORONCOLOR);
    dc.StretchBlt(place.left, place.top, place.Width(), place.Height(), &memory, 0, 0, m_nWidth, m_nHeight, vd::SRCCOPY);
    dc.SetStretchBltMode(previousMode);
    memory.SelectObject(previousBitmap);
}
