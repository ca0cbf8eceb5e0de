// OnGnpfOutPut: the condition of a place-name or public-facility search, and after the drawing
// its counts, written on the map: three lines at the bottom of a narrow view, or a box of lines
// at the caller's position on a view wider than 800 pixels. Texts take the caller's colours and
// background mode.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"

#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

namespace {

constexpr int kWideView = 800;
constexpr int kClassNameBytes = 14;

void WriteLines(vd::Dc& dc, int phase, int kind, int found, int shown, int large, int middle, int small,
                const std::string& largeName, const std::string& middleName, const std::string& smallName,
                const std::string& mesh, const std::string& government, const std::string& text)
{
    dc.TextOut(20, 635, kind == 0 ? "地名検索" : "公共施設検索");
    std::string condition = mesh + "/" + government + " 分類コード $" + largeName + " $" + middleName;
    if (kind == 0)
        condition += " $" + smallName;
    dc.TextOut(20, 652, condition + " 文字列$" + text);
    if (phase != 1)
        return;
    const std::string counts =
        kind == 0 ? vd::format("  分類 大=%d 中=%d 小=%d 表示数=%d / 検索数=%d", large, middle, small, shown, found)
                  : vd::format("  分類 大=%d 中=%d 表示数=%d / 検索数=%d", large, middle, shown, found);
    dc.TextOut(20, 669, mesh + "/" + government + counts);
}

void WriteBox(vd::Dc& dc, int phase, int x, int y, int found, int shown, int large, int middle, int small,
              const std::string& largeName, const std::string& middleName, const std::string& smallName,
              const std::string& mesh, const std::string& government, const std::string& municipality,
              const std::string& text)
{
    dc.TextOut(x - 5, y - 3, "｢地名･公共施設｣の検索");
    if (!mesh.empty() && government.empty())
        dc.TextOut(x, y + 16, "ﾒｯｼｭｺｰﾄﾞ " + mesh);
    else if (!government.empty() && mesh.empty())
        dc.TextOut(x, y + 16, "行政ｺｰﾄﾞ " + government + " (" + municipality + ")");
    if (found > 0)
        dc.TextOut(x, y + 32, vd::format("分類 <検索数=%5d>", found));
    else
        dc.TextOut(x, y + 32, text.empty() ? std::string("分類") : "分類   文字列:" + text);
    // An unset class leaves its line empty, so the lines below keep their places.
    const struct {
        const char* label;
        int code;
        const std::string& name;
    } classes[] = {{"大 %2d ", large, largeName}, {"中 %2d ", middle, middleName}, {"小 %2d ", small, smallName}};
    int line = y + 48;
    for (const auto& c : classes) {
        if (c.code != -1)
            dc.TextOut(x, line, vd::format(c.label, c.code) + vd::cp932Left(c.name, kClassNameBytes));
        line += 16;
    }
    if (phase != 1)
        return;
    dc.TextOut(x, y + 96, text.empty() ? vd::format("<表示数=%d>", shown) : "文字列:" + text + vd::format(" <%d>", shown));
}

} // namespace

extern "C" void OnGnpfOutPut(vd::Dc* dc, int phase, int boxX, int boxY, int searchKind, int found, int shown,
                             int largeClass, int middleClass, int smallClass, int viewWidth, std::string largeClassName,
                             std::string middleClassName, std::string smallClassName, std::string meshCode,
                             std::string governmentCode, std::string municipality, std::string searchText)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::Font font;
        font.CreateFont(15, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                        vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ ゴシック");
        const vd::Font previous = dc.SelectObject(font);
        if (viewWidth > kWideView)
            WriteBox(dc, phase, boxX, boxY, found, shown, largeClass, middleClass, smallClass, largeClassName,
                     middleClassName, smallClassName, meshCode, governmentCode, municipality, searchText);
        else
            WriteLines(dc, phase, searchKind, found, shown, largeClass, middleClass, smallClass, largeClassName,
                       middleClassName, smallClassName, meshCode, governmentCode, searchText);
        dc.SelectObject(previous);
    });
}
