#include "layers/render/lines/CacheBuild.h"

#include "layers/render/LayerRenderer.h"
#include "platform/fs/FileSystem.h"

std::string CacheFolder(std::string_view dataPath)
{
    const std::size_t slash = dataPath.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(dataPath.substr(0, slash + 1));
}

bool CacheExists(std::string_view path)
{
    return vd::fileExists(path);
}

void DrawBuildMessage(CLayerRenderer& r, int x, int y, const std::string& text)
{
    r.DeviceContext.TextOut(x, y, text);
}
