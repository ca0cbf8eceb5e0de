#include "layers/render/lines/CacheBuild.h"

#include "layers/render/LayerRenderer.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/Ui.h"

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

BuildProgress::~BuildProgress() { vd::ui::showProgress(""); }

void BuildProgress::Show(int x, int y, const std::string& text)
{
    r_.DeviceContext.TextOut(x, y, text);
    vd::ui::showProgress(text);
}
