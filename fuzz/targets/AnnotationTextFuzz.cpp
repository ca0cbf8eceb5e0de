// The annotation drawings' inputs: the bytes as the tag panel's text and as the distance
// label's D.MMSS texts.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/annotations/DistanceLabel.h"
#include "municipal/annotations/TagPanelLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string text = vd::fuzz::bytesText(data, size);
    if (surrick::TagPanelLines(text).size() > std::size_t(surrick::kTagMaxLines))
        __builtin_trap();
    const double degrees = surrick::DmsTextDegrees(text);
    for (int mode = 0; mode < 4; ++mode)
        (void)surrick::DistanceLabelText(mode, degrees, surrick::DistanceKm(135.0, 35.0, degrees, degrees));
    return 0;
}
