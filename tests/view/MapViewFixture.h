#pragma once
// A map view in a frame window, as the program builds it, with its document, a scripted user
// interface and a small sheet index. The frame stays hidden: the tests run the repaint
// themselves on a picture of the client's size, which is "the window" of that repaint.
#include "SheetIndexFixture.h"
#include "StandInView.h"
#include "ViewTestSupport.h"

#include "platform/dc/ImageDc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiScript.h"
#include "view/navigation/ViewNavigation.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace viewtest {

inline std::string StartMapIndex()
{
    return IndexFile({
        ";        図幅名       緯度      経度",
        IndexLine("東京", "35.2000", "139.0000"),
        IndexLine("京都及大阪", "34.4000", "135.0000"),
        IndexLine("金沢", "36.0000", "136.0000"),
    });
}

class MapView : public ::testing::Test {
protected:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 700;

    void SetUp() override
    {
        WriteHomeFile("BlcMap20.idx", StartMapIndex());
        vd::ui::Script::install();
        doctest::UseBuiltLibraries();
        doctest::InstallFakeEditor();
        BeforeDocument();
        doc = std::make_unique<CVeldoranDoc>();
        script = vd::ui::Script::install();
        frame = std::make_unique<vd::FrameWindow>();
        vd::CreateContext context;
        context.makeView = [this] { return std::make_unique<StandInView>(*doc); };
        context.document = doc.get();
        ASSERT_TRUE(frame->LoadFrame(9501, &context));
        view = static_cast<StandInView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        view->MoveWindow(0, 0, kWidth, kHeight, false);
        picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
    }

    void TearDown() override
    {
        frame.reset();
        doc.reset();
    }

    // Puts stand-ins in place of libraries before the document and the view load them.
    virtual void BeforeDocument() {}

    // The first repaint has run: the client size is known and the start map was restored.
    void PastFirstPaint()
    {
        view->m_nFirstPaint = 10;
        view->m_nLastMapState = 1;
        view->m_nSavedWidth = kWidth;
        view->m_nSavedHeight = kHeight;
    }

    void Repaint() { view->OnDraw(*picture); }

    // Records the routines the repaint calls, by name, in order.
    void RecordRoutines()
    {
        StandInView::StandIns& r = view->standIns;
        auto note = [this](const std::string& name) { calls.push_back(name); };
        r.drawRouteAreaMaster = [=](vd::Dc&) { note("drawRouteAreaMaster"); };
        r.drawSheetIndexMap = [=](vd::Dc&) { note("drawSheetIndexMap"); };
        r.drawLayeredMap = [=, this](vd::Dc&) { note("drawLayeredMap"); return trackWord; };
        r.drawPlaceNameLayer = [=](vd::Dc&, int flag) { note("drawPlaceNameLayer " + std::to_string(flag)); };
        r.drawJapanMap = [=, this](vd::Dc&) { note("drawJapanMap"); return trackWord; };
        r.drawPrefectureMap = [=](vd::Dc&) { note("drawPrefectureMap"); };
        r.drawTracks = [=](CMapRenderer&) { note("drawTracks"); };
        r.drawDragOverview = [=](vd::Dc&) { note("drawDragOverview"); };
        r.drawAlbum = [=](vd::Dc&) { note("drawAlbum"); };
        r.drawMemo = [=](vd::Dc&, int withText) { note("drawMemo " + std::to_string(withText)); };
        r.drawPicture = [=] { note("drawPicture"); };
        r.showTextPage = [=](vd::Dc&) { note("showTextPage"); };
        r.drawTextPage = [=](vd::Dc&) { note("drawTextPage"); };
        r.drawSubmarineMeshMap = [=](vd::Dc&) { note("drawSubmarineMeshMap"); };
        r.makeSubmarineMeshFile = [=](vd::Dc&) { note("makeSubmarineMeshFile"); };
        r.drawSheetPicture = [=](vd::Dc&) { note("drawSheetPicture"); };
        r.showRouteAreaSheets = [=] { note("showRouteAreaSheets"); };
        r.appendMapFileMenu = [=] { note("appendMapFileMenu"); };
        r.appendGuideMapMenu = [=] { note("appendGuideMapMenu"); };
        r.appendItemMenus = [=] { note("appendItemMenus"); };
        r.endSlideProgram = [=] { note("endSlideProgram"); };
    }

    // The buttons on the view, "kind caption" by kind and "#n caption" for the numbered ones.
    std::vector<std::string> ShownButtons() const
    {
        std::vector<std::string> out;
        for (int n = 1; n <= 9; ++n)
            if (const vd::Button* b = view->m_pNavigation->NumberedButton(n); b && b->IsWindow())
                out.push_back("#" + std::to_string(n) + " " + b->GetWindowText());
        for (int kind : {12, 13, 14, 15, 16, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 40})
            if (const vd::Button* b = view->m_pNavigation->ViewButton(kind); b && b->IsWindow())
                out.push_back(std::to_string(kind) + " " + b->GetWindowText());
        return out;
    }

    // The button of a kind as "caption left,top,right,bottom" in the view's client area; "" while
    // it is not shown.
    std::string ButtonPlace(int kind) const
    {
        const vd::Button* b = view->m_pNavigation->ViewButton(kind);
        if (!b || !b->IsWindow())
            return "";
        const vd::ui::Rect r = b->GetWindowRect();
        const vd::ui::Point at = view->ScreenToClient({r.left, r.top});
        return b->GetWindowText() + " " + std::to_string(at.x) + "," + std::to_string(at.y) + "," +
               std::to_string(at.x + r.right - r.left) + "," + std::to_string(at.y + r.bottom - r.top);
    }

    // Shows these kind buttons with the caption "k<kind>", as another screen left them.
    void ShowButtons(std::initializer_list<int> kinds)
    {
        for (int kind : kinds)
            view->m_pNavigation->SetViewButton(kind, "k" + std::to_string(kind), 0, 0, 40, 20);
    }

    // The calls but the menu lists that every repaint appends.
    std::vector<std::string> DrawingCalls() const
    {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c != "appendMapFileMenu" && c != "appendGuideMapMenu")
                out.push_back(c);
        return out;
    }

    std::unique_ptr<CVeldoranDoc> doc;
    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<vd::FrameWindow> frame;
    StandInView* view = nullptr;
    std::unique_ptr<vd::ImageDc> picture;
    std::vector<std::string> calls;
    std::string trackWord;
};

} // namespace viewtest
