#pragma once
// The map view with the 3 x 3 block around 東京 on screen (34.40-36.40 N, 138-141 E, 480 x 480
// pixels from (10, 30)), for the pointer's tips, range drag and menus.
#include "MapViewFixture.h"

#include "contracts/bindings/TovendlgExports.h"

#include "platform/ui/WindowImpl.h"
#include "view/navigation/ViewNavigation.h"

#include <QApplication>
#include <QMouseEvent>

#include <string>
#include <vector>

namespace viewtest {

// The block on screen: 34.40-36.40 N, 138-141 E, 480 x 480 pixels from (10, 30), 0.5 pixels a
// unit, as the map on screen (mouse mode 3) without the read-out's labels.
inline void ShowTokyoBlock(CVeldoranDoc& doc)
{
    doc.m_strMapName = "東京";
    doc.FindSheetByName("東京", doc.folders.m_strSheetIndexFile);
    doc.position.m_nMapType = 1;
    doc.position.m_nMapFrame = 2;
    doc.position.m_nMapMode = 9;
    doc.m_nMapDisplayMode = 10;
    doc.repaint.m_bMapOnScreen = 1;
    doc.pointer.m_nMouseMode = 3;
    doc.m_nFrameNorthSec = 36 * 3600 + 40 * 60;
    doc.m_nFrameSouthSec = 34 * 3600 + 40 * 60;
    doc.m_nFrameWestSec = 138 * 3600;
    doc.m_nFrameEastSec = 141 * 3600;
    doc.m_strFrameNorth = "36.4000";
    doc.m_strFrameSouth = "34.4000";
    doc.m_strFrameWest = "138.0000";
    doc.m_strFrameEast = "141.0000";
    doc.m_nMapPixelWidth = 480;
    doc.m_nMapPixelHeight = 480;
    doc.m_fWhiteZoomX = 0.5f;
    doc.m_fWhiteZoomY = 0.5f;
    doc.spec.m_nDistanceShow = 0;
}

// The dialog library's route and area registration, faked while this lives: each call is logged
// as "title/kind" and answers no play mode, so nothing plays.
class RoutePlayLog {
public:
    RoutePlayLog() : saved_(Tovendlg().OnRouteRegistModule.fn)
    {
        Log().clear();
        Tovendlg().OnRouteRegistModule.fn = &Register;
    }
    ~RoutePlayLog() { Tovendlg().OnRouteRegistModule.fn = saved_; }
    RoutePlayLog(const RoutePlayLog&) = delete;
    RoutePlayLog& operator=(const RoutePlayLog&) = delete;

    const std::vector<std::string>& calls = Log();

private:
    static std::vector<std::string>& Log()
    {
        static std::vector<std::string> log;
        return log;
    }
    static std::string Register(int, int, std::string, std::string, std::string, std::string kind, std::string title,
                                std::string, std::string, std::string, std::string, std::string, std::string,
                                std::string, std::string)
    {
        Log().push_back(title + "/" + kind);
        return "";
    }
    OnRouteRegistModule_fn* saved_;
};

class PointerView : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        nav = view->m_pNavigation.get();
        ShowTokyoBlock(*doc);
        script->clearPointerEvents();
    }

    void Move(int x, int y, unsigned flags = 0) { view->OnMouseMove(flags, {x, y}); }

    // A mouse event as the view's widget receives it from the window system.
    void SendMouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* widget = view->impl()->widget;
        ASSERT_NE(widget, nullptr);
        const QPointF at(x, y);
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void PointerAt(int x, int y) { SendMouse(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton); }

    // The enlarge tool on, then a drag from one corner to the other through a few moves.
    void Drag(vd::ui::Point from, vd::ui::Point to)
    {
        view->routeCommand(ID_ENLARGE_SHEET);
        ASSERT_EQ(doc->pointer.m_nMouseMode, 8);
        Move(from.x, from.y);
        view->OnLButtonDown(vd::MK_LBUTTON, from);
        Move((from.x + to.x) / 2, from.y + 3, vd::MK_LBUTTON);
        Move(to.x + 7, (from.y + to.y) / 2, vd::MK_LBUTTON);
        Move(to.x, to.y, vd::MK_LBUTTON);
        view->OnLButtonUp(0, to);
    }

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
