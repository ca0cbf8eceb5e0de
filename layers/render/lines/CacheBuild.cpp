#include "layers/render/lines/CacheBuild.h"

#include "layers/render/LayerRenderer.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/Ui.h"

#include <algorithm>

std::string CacheFolder(std::string_view dataPath)
{
    const std::size_t slash = dataPath.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(dataPath.substr(0, slash + 1));
}

bool CacheWriter::Open(std::string_view path)
{
    // The writer's temporaries are "." + name + "." + suffix + ".tmp" beside the file.
    const std::string folder = CacheFolder(path);
    const std::string name(path.substr(folder.size()));
    if (const auto stale = vd::listFolder(folder + "." + name + ".*.tmp"))
        for (const vd::FolderEntry& entry : *stale)
            (void)vd::removeFile(folder + entry.name);
    open_ = writer_.open(path, vd::WriteMode::Replace);
    return open_;
}

bool CacheExists(std::string_view path) { return vd::fileExists(path); }

BuildProgress::~BuildProgress()
{
    // Newest first: where areas overlap, the oldest copy (taken before any message) has the last word.
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
        r_.DeviceContext.BitBlt(it->area.left, it->area.top, it->area.Width(), it->area.Height(), it->pixels.get(), 0,
                                0, vd::SRCCOPY);
    // Each message's cells were painted in the background colour it was written on: wiped with
    // that colour, only the text goes.
    for (auto it = written_.rbegin(); it != written_.rend(); ++it)
        r_.DeviceContext.FillSolidRect(it->area, it->background);
    vd::ui::showProgress("");
}

void BuildProgress::Show(int x, int y, const std::string& text)
{
    Write(x, y, text);
    vd::ui::showProgress(text);
}

void BuildProgress::Note(int x, int y, const std::string& text) { Write(x, y, text); }

void BuildProgress::Keep(const vd::Rect& area)
{
    // Messages come at a few places again and again: an area already kept is not taken again
    // (it now holds a message).
    for (const Kept& k : kept_)
        if (k.area.left <= area.left && k.area.top <= area.top && k.area.right >= area.right &&
            k.area.bottom >= area.bottom)
            return;
    auto pixels = std::make_unique<vd::ImageDc>(area.Width(), area.Height());
    if (pixels->BitBlt(0, 0, area.Width(), area.Height(), &r_.DeviceContext, area.left, area.top, vd::SRCCOPY))
        kept_.push_back({area, std::move(pixels)});
}

void BuildProgress::Write(int x, int y, const std::string& text)
{
    vd::Dc& dc = r_.DeviceContext;
    const vd::Size size = dc.GetTextExtent(text);
    const vd::Rect area{x, y, x + size.cx, y + size.cy};
    if (area.IsRectEmpty()) {
        dc.TextOut(x, y, text);
        return;
    }
    if (!dc.GetSurface().IsNull()) {
        Keep(area);
    } else if (dc.GetBkMode() == vd::OPAQUE) {
        // A transparent text lies on the picture itself, which a wipe would take with it.
        const vd::COLORREF background = dc.GetBkColor();
        auto same = std::find_if(written_.begin(), written_.end(), [&](const Written& w) {
            return w.area.top == area.top && w.area.left == area.left && w.background == background;
        });
        if (same == written_.end()) {
            written_.push_back({area, background});
        } else {
            same->area.right = std::max(same->area.right, area.right);
            same->area.bottom = std::max(same->area.bottom, area.bottom);
        }
    }
    dc.TextOut(x, y, text);
}
