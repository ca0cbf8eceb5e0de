#include "municipal/conversion/SourceFolder.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <algorithm>
#include <array>

namespace municipal {
namespace {

std::string_view Stem(std::string_view name)
{
    return name.substr(0, name.find('.'));
}

void ReplaceFirst(std::string& text, std::size_t from, char what, char with)
{
    if (const std::size_t at = text.find(what, from); at != std::string::npos)
        text[at] = with;
}

} // namespace

std::string OutputFileName(std::string_view sourceName, SourceTheme theme)
{
    const std::string lower = vd::toLowerAscii(sourceName);
    const std::string_view stem = Stem(lower);
    std::string rest;
    if (theme == SourceTheme::AdministrativeArea) {
        rest = std::string(stem.substr(std::min<std::size_t>(4, stem.size())));
    } else {
        const std::size_t dash = stem.find('-');
        rest = dash == std::string_view::npos ? std::string() : std::string(stem.substr(dash + 1));
    }
    ReplaceFirst(rest, 0, '-', '_');
    return std::string(ColumnsOf(theme).outputPrefix) + rest + ".dat";
}

int PrefectureSlot(std::string_view sourceName)
{
    const std::string_view stem = Stem(sourceName);
    return vd::parseInt(stem.substr(stem.size() < 2 ? 0 : stem.size() - 2));
}

SourcePlan PlanSourceFolder(std::string_view folder, SourceTheme theme)
{
    SourcePlan plan;
    const auto entries = vd::listFolder(std::string(folder) + "*.*");
    if (!entries)
        return plan;
    const SourceColumns& columns = ColumnsOf(theme);
    std::array<std::string, kSlotCount> taken; // the file in each slot
    std::vector<SourceFile> kept;
    int matching = 0;
    for (const vd::FolderEntry& entry : *entries) {
        const std::string lower = vd::toLowerAscii(entry.name);
        if (entry.status.isFolder || !lower.starts_with(columns.namePrefix) || lower.find(".txt") == std::string::npos)
            continue;
        if (++matching > kSlotCount) {
            plan.refused.push_back({entry.name, vd::format("%d個を超えるファイル", kSlotCount)});
            continue;
        }
        const int slot = PrefectureSlot(entry.name);
        if (slot < 0 || slot >= kSlotCount) {
            plan.refused.push_back({entry.name, vd::format("都道府県番号 %d は範囲外", slot)});
            continue;
        }
        kept.push_back({entry.name, slot, OutputFileName(entry.name, theme)});
    }
    std::stable_sort(kept.begin(), kept.end(), [](const SourceFile& a, const SourceFile& b) { return a.slot < b.slot; });
    for (SourceFile& file : kept) {
        std::string& holder = taken[std::size_t(file.slot)];
        if (!holder.empty()) {
            plan.refused.push_back({file.name, "都道府県番号が " + holder + " と同じ"});
            continue;
        }
        holder = file.name;
        plan.files.push_back(std::move(file));
    }
    return plan;
}

} // namespace municipal
