#pragma once
// The program's map view with stand-ins for its drawing: each routine a test gives a stand-in runs
// that instead of the view's own, so the test sees which routines a repaint or the mouse calls and
// can draw a known picture in their place. Routines without a stand-in draw as the program does.
#include "view/window/VeldoranView.h"

#include <functional>
#include <string>

namespace viewtest {

class StandInView : public CVeldoranView {
public:
    using CVeldoranView::CVeldoranView;

    struct StandIns {
        std::function<void(vd::Dc&)> drawRouteAreaMaster;
        std::function<void(vd::Dc&)> drawSheetIndexMap;
        std::function<std::string(vd::Dc&)> drawLayeredMap;
        std::function<void(vd::Dc&, int flag)> drawPlaceNameLayer;
        std::function<std::string(vd::Dc&)> drawJapanMap;
        std::function<void(vd::Dc&)> drawPrefectureMap;
        std::function<void(CMapRenderer&)> drawTracks;
        std::function<void(vd::Dc&)> drawDragOverview;
        std::function<void(vd::Dc&)> drawAlbum;
        std::function<void(vd::Dc&, int withText)> drawMemo;
        std::function<void()> drawPicture;
        std::function<void(vd::Dc&)> showTextPage;
        std::function<void(vd::Dc&)> drawTextPage;
        std::function<void(vd::Dc&)> drawSubmarineMeshMap;
        std::function<void(vd::Dc&)> makeSubmarineMeshFile;
        std::function<void(vd::Dc&)> drawSheetPicture;
        std::function<void(vd::Dc&, int x, int y)> drawDragCircle;
        std::function<void(vd::Dc&, int x, int y, int size, int shape)> drawPointSymbol;
        std::function<void()> showRouteAreaSheets;
        std::function<void()> appendMapFileMenu;
        std::function<void()> appendGuideMapMenu;
        std::function<void()> appendItemMenus;
        std::function<void()> endSlideProgram;
    };
    StandIns standIns;

    void DrawRouteAreaMaster(vd::Dc& dc) override
    {
        standIns.drawRouteAreaMaster ? standIns.drawRouteAreaMaster(dc) : CVeldoranView::DrawRouteAreaMaster(dc);
    }
    void DrawSheetIndexMap(vd::Dc& dc) override
    {
        standIns.drawSheetIndexMap ? standIns.drawSheetIndexMap(dc) : CVeldoranView::DrawSheetIndexMap(dc);
    }
    std::string DrawLayeredMap(vd::Dc& dc) override
    {
        return standIns.drawLayeredMap ? standIns.drawLayeredMap(dc) : CVeldoranView::DrawLayeredMap(dc);
    }
    void DrawPlaceNameLayer(vd::Dc& dc, int flag) override
    {
        standIns.drawPlaceNameLayer ? standIns.drawPlaceNameLayer(dc, flag) : CVeldoranView::DrawPlaceNameLayer(dc, flag);
    }
    std::string DrawJapanMap(vd::Dc& dc) override
    {
        return standIns.drawJapanMap ? standIns.drawJapanMap(dc) : CVeldoranView::DrawJapanMap(dc);
    }
    void DrawPrefectureMap(vd::Dc& dc) override
    {
        standIns.drawPrefectureMap ? standIns.drawPrefectureMap(dc) : CVeldoranView::DrawPrefectureMap(dc);
    }
    void DrawTracks(CMapRenderer& renderer) override
    {
        standIns.drawTracks ? standIns.drawTracks(renderer) : CVeldoranView::DrawTracks(renderer);
    }
    void DrawDragOverview(vd::Dc& dc) override
    {
        standIns.drawDragOverview ? standIns.drawDragOverview(dc) : CVeldoranView::DrawDragOverview(dc);
    }
    void DrawAlbum(vd::Dc& dc) override
    {
        standIns.drawAlbum ? standIns.drawAlbum(dc) : CVeldoranView::DrawAlbum(dc);
    }
    void DrawMemo(vd::Dc& dc, int kind) override
    {
        standIns.drawMemo ? standIns.drawMemo(dc, kind) : CVeldoranView::DrawMemo(dc, kind);
    }
    void DrawPicture() override
    {
        standIns.drawPicture ? standIns.drawPicture() : CVeldoranView::DrawPicture();
    }
    void ShowTextPage(vd::Dc& dc) override
    {
        standIns.showTextPage ? standIns.showTextPage(dc) : CVeldoranView::ShowTextPage(dc);
    }
    void DrawTextPage(vd::Dc& dc) override
    {
        standIns.drawTextPage ? standIns.drawTextPage(dc) : CVeldoranView::DrawTextPage(dc);
    }
    void DrawSubmarineMeshMap(vd::Dc& dc) override
    {
        standIns.drawSubmarineMeshMap ? standIns.drawSubmarineMeshMap(dc) : CVeldoranView::DrawSubmarineMeshMap(dc);
    }
    void MakeSubmarineMeshFile(vd::Dc& dc) override
    {
        standIns.makeSubmarineMeshFile ? standIns.makeSubmarineMeshFile(dc) : CVeldoranView::MakeSubmarineMeshFile(dc);
    }
    void DrawSheetPicture(vd::Dc& dc) override
    {
        standIns.drawSheetPicture ? standIns.drawSheetPicture(dc) : CVeldoranView::DrawSheetPicture(dc);
    }
    void DrawDragCircle(vd::Dc& dc, int x, int y) override
    {
        standIns.drawDragCircle ? standIns.drawDragCircle(dc, x, y) : CVeldoranView::DrawDragCircle(dc, x, y);
    }
    void DrawPointSymbol(vd::Dc& dc, int x, int y, int size, int shape) override
    {
        standIns.drawPointSymbol ? standIns.drawPointSymbol(dc, x, y, size, shape) : CVeldoranView::DrawPointSymbol(dc, x, y, size, shape);
    }
    void ShowRouteAreaSheets() override
    {
        standIns.showRouteAreaSheets ? standIns.showRouteAreaSheets() : CVeldoranView::ShowRouteAreaSheets();
    }
    void AppendMapFileMenu() override
    {
        standIns.appendMapFileMenu ? standIns.appendMapFileMenu() : CVeldoranView::AppendMapFileMenu();
    }
    void AppendGuideMapMenu() override
    {
        standIns.appendGuideMapMenu ? standIns.appendGuideMapMenu() : CVeldoranView::AppendGuideMapMenu();
    }
    void AppendItemMenus() override
    {
        standIns.appendItemMenus ? standIns.appendItemMenus() : CVeldoranView::AppendItemMenus();
    }
    void EndSlideProgram() override
    {
        standIns.endSlideProgram ? standIns.endSlideProgram() : CVeldoranView::EndSlideProgram();
    }
};

} // namespace viewtest
