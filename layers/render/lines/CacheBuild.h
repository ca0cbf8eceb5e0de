#pragma once
// Cache files that a whole-country line layer cuts out of a published data file the first time
// it needs them, beside that file. Each is written under a temporary name and takes its own name
// only when written whole, so a build stopped halfway never passes for a finished cache; a folder
// that cannot be written leaves the layer to read the data file itself.
#include "platform/fs/TextWriter.h"

#include <string>
#include <string_view>

class CLayerRenderer;

// The folder of a data file: its path up to and including the last "\".
std::string CacheFolder(std::string_view dataPath);

// Whether a finished cache is there.
bool CacheExists(std::string_view path);

// One cache being written; nothing appears under its name unless Finish() succeeds.
class CacheWriter {
public:
    // False when the folder cannot be written: the caller works without the cache.
    [[nodiscard]] bool Open(std::string_view path) { return open_ = writer_.open(path, vd::WriteMode::Replace); }
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

private:
    vd::TextWriter writer_;
    bool open_ = false;
};

// A build message: drawn at (x, y) in the renderer's device context, as the layer always did.
void DrawBuildMessage(CLayerRenderer& r, int x, int y, const std::string& text);
