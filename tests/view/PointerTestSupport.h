#pragma once
// The map view with the 3 x 3 block around 東京 on screen (34.40-36.40 N, 138-141 E, 480 x 480
// pixels from (10, 30)), for the pointer's tips, range drag and menus.
#include "MapViewFixture.h"

#include "view/navigation/ViewNavigation.h"

namespace viewtest {

class PointerView : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        nav = view->m_pNavigation.get();
        doc->m_strMapName = "東京";
        doc->FindSheetByName("東京", doc->m_strSheetIndexFile);
        doc->m_nMapType = 1;
        doc->m_nMapFrame = 2;
        doc->m_nMapMode = 9;
        doc->m_nMapDisplayMode = 10;
        doc->m_bMapOnScreen = 1;
        doc->m_nMouseMode = 3;
        doc->m_nFrameNorthSec = 36 * 3600 + 40 * 60;
        doc->m_nFrameSouthSec = 34 * 3600 + 40 * 60;
        doc->m_nFrameWestSec = 138 * 3600;
        doc->m_nFrameEastSec = 141 * 3600;
        doc->m_strFrameNorth = "36.4000";
        doc->m_strFrameSouth = "34.4000";
        doc->m_strFrameWest = "138.0000";
        doc->m_strFrameEast = "141.0000";
        doc->m_nMapPixelWidth = 480;
        doc->m_nMapPixelHeight = 480;
        doc->m_nDistanceShow = 0;
        doc->m_nPointerCoords = 0;
        script->clearPointerEvents();
    }

    void Move(int x, int y, unsigned flags = 0) { view->OnMouseMove(flags, {x, y}); }

    // The drawn registered points, "999" after them.
    void Points(std::initializer_list<std::tuple<std::string, int, int>> points)
    {
        std::size_t i = 0;
        for (const auto& [record, x, y] : points) {
            doc->m_astrHitRecord[i] = record;
            doc->m_anHitX[i] = std::int16_t(x);
            doc->m_anHitY[i] = std::int16_t(y);
            ++i;
        }
        doc->m_astrHitRecord[i] = "999";
    }

    // A map on screen: a light grey ground crossed by dark lines, so that any pixel left changed
    // shows.
    void PaintMap()
    {
        vd::ClientDc window = view->GetDC();
        window->FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, vd::RGB(230, 230, 230));
        const vd::Pen dark(vd::PS_SOLID, 1, vd::RGB(40, 90, 160));
        const vd::Pen previous = window->SelectObject(dark);
        for (int x = 0; x < kWidth; x += 37) {
            window->MoveTo(x, 0);
            window->LineTo(x + 300, kHeight);
        }
        window->SelectObject(previous);
    }

    vd::COLORREF WindowPixel(int x, int y)
    {
        vd::ClientDc window = view->GetDC();
        return window ? window->GetPixel(x, y) & 0xFFFFFF : 0xFFFFFFFF;
    }

    // The window's pixels of a rectangle, row by row.
    std::vector<vd::COLORREF> WindowPixels(int left, int top, int right, int bottom)
    {
        std::vector<vd::COLORREF> pixels;
        vd::ClientDc window = view->GetDC();
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                pixels.push_back(window->GetPixel(x, y) & 0xFFFFFF);
        return pixels;
    }

    ViewNavigation* nav = nullptr;
};

} // namespace viewtest
