#pragma once
// Cache files that a whole-country line layer cuts out of a published data file the first time
// it needs them, beside that file. Each is written under a temporary name and takes its own name
// only when written whole, so a build stopped halfway never passes for a finished cache; a folder
// that cannot be written leaves the layer to read the data file itself.
#include "platform/dc/Color.h"
#include "platform/dc/Geometry.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/TextWriter.h"
#include "platform/ui/WaitCursor.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CLayerRenderer;

// The folder of a data file: its path up to and including the last "\".
std::string CacheFolder(std::string_view dataPath);

// Whether a finished cache is there.
bool CacheExists(std::string_view path);

// One cache being written; nothing appears under its name unless Finish() succeeds.
class CacheWriter {
public:
    // False when the folder cannot be written: the caller works without the cache. The
    // temporary files of a build that was stopped before are removed first.
    [[nodiscard]] bool Open(std::string_view path);
    bool IsOpen() const { return open_; }
    // A raw CP932 line, then CR LF.
    void Line(std::string_view cp932)
    {
        if (open_)
            writer_.writeRawLine(cp932);
    }
    bool Finish()
    {
        const bool done = open_ && writer_.close();
        open_ = false;
        return done;
    }
    void Abandon()
    {
        if (open_)
            writer_.abandon();
        open_ = false;
    }
    // Finishes the cache when its source was read to the end, else abandons it.
    bool FinishUnless(bool sourceFailed)
    {
        if (!sourceFailed)
            return Finish();
        Abandon();
        return false;
    }

private:
    vd::TextWriter writer_;
    bool open_ = false;
};

// A build in progress: the wait cursor, and each message drawn into the renderer's device context
// and shown at once in the progress window (the build runs inside a repaint, whose drawing
// reaches the screen only when it ends). The window goes with the object, and so do the messages
// from the picture: left there they would stand over the status line the view writes afterwards.
// What lay under each message is kept before it is first written and put back at the end; a
// device context that cannot be read back (a printer) has its opaque messages wiped instead.
class BuildProgress {
public:
    explicit BuildProgress(CLayerRenderer& r) : r_(r) {}
    ~BuildProgress();
    BuildProgress(const BuildProgress&) = delete;
    BuildProgress& operator=(const BuildProgress&) = delete;
    void Show(int x, int y, const std::string& text);
    // A count or key written as the build goes, in the picture only (too frequent for the window).
    void Note(int x, int y, const std::string& text);

private:
    void Write(int x, int y, const std::string& text);

    CLayerRenderer& r_;
    vd::WaitCursor wait_;
    // The pixels under a message area, taken before anything was written over them.
    struct Kept {
        vd::Rect area;
        std::unique_ptr<vd::ImageDc> pixels;
    };
    struct Written {
        vd::Rect area;
        vd::COLORREF background;
    };
    void Keep(const vd::Rect& area);
    std::vector<Kept> kept_;
    std::vector<Written> written_;
};
