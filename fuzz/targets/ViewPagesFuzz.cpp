// The picture and text pages: the bytes become a text page, a caption file and a picture; the
// view draws the text page on screen and in its print layout, the caption box and the picture
// page, and the document reads the text's head and wraps its first line.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/RecordingDc.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/UiScript.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

#include <QCoreApplication>

namespace {

vd::ui::Script& UiScript()
{
    static const auto script = vd::ui::Script::install();
    return *script;
}

// One frame and view for the process, as the program has.
CVeldoranView& View()
{
    UiScript();
    static vd::FrameWindow* const frame = [] {
        auto* built = new vd::FrameWindow;
        vd::CreateContext context;
        context.makeView = [] { return std::make_unique<CVeldoranView>(vd::fuzz::document()); };
        context.document = &vd::fuzz::document();
        built->LoadFrame(9501, &context);
        return built;
    }();
    auto* view = static_cast<CVeldoranView*>(frame->GetActiveView());
    view->MoveWindow(0, 0, 480, 360, false);
    return *view;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    CVeldoranView& view = View();
    UiScript().forgetRecords(); // one input's records only
    ViewPages& pages = *view.m_pPages;
    const std::string text = vd::fuzz::writeApplicationFile("Fuzz/PAGE.TXT", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/PAGE.BMP", data, size);

    doc.m_strEntryParam = "@:Fuzz\\PAGE.TXT";
    doc.m_nMapDisplayMode = map_display::kTextPage;
    for (const int step : {1, 1, -1}) {
        vd::RecordingDc dc;
        pages.ShowTextPage(dc);
        pages.StepTextPage(step);
    }
    view.m_nPrintState = -1;
    {
        vd::RecordingDc dc;
        pages.DrawTextPage(dc, doc.m_strEntryParam);
    }
    view.m_nPrintState = 1;
    {
        vd::RecordingDc dc;
        pages.DrawCaptionBox(dc, doc.m_strEntryParam);
    }
    doc.ReadTextSection(text, "a", "b");

    doc.entry.m_strEntryTarget = "@:Fuzz\\PAGE.BMP";
    doc.m_strEntryParam.clear();
    doc.m_nFileKind = 0;
    for (const int fit : {0, 1}) {
        doc.entry.m_nPictureFit = fit;
        vd::RecordingDc dc(vd::RecordingDc::Options{64, 48});
        pages.DrawPicturePage(dc, 0);
        pages.ScrollPicturePage(dc, 30);
    }
    QCoreApplication::processEvents();
    return 0;
}
