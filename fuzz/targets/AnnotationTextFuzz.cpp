// The annotation drawings' inputs: the bytes as the tag panel's text, as the distance label's
// D.MMSS texts, and as the legend panel's row flags and its settings files, drawn on a
// RecordingDc.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/annotations/DistanceLabel.h"
#include "municipal/annotations/LegendPanel.h"
#include "municipal/annotations/TagPanelLines.h"
#include "platform/dc/RecordingDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string text = vd::fuzz::bytesText(data, size);
    if (surrick::TagPanelLines(text).size() > std::size_t(surrick::kTagMaxLines))
        __builtin_trap();
    const double degrees = surrick::DmsTextDegrees(text);
    for (int mode = 0; mode < 4; ++mode)
        (void)surrick::DistanceLabelText(mode, degrees, surrick::DistanceKm(135.0, 35.0, degrees, degrees));

    for (const char* file : {"DddMFile.dat", "DddSFile.dat", "DDDPFILE.DAT"})
        vd::fuzz::writeApplicationFile(std::string("Fuzz/") + file, data, size);
    surrick::LegendRowFlags flags = surrick::ParseLegendRowFlags(text);
    flags.fill(1); // every row, so that each reads the files
    vd::RecordingDc dc;
    surrick::CWhiteDdLegend(0, flags, vd::fuzz::applicationFolderWin() + "Fuzz\\").Paint(dc);
    return 0;
}
