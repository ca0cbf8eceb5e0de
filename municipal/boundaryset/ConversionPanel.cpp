#include "municipal/boundaryset/ConversionPanel.h"

#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

#include <cmath>

namespace {

constexpr vd::COLORREF kBarColour = 0xFF0000; // blue

} // namespace

ConversionPanel::ConversionPanel(vd::Dc* dc, const std::string& title) : dc_(dc), bar_(kBarColour)
{
    if (!dc_)
        return;
    dc_->Rectangle(100, 300, 720, 430);
    dc_->Rectangle(200, 390, 400, 415);
    callerBrush_ = dc_->SelectObject(bar_);
    dc_->TextOut(120, 315, title);
    show();
}

ConversionPanel::~ConversionPanel()
{
    if (dc_)
        dc_->SelectObject(callerBrush_);
}

void ConversionPanel::fileStarted(const std::string& outputPath, int done, int count)
{
    if (!dc_ || count <= 0)
        return;
    dc_->TextOut(120, 340, "出力ファイル=" + outputPath);
    dc_->Rectangle(200, 390, 200 + static_cast<int>(std::trunc(200.0 / count * done)), 415);
    dc_->TextOut(440, 390, vd::format("%2d/%2d", done, count));
    show();
}

void ConversionPanel::headerRead(const municipal::SourceHeader& header)
{
    if (!dc_)
        return;
    dc_->TextOut(120, 360, vd::format("データ全体=%d  リンクデータ=%d  エリアデータ=%d  エリア台帳=%d    ",
                                      header.allData, header.links, header.areas, header.ledger));
    show();
}

bool ConversionPanel::stopRequested()
{
    return vd::ui::endRequested();
}

void ConversionPanel::show()
{
    // The lent context is the view's back buffer: the screen follows once events are handled.
    vd::ui::processPendingEvents();
}
