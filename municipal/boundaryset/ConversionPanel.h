#pragma once
// The progress panel of a boundary conversion, drawn into the device context the caller lends
// (the view's back buffer) and shown at once: a frame with the title, the output file, the
// source's counts and a bar with "done/count". The caller's brush is put back by the destructor.
// While it shows, the close box and the termination signals are heard: the conversion then stops
// between two files.
#include "municipal/conversion/FolderConversion.h"
#include "platform/dc/GdiObjects.h"

#include <string>

namespace vd {
class Dc;
}

class ConversionPanel : public municipal::ConversionObserver {
public:
    ConversionPanel(vd::Dc* dc, const std::string& title);
    ~ConversionPanel() override;
    ConversionPanel(const ConversionPanel&) = delete;
    ConversionPanel& operator=(const ConversionPanel&) = delete;

    void fileStarted(const std::string& outputPath, int done, int count) override;
    void headerRead(const municipal::SourceHeader& header) override;
    // Once the program is to end, no further file is begun.
    bool stopRequested() override;

private:
    void show();

    vd::Dc* dc_;
    vd::Brush bar_;
    vd::Brush callerBrush_;
};
