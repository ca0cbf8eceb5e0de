#pragma once
// The picture window of a registered point (template 215 "  地点の概要"): the point's picture
// fitted into the frame on a background shade, its name and text below, zoomed between 50 and
// 150 percent with ">" and "<", optionally placed at a screen position.
#include "platform/dc/Bitmap.h"
#include "platform/dc/GdiObjects.h"
#include "platform/ui/Dialog.h"

#include <string>

namespace vd {
class Dc;
}

class CDlgPointPicture : public vd::Dialog {
public:
    enum { IDD = 215 };
    CDlgPointPicture();

    std::string m_strPath; // Windows form, .bmp or .jpg
    std::string m_strName;
    std::string m_strText;
    int m_nShade = 0;
    // 1: moved to (m_nX, m_nY) on the screen when created.
    int m_nMove = 0;
    int m_nX = 0;
    int m_nY = 0;

    int zoom() const { return m_nZoom; }
    int fittedMaximumZoom() const { return m_nMaxZoom; }
    bool hasPicture() const { return !m_bmpPicture.IsNull(); }

    int OnCreate() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void LoadPicture();
    void PaintFrame(vd::Dc& dc, const vd::Rect& client);
    void ShowZoom(bool afterButton);
    void OnZoomIn();
    void OnZoomOut();

    vd::Bitmap m_bmpPicture;
    int m_nWidth = 0;
    int m_nHeight = 0;
    // -999 until the picture is loaded and fitted, then 1.
    int m_nLoadState = -999;
    int m_nZoom = 100;
    int m_nMaxZoom = 100;
    vd::Brush m_brBackground;
};
