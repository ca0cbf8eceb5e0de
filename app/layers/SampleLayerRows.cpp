#include "app/layers/SampleLayerRows.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextLines.h"
#include "platform/fs/TextReader.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

std::string ExpandFolder(std::string value, const std::string& appDir)
{
    for (std::size_t at = value.find("@:"); at != std::string::npos; at = value.find("@:", at + appDir.size()))
        value.replace(at, 2, appDir);
    return value;
}

std::string_view KeyOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
}

} // namespace

void InstallSampleLayerRows(const std::string& appDir, const std::string& settingsFile, bool createMissing)
{
    const std::optional<std::vector<std::string>> sample = vd::readTextLines(appDir + "KSJ\\SAMPLE.DAT");
    if (!sample)
        return;
    std::vector<std::string> rows;
    for (const std::string& line : *sample) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string::npos || !SameNameIgnoringCase(std::string_view(line).substr(0, blank), settingsFile))
            continue;
        std::string row = line.substr(blank + 1);
        if (!KeyOf(row).empty())
            rows.push_back(ExpandFolder(std::move(row), appDir));
    }
    if (rows.empty())
        return;
    const std::string path = appDir + settingsFile;
    std::optional<vd::TextLines> settings = vd::TextLines::read(path);
    if (!settings && createMissing && !vd::pathExists(path))
        settings.emplace();
    if (!settings)
        return;
    for (const std::string& row : rows) {
        bool replaced = false;
        for (std::size_t i = 0; i < settings->size() && !replaced; ++i)
            if (KeyOf(settings->text(i)) == KeyOf(row))
                replaced = settings->setText(i, row);
        if (!replaced)
            settings->appendText(row);
    }
    (void)settings->write(path);
}
