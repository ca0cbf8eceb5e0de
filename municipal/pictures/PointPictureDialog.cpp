#include "municipal/pictures/PointPictureDialog.h"

#include "municipal/SurrickModule.h"
#include "municipal/pictures/PictureFiles.h"
#include "municipal/pictures/PictureFit.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

constexpr int IDC_PICTURE_FRAME = 1325;
constexpr int IDC_NAME_AND_TEXT = 1326;
constexpr int IDC_PICTURE_SIZE = 1327;
constexpr int IDC_ZOOM = 1329;
constexpr int IDC_ZOOM_IN = 1330;
constexpr int IDC_ZOOM_OUT = 1331;

DialogTemplate PointPictureTemplate()
{
    DialogTemplate t;
    t.id = CDlgPointPicture::IDD;
    t.caption = "  地点の概要";
    t.place = DialogUnits{0, 0, 341, 272};
    t.controls = {
        painted(IDC_PICTURE_FRAME, DialogUnits{7, 7, 327, 212}, vd::SS_SUNKEN),
        ltext(IDC_NAME_AND_TEXT, "", DialogUnits{7, 224, 327, 20}),
        ltext(IDC_PICTURE_SIZE, "", DialogUnits{7, 251, 120, 10}),
        pushButton(IDC_ZOOM_OUT, "<", DialogUnits{150, 249, 16, 14}),
        edit(IDC_ZOOM, DialogUnits{168, 249, 36, 14}, vd::ES_READONLY),
        pushButton(IDC_ZOOM_IN, ">", DialogUnits{206, 249, 16, 14}),
        defPushButton(vd::IDOK, "OK", DialogUnits{284, 249, 50, 14}),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {PointPictureTemplate()});

vd::Size FrameSize(const vd::Window* frame)
{
    if (!frame)
        return {};
    const vd::Rect client = frame->GetClientRect();
    return vd::Size{client.Width(), client.Height()};
}

} // namespace

CDlgPointPicture::CDlgPointPicture() : vd::Dialog(IDD)
{
    OnClicked(IDC_ZOOM_IN, [this] { OnZoomIn(); });
    OnClicked(IDC_ZOOM_OUT, [this] { OnZoomOut(); });
}

int CDlgPointPicture::OnCreate()
{
    if (vd::Dialog::OnCreate() == -1)
        return -1;
    if (m_nMove == 1)
        SetWindowPos(m_nX, m_nY);
    return 0;
}

bool CDlgPointPicture::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (auto* frame = item<vd::PaintedControl>(IDC_PICTURE_FRAME))
        frame->SetPainter([this](vd::Dc& dc, const vd::Rect& client) { PaintFrame(dc, client); });
    if (m_nLoadState == -999)
        LoadPicture();
    SetDlgItemText(IDC_PICTURE_SIZE, hasPicture() ? vd::format("[幅 %2d × 高さ %2d]", m_nWidth, m_nHeight) : "");
    SetDlgItemText(IDC_NAME_AND_TEXT, "==" + m_strName + "== " + m_strText);
    ShowZoom(false);
    return true;
}

void CDlgPointPicture::LoadPicture()
{
    m_bmpPicture.DeleteObject();
    m_nWidth = m_nHeight = 0;
    const vd::Dib picture = surrick::LoadPointPicture(m_strPath);
    if (!picture.IsNull() && m_bmpPicture.CreateFromDib(picture)) {
        const vd::BitmapInfo info = m_bmpPicture.GetBitmapInfo();
        m_nWidth = info.bmWidth;
        m_nHeight = info.bmHeight;
    }
    // The first look at the frame fixes the zoom the picture starts at.
    if (hasPicture()) {
        m_nMaxZoom = surrick::FittedMaximumZoom(FrameSize(GetDlgItem(IDC_PICTURE_FRAME)), {m_nWidth, m_nHeight});
        m_nZoom = surrick::StartingZoom(m_nMaxZoom);
    }
    m_nLoadState = 1;
    if (vd::Window* frame = GetDlgItem(IDC_PICTURE_FRAME))
        frame->Invalidate(true);
}

void CDlgPointPicture::PaintFrame(vd::Dc& dc, const vd::Rect& client)
{
    if (!hasPicture())
        return;
    if (m_brBackground.IsNull()) {
        const int level = surrick::PictureShadeLevel(m_nShade);
        m_brBackground.CreateSolidBrush(vd::RGB(level, level, level));
    }
    if (surrick::ShadeFillsFrame(m_nShade)) {
        const vd::Brush previous = dc.SelectObject(m_brBackground);
        dc.Rectangle(client);
        dc.SelectObject(previous);
    }
    const vd::Rect place = surrick::ZoomedPicturePlace({client.Width(), client.Height()}, {m_nWidth, m_nHeight}, m_nZoom);
    vd::ImageDc memory;
    memory.CreateCompatibleDC(&dc);
    const vd::Bitmap previousBitmap = memory.SelectObject(m_bmpPicture);
    const int previousMode = dc.SetStretchBltMode(vd::COLORONCOLOR);
    dc.StretchBlt(place.left, place.top, place.Width(), place.Height(), &memory, 0, 0, m_nWidth, m_nHeight, vd::SRCCOPY);
    dc.SetStretchBltMode(previousMode);
    memory.SelectObject(previousBitmap);
}

void CDlgPointPicture::ShowZoom(bool afterButton)
{
    SetDlgItemText(IDC_ZOOM, m_nZoom == 100 && !afterButton ? std::string("原寸") : vd::format("%2d", m_nZoom) + "%");
}

void CDlgPointPicture::OnZoomIn()
{
    // Without a picture there is nothing to zoom: the buttons change nothing.
    if (!hasPicture())
        return;
    m_nZoom = surrick::ZoomIn(m_nZoom, m_nMaxZoom);
    ShowZoom(true);
    if (vd::Window* frame = GetDlgItem(IDC_PICTURE_FRAME))
        frame->Invalidate(true);
}

void CDlgPointPicture::OnZoomOut()
{
    if (!hasPicture())
        return;
    m_nZoom = surrick::ZoomOut(m_nZoom);
    ShowZoom(true);
    if (vd::Window* frame = GetDlgItem(IDC_PICTURE_FRAME))
        frame->Invalidate(true);
}

void CDlgPointPicture::OnOK()
{
    m_brBackground.DeleteObject();
    m_bmpPicture.DeleteObject();
    vd::Dialog::OnOK();
}
