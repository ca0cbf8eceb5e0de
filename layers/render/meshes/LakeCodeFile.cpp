#include "layers/render/meshes/LakeCodeFile.h"

#include "layers/render/meshes/MeshLayer.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

namespace meshes {

namespace {

constexpr int kReplacedChars = 7;
constexpr char kCodeFileName[] = "湖沼ｺｰﾄﾞ.dat";
constexpr std::string_view kFullWidthBlank = "\x81\x40"; // "　" in CP932
constexpr std::size_t kCodeWidth = 6;                   // compared of the stored 7

// The name of columns 14-45 up to the first full-width blank, on whole characters.
std::string_view LakeName(std::string_view line)
{
    const std::string_view field = vd::rawField(line, 14, 32);
    std::size_t i = 0;
    while (i < field.size()) {
        if (field.substr(i, 2) == kFullWidthBlank)
            return field.substr(0, i);
        i += vd::isCp932Lead(static_cast<unsigned char>(field[i])) ? 2 : 1;
    }
    return field;
}

} // namespace

std::string LakeCodeFileName(std::string_view dataPath)
{
    const std::size_t slash = dataPath.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = dataPath.find('.', nameStart);
    const std::string_view stem = dataPath.substr(nameStart, dot == std::string_view::npos ? dot : dot - nameStart);
    const int kept = vd::cp932Width(stem) - kReplacedChars;
    return std::string(dataPath.substr(0, nameStart)) + (kept > 0 ? vd::cp932Left(stem, kept) : "") + kCodeFileName;
}

bool ReadLakeCodeLines(const std::string& dataPath, std::vector<std::string>& lines)
{
    return ForEachMeshLine(dataPath, [&](std::string_view line) {
        if (!line.empty() && line[0] == 'D')
            lines.push_back(std::string(vd::rawField(line, 5, 7)) + std::string(LakeName(line)) + " " +
                            std::to_string(vd::parseInt(vd::rawField(line, 46, 4))));
        return true;
    });
}

std::vector<std::string> LakeLabelLines(const std::string& codeFile, std::string_view code, int labelMode)
{
    std::vector<std::string> label;
    ForEachMeshLine(codeFile, [&](std::string_view line) {
        if (line.size() < kCodeWidth || std::string_view(line).substr(0, kCodeWidth) != code.substr(0, kCodeWidth))
            return true;
        const std::string text = vd::cp932ToUtf8(vd::rawField(line, 7));
        const std::size_t blank = text.find(' ');
        const std::string name = text.substr(0, blank);
        const std::string elevation = (blank == std::string::npos ? std::string() : text.substr(blank + 1)) + "m";
        switch (labelMode) {
        case 1: label = {name}; break;
        case 2: label = {elevation}; break;
        case 3: label = {name, elevation}; break;
        case 4: label = {text + "m", vd::cp932ToUtf8(code)}; break;
        default: break;
        }
        return false;
    });
    return label;
}

} // namespace meshes
