#pragma once
// Converts every source file of a chosen folder into the theme's output folder (CityPlgn\ or
// CoastC23\ under it), telling an observer how far it is (and stopping between two files when it
// asks), and words the closing message: the number of prefectures and, by name, every file
// refused, every output that could not be written and every link or area left out for want of
// room.
#include "municipal/conversion/SourceFileConversion.h"
#include "municipal/conversion/SourceFolder.h"

#include <string>
#include <vector>

namespace municipal {

class ConversionObserver {
public:
    virtual ~ConversionObserver() = default;
    // A file starts: its output path and its place (done counts it) among `count` files.
    virtual void fileStarted(const std::string& outputPath, int done, int count);
    virtual void headerRead(const SourceHeader& header);
    // Asked before each file: true stops the conversion there (the end of the program was asked
    // for), so the outputs written are whole and no further one is begun.
    virtual bool stopRequested();
};

struct FolderConversionReport {
    bool folderSet = true; // false for an empty folder text: nothing converted
    int prefectures = 0;   // source files converted (or attempted)
    bool stopped = false;  // the observer stopped it before every file was converted
    std::vector<RefusedSource> refused;
    std::vector<std::string> failedOutputs; // output paths not written whole
    std::vector<std::string> shortened;     // "file: n links left out" and the like
    std::string outputFolder;               // where the outputs went, with its final "\\"
    int bundledKept = 0;                    // bundled files copied beside them (KeepBundledFiles)
};

// The folder as the user gave it ("Z:\ksj\n03\"; a missing final "\" is supplied).
FolderConversionReport ConvertSourceFolder(const std::string& folder, SourceTheme theme,
                                           ConversionObserver* observer = nullptr);

// Copies into `outputFolder` every "Pg*.dat" file of `bundledFolder` (both with their final "\\")
// that it does not hold yet, so that a municipality folder of the user's own conversions keeps the
// borders bundled with the program; a converted file of the same name is never replaced. The
// number of files copied; nothing when the two folders are one.
int KeepBundledFiles(const std::string& outputFolder, const std::string& bundledFolder);

// "変換が終りました。  (都道府県数=%d)", the folder written, the bundled files kept beside the
// outputs and what went wrong; or that no folder is set.
std::string ClosingMessage(const FolderConversionReport& report, SourceTheme theme);

} // namespace municipal
