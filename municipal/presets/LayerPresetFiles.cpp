#include "municipal/presets/LayerPresetFiles.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/fs/NameFolding.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace surrick {

namespace {

constexpr int kMaxPresetLines = 10;
// Enough minutes to step past any run of registrations; a folder this full is not searched on.
constexpr int kMinutesTried = 100000;

bool Skipped(const std::string& line) { return line.empty() || line[0] == ';'; }

char Base36(int value) { return value < 10 ? char('0' + value) : char('A' + value - 10); }

} // namespace

std::optional<PresetEntry> ParsePresetListLine(const std::string& line)
{
    if (Skipped(line))
        return std::nullopt;
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    return PresetEntry{line.substr(0, blank), line.substr(blank + 1)};
}

std::optional<std::vector<PresetEntry>> ReadPresetList(const std::string& path)
{
    vd::TextReader reader;
    if (!reader.open(path))
        return std::nullopt;
    std::vector<PresetEntry> entries;
    std::string line;
    while (int(entries.size()) < kMaxPresets && reader.readLine(line))
        if (auto entry = ParsePresetListLine(line))
            entries.push_back(std::move(*entry));
    return entries;
}

PresetSelection ReadPresetFile(const std::string& path)
{
    PresetSelection preset;
    vd::TextReader reader;
    if (!reader.open(path))
        return preset;
    std::vector<std::string> lines;
    std::string line;
    while (int(lines.size()) < kMaxPresetLines && reader.readLine(line))
        if (!Skipped(line))
            lines.push_back(line);
    for (int i = 0; i < kSelectionCount && i < int(lines.size()); ++i)
        preset.strings[i] = lines[i];
    if (lines.size() > kSelectionCount) {
        const std::string& digits = lines[kSelectionCount];
        for (int f = 0; f < kFamilyCount && f < int(digits.size()); ++f) {
            const char c = digits[f];
            preset.flags[f] = c == '9' ? -1 : c >= '0' && c <= '8' ? c - '0' : 0;
        }
    }
    return preset;
}

std::string PresetFlagsLine(const std::array<int, kFamilyCount>& flags)
{
    std::string line;
    for (int flag : flags)
        line += flag == -1 ? std::string("9") : vd::format("%d", flag);
    return line;
}

bool WritePresetFile(const std::string& path, const PresetSelection& preset)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    for (const std::string& s : preset.strings)
        writer.writeLine(s);
    writer.writeLine(PresetFlagsLine(preset.flags));
    return writer.close();
}

bool AppendPresetListLine(const std::string& path, const PresetEntry& entry)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::AppendExisting))
        return false;
    writer.writeLine(entry.name + " " + entry.file);
    return writer.close();
}

std::string PresetFileName(const std::tm& local)
{
    return vd::format("%02d", local.tm_year % 100) + Base36(local.tm_mon + 1) + vd::format("%02d", local.tm_mday) +
           Base36(local.tm_hour) + vd::format("%02d", local.tm_min) + ".pst";
}

std::string NewPresetFileName(const std::string& folder, std::time_t now, const std::vector<PresetEntry>& taken)
{
    const auto listed = [&](const std::string& name) {
        return std::any_of(taken.begin(), taken.end(),
                           [&](const PresetEntry& e) { return vd::foldName(e.file) == vd::foldName(name); });
    };
    for (int minute = 0; minute < kMinutesTried; ++minute) {
        const std::time_t at = now + std::time_t(minute) * 60;
        std::tm local{};
        localtime_r(&at, &local);
        const std::string name = PresetFileName(local);
        if (!listed(name) && !vd::pathExists(folder + name))
            return name;
    }
    return {};
}

} // namespace surrick
