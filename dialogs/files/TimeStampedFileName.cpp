#include "dialogs/files/TimeStampedFileName.h"

#include "platform/fs/FileSystem.h"
#include "platform/ui/Ui.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* KindPrefix(int kind)
{
    return kind == 0 ? "N" : "G";
}

const char* KindSuffix(int kind)
{
    switch (kind) {
    case 2: return "R";
    case 3: return "A";
    case 4: return "W";
    case 5: return "J";
    default: return "";
    }
}

std::string MonthPart(int month)
{
    return month <= 9 ? std::to_string(month) : std::string(1, char('A' + month - 10));
}

// The number that ends the name: kind 1 the digits of day, hour and minute read as one decimal
// number, the others the minute.
long StampNumber(int kind, const std::tm& t)
{
    if (kind != 1)
        return t.tm_min;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%02d%02d%d", t.tm_mday, t.tm_hour, t.tm_min);
    return std::strtol(digits, nullptr, 10);
}

std::string NameWithNumber(int kind, const std::tm& t, long number)
{
    if (kind < 0 || kind > 5)
        return {};
    const std::string year = std::to_string(t.tm_year + 1900);
    const std::string month = MonthPart(t.tm_mon + 1);
    char text[64];
    if (kind == 1) {
        std::snprintf(text, sizeof text, "%s%c%s%lx.alb", KindPrefix(kind), year[3], month.c_str(),
                      number);
    } else {
        std::snprintf(text, sizeof text, "%s%c%c%s%02d%02d.%ld%s", KindPrefix(kind), year[2], year[3],
                      month.c_str(), t.tm_mday, t.tm_hour, number, KindSuffix(kind));
    }
    return text;
}

} // namespace

std::string TimeStampedFileName(int kind, const std::tm& localTime)
{
    return NameWithNumber(kind, localTime, StampNumber(kind, localTime));
}

std::string FreeTimeStampedFileName(int kind, std::string_view winFolder)
{
    const std::time_t now = vd::ui::time();
    std::tm local{};
    localtime_r(&now, &local);
    std::string folder(winFolder);
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    long number = StampNumber(kind, local);
    std::string name = NameWithNumber(kind, local, number);
    // A folder holds far fewer files than this; the bound only guarantees an end.
    for (int tries = 0; !name.empty() && tries < 100000 && vd::pathExists(folder + name); ++tries)
        name = NameWithNumber(kind, local, ++number);
    return name;
}
