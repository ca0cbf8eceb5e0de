// One whole run for bench/whole-process.sh: start, load what the picture needs, draw it into a
// 1024 x 768 picture, write that as a BMP file and exit, as the program does when it saves a
// picture of its view. The application folder is the one VELDORAN_HOME names (the script seeds
// it with the bundled data).
//   veldoran-whole-picture overview <out.bmp>           the Japan overview in the Albers conic
//   veldoran-whole-picture mesh <folder> <out.bmp>      the coastal-sea mesh file sea.txt of the
//                                                       folder over all of Japan
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/PelmoraExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/ExecutableFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "view/renderer/MapRenderer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

int usage()
{
    std::fputs("usage: veldoran-whole-picture overview <out.bmp> | mesh <folder> <out.bmp>\n", stderr);
    return 2;
}

bool drawOverview(vd::ImageDc& dc)
{
    CVeldoranDoc doc;
    doc.m_nMapDisplayMode = map_display::kMainMap;
    doc.pointer.m_nOverviewOriginX = 560;
    doc.m_nClipIndexMap = 2;
    CMapRenderer renderer(&dc, &doc, kWidth, kHeight);
    renderer.DrawOverviewFrame(1);
    return true;
}

bool drawMesh(vd::ImageDc& dc, const std::string& nativeFolder)
{
    const std::string folder = vd::toWindowsPath(nativeFolder).value_or("") + "\\";
    auto* draw = Pelmora().OnDdPlainMeshTavrel.fn;
    if (!draw)
        return false;
    std::string flags = "/1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    // Japan: latitude 72000-165600, longitude 439200-554400 (arc-seconds) at 0.0088 pixels a second.
    draw(&dc, 0, 165600, 439200, 72000, 554400, 0, 1, 1, -1, 0, 110, 900, 0, 700, 0.0f, 0.0f, 0.0088f, 0.0088f, flags,
         "5339", "", "", folder + "sea.txt", folder, "");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string kind = argc > 1 ? argv[1] : "";
    if (!((kind == "overview" && argc == 3) || (kind == "mesh" && argc == 4)))
        return usage();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The built libraries sit in bin/ beside this program's bench/ folder.
    const auto bin = vd::executableFolder().parent_path() / "bin";
    vd::LibraryLoader::setOverride("Dovanne.dll", (bin / "libdovanne.so").string());
    vd::LibraryLoader::setOverride("Pelmora.DLL", (bin / "libpelmora.so").string());

    vd::ImageDc dc(kWidth, kHeight);
    const bool drawn = kind == "overview" ? drawOverview(dc) : drawMesh(dc, argv[2]);
    if (!drawn) {
        std::fputs("veldoran-whole-picture: the library was not found\n", stderr);
        return 1;
    }
    const std::string out = argv[argc - 1];
    if (!dc.GetBitmap().WriteDibFile(out, 24)) {
        std::fprintf(stderr, "veldoran-whole-picture: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
