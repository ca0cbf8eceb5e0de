#include "app/settings/StartCityFile.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/fs/WinPath.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <climits>
#include <cmath>

namespace {

// Truncated toward zero and kept inside int (an overlong number text must not overflow).
int WholePart(double value)
{
    if (!(value > double(INT_MIN)))
        return INT_MIN;
    if (!(value < double(INT_MAX)))
        return INT_MAX;
    return int(value);
}

} // namespace

std::string StartCityFilePath(const std::string& appDir)
{
    return appDir + "MAPELMNT\\DPRTCITY.DAT";
}

std::vector<std::string> ReadStartCityLines(std::string_view winPath)
{
    std::vector<std::string> lines;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return lines;
    std::string line;
    while (int(lines.size()) < kStartCityListSize && reader.readLine(line)) {
        line = vd::cp932Left(line, kStartCityLineBytes);
        if (line.empty() || line[0] == ';')
            continue;
        lines.push_back(line);
    }
    return lines;
}

StartCityFields SplitStartCityLine(std::string_view line)
{
    StartCityFields fields;
    const std::size_t first = line.find('@');
    fields.name = line.substr(0, first);
    if (first == std::string_view::npos)
        return fields;
    const std::size_t second = line.find('@', first + 1);
    if (second == std::string_view::npos)
        return fields;
    fields.latitude = line.substr(first + 1, second - first - 1);
    fields.longitude = line.substr(second + 1);
    return fields;
}

DegreesMinutes ParseCoordinateText(std::string_view text)
{
    DegreesMinutes value;
    const std::size_t dot = text.find('.');
    value.degrees = vd::parseDouble(text.substr(0, dot));
    if (dot != std::string_view::npos)
        value.minutes = vd::parseDouble(vd::cp932Left(text.substr(dot + 1), 2));
    return value;
}

std::string RegisteredCoordinateText(std::string_view text)
{
    const DegreesMinutes value = ParseCoordinateText(text);
    if (!(value.minutes > 60))
        return std::string(text);
    // Two digits of hundredths of a degree as whole minutes: 75 -> 45.
    const int minutes = WholePart(value.minutes) * 60 / 100;
    const int degrees = WholePart(value.degrees);
    // "-0.75" is south of the equator too.
    const char* sign = degrees == 0 && std::signbit(value.degrees) ? "-" : "";
    return vd::format("%s%d.%d", sign, degrees, minutes);
}

std::string WholeDegreesMinutesText(double degrees, double minutes)
{
    return vd::format("%d.%d", WholePart(degrees), WholePart(minutes));
}

bool AppendStartCity(const std::string& winPath, const StartCityFields& city)
{
    const std::string folder = vd::winFolderOf(winPath);
    if (!folder.empty() && !vd::folderExists(folder) && !vd::makeFolders(folder))
        return false;
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Append))
        return false;
    writer.writeLine(city.name + "@" + city.latitude + "@" + city.longitude);
    return writer.close();
}
