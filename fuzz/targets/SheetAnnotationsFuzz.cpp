// The guide map's point file as the renderer draws it over the guide picture: each line parsed
// into its name, place and word, its symbol and label drawn and its place kept for the mouse, in
// each label form and with the labels off.
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/RecordingDc.h"
#include "view/renderer/MapRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    doc.menus.m_astrGuideMapCurrent[2] = vd::fuzz::writeApplicationFile("Fuzz/GUIDE.dat", data, size);
    for (const int label : {0, 1, 2, 3}) {
        doc.spec.m_nPointLabel = label;
        doc.spec.m_nPointPopup = label == 3 ? 1 : 0;
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, &doc, 640, 480);
        renderer.DrawSheetAnnotations(640, 480);
    }
    return 0;
}
