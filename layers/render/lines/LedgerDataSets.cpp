#include "layers/render/lines/LedgerDataSets.h"

#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

namespace ledger {

namespace {

struct DataSetCode {
    const char* code;
    int selector;
};

constexpr std::array<DataSetCode, 16> kDataSetCodes{{
    {"C26-59L", 0},  {"C34-60L", 1},  {"C43-60L", 2},  {"C14-59L", 3},  {"C11-59L", 4},  {"C13-60L", 5},
    {"C35-60L", 6},  {"C37-62L", 7},  {"C20-59L", 8},  {"C21-59L", 9},  {"C10-59L", 10}, {"C17-59L", 11},
    {"C19-59L", 12}, {"C18-59L", 13}, {"C22-59L", kMineralSelector}, {"C32-59L", kPartedSelector},
}};

} // namespace

bool PathHasCode(std::string_view dataPath, std::string_view code)
{
    return vd::toUpperAscii(dataPath).find(vd::toUpperAscii(code)) != std::string::npos;
}

int LedgerSelector(std::string_view dataPath)
{
    int selector = kNoSelector;
    for (const DataSetCode& entry : kDataSetCodes)
        if (PathHasCode(dataPath, entry.code))
            selector = entry.selector;
    return selector;
}

std::string LedgerName(std::string_view dataPath)
{
    const std::size_t slash = dataPath.rfind('\\');
    const std::string_view name = slash == std::string_view::npos ? dataPath : dataPath.substr(slash + 1);
    return "台帳" + vd::cp932Left(name, 3) + ".dat";
}

int PartOfLongitudeCode(int code)
{
    for (std::size_t i = 0; i < kLedgerParts.size(); ++i)
        if (code >= kLedgerParts[i].firstLongitudeCode && code <= kLedgerParts[i].lastLongitudeCode)
            return int(i);
    return -1;
}

std::string LedgerAnswer(const std::string& ledgerPath, int selector)
{
    return ledgerPath + "/" + std::to_string(selector);
}

LedgerChoice SplitLedgerAnswer(std::string_view answer)
{
    const std::size_t slash = answer.rfind('/');
    if (answer.empty() || slash == std::string_view::npos)
        return {};
    return {std::string(answer.substr(0, slash)), vd::parseInt(answer.substr(slash + 1))};
}

} // namespace ledger
