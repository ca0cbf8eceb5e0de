// The place-name and public-facility search conditions: the caller's previous conditions go
// into the pages of the search kind they belong to, the answer carries the conditions of the
// kind searched (or, when no search tab was ever active, the caller's own back).
#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/PlaceSearchDialog.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"

#include <array>

namespace {

// The output file and the class names of the previous search, "path|name|name|name".
std::array<std::string, 4> SplitPrevious(const std::string& previous)
{
    std::array<std::string, 4> fields;
    std::size_t at = 0;
    for (std::size_t n = 0; n < fields.size() && at <= previous.size(); ++n) {
        const std::size_t bar = n + 1 < fields.size() ? previous.find('|', at) : std::string::npos;
        fields[n] = previous.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
        at = bar == std::string::npos ? previous.size() + 1 : bar + 1;
    }
    return fields;
}

// A text of the answer never carries the separator: a typed "|" becomes "｜".
std::string AnswerText(std::string text)
{
    vd::replaceAll(text, "|", "｜");
    return text;
}

struct Echo {
    int numbers[4];
    std::string names[3];
    std::string governmentCode;
    std::string containedText;
};

std::string Answer(const CDlgPlaceSearch& dialog, const Echo& echo)
{
    int numbers[10] = {dialog.m_nSearchKind, dialog.m_nFileMode, dialog.m_nFileFormat, 0, 0, 0, 0,
                       dialog.m_display.m_nDisplayMode, dialog.m_display.m_nTextSize, dialog.m_nShownTab};
    std::string texts[8];
    texts[0] = dialog.m_strOutputPath;
    const CDlgSearchPlaceName& names = dialog.m_placeNames;
    const CDlgSearchFacility& facilities = dialog.m_facilities;
    if (dialog.m_nSearchKind == 0) {
        const int codes[] = {names.m_nMajorCode, names.m_nMiddleCode, names.m_nMinorCode, names.m_nPrefectureIndex};
        std::copy(std::begin(codes), std::end(codes), numbers + 3);
        const std::string strings[] = {names.m_strMajorName,      names.m_strMiddleName,     names.m_strMinorName,
                                       names.m_strGovernmentCode, names.m_strPrefectureCode, names.m_strPrefectureName,
                                       names.m_strContainedText};
        std::copy(std::begin(strings), std::end(strings), texts + 1);
    } else if (dialog.m_nSearchKind == 1) {
        const int codes[] = {7, facilities.m_nMajorCode, facilities.m_nMinorCode, facilities.m_nPrefectureIndex};
        std::copy(std::begin(codes), std::end(codes), numbers + 3);
        const std::string strings[] = {facilities.m_strMajorName,      facilities.m_strMinorName,
                                       std::string(),                  facilities.m_strGovernmentCode,
                                       facilities.m_strPrefectureCode, facilities.m_strPrefectureName,
                                       facilities.m_strContainedText};
        std::copy(std::begin(strings), std::end(strings), texts + 1);
    } else {
        std::copy(std::begin(echo.numbers), std::end(echo.numbers), numbers + 3);
        std::copy(std::begin(echo.names), std::end(echo.names), texts + 1);
        texts[4] = echo.governmentCode;
        texts[7] = echo.containedText;
    }
    std::string answer;
    for (int number : numbers)
        answer += vd::format("%d|", number);
    for (int n = 0; n < 8; ++n)
        answer += (n ? "|" : "") + AnswerText(texts[n]);
    return answer;
}

} // namespace

extern "C" std::string OnGnpfRetrieveSet(int tabModeAndSize, int fileMode, int fileFormat, int provisionalElevation,
                                         int searchKind, int majorClass, int class2, int class3, int prefectureIndex,
                                         std::string governmentCode, std::string containedText,
                                         std::string previousSearch)
{
    return RunEntryPoint(std::string(), [&] {
        const std::array<std::string, 4> previous = SplitPrevious(previousSearch);
        CDlgPlaceSearch dialog;
        dialog.m_nShownTab = tabModeAndSize % 10;
        dialog.m_display.m_nDisplayMode = tabModeAndSize / 10 % 10;
        dialog.m_display.m_nTextSize = tabModeAndSize / 100;
        dialog.m_nFileMode = fileMode;
        dialog.m_nFileFormat = fileFormat;
        dialog.m_nProvisionalElevation = provisionalElevation;
        dialog.m_nSearchKind = searchKind;
        dialog.m_strOutputPath = previous[0];
        SearchConditionsPage* area = nullptr;
        if (searchKind == 0) {
            CDlgSearchPlaceName& names = dialog.m_placeNames;
            names.m_nMajorCode = majorClass;
            names.m_nMiddleCode = class2;
            names.m_nMinorCode = class3;
            names.m_strMajorName = previous[1];
            names.m_strMiddleName = previous[2];
            names.m_strMinorName = previous[3];
            area = &names;
        } else if (searchKind == 1) {
            CDlgSearchFacility& facilities = dialog.m_facilities;
            facilities.m_nMajorCode = class2;
            facilities.m_nMinorCode = class3;
            facilities.m_strMajorName = previous[1];
            facilities.m_strMinorName = previous[2];
            dialog.m_placeNames.m_nMajorCode = 7;
            area = &facilities;
        }
        if (area) {
            area->m_nPrefectureIndex = prefectureIndex;
            area->m_strGovernmentCode = governmentCode;
            area->m_strContainedText = containedText;
        }
        if (dialog.DoModal() != vd::IDOK)
            return std::string();
        const Echo echo{{majorClass, class2, class3, prefectureIndex},
                        {previous[1], previous[2], previous[3]},
                        governmentCode,
                        containedText};
        return Answer(dialog, echo);
    });
}
