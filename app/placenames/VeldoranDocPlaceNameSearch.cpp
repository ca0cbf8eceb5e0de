// The place-name and public-facility search flow: the dialog library collects the conditions,
// the document keeps them and moves the map to the sheet of the searched area; the renderer
// searches and draws the hits on the next repaint.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/tovendlg.h"

#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/TovendlgExports.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"
#include "platform/ui/Ui.h"

#include <array>

namespace {

// Neither table to search: where the user names them.
constexpr const char* kNoPlaceNameTablesMessage =
    "検索する表がありません。\n環境設定の［地名･公共施設］で「注記」と「公共施設」の表 (CSV) を指定してください。";

constexpr int kAnswerNumbers = 10;
constexpr int kAnswerTexts = 7;
constexpr int kDisplayTab = 2;

struct SearchAnswer {
    std::array<int, kAnswerNumbers> numbers{};
    std::array<std::string, kAnswerTexts> texts;
    std::string rest;
};

// Ten numbers and seven texts, each ended by "|", then the rest as it stands. Fields the answer
// lacks are 0 or empty.
SearchAnswer ParseAnswer(const std::string& answer)
{
    SearchAnswer parsed;
    std::size_t at = 0;
    const auto next = [&]() {
        if (at > answer.size())
            return std::string();
        const std::size_t bar = answer.find('|', at);
        std::string field = answer.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
        at = bar == std::string::npos ? answer.size() + 1 : bar + 1;
        return field;
    };
    for (int& number : parsed.numbers)
        number = vd::parseInt(next());
    for (std::string& text : parsed.texts)
        text = next();
    if (at <= answer.size())
        parsed.rest = answer.substr(at);
    return parsed;
}

std::string UpToFirstBlank(const std::string& text)
{
    return text.substr(0, text.find(' '));
}

} // namespace

void CVeldoranDoc::RetrievePlaceNames()
{
    if (environment.m_strAnnotationTable.empty() && environment.m_strPublicFacilityTable.empty()) {
        vd::ui::AfxMessageBox(kNoPlaceNameTablesMessage, vd::MB_OK | vd::MB_ICONINFORMATION);
        return;
    }
    std::string previous;
    if (m_nGnpfValue0 == -1) {
        m_strGnpfText0.clear();
        m_strGnpfText4.clear();
        m_strGnpfText5.clear();
        m_strGnpfText6.clear();
        m_strGnpfRest.clear();
        m_nGnpfValue9 = 0;
        m_nGnpfValue3 = m_nGnpfValue4 = m_nGnpfValue5 = m_nGnpfValue6 = -1;
        m_nGnpfValue1 = 1;
        m_nGnpfValue2 = 2;
    } else {
        previous = m_strGnpfText0 + "|" + m_strGnpfText1 + "|" + m_strGnpfText2 + "|" + m_strGnpfText3;
    }

    // Without the dialog library the search behaves as cancelled.
    OnGnpfRetrieveSet_fn* dialog = Tovendlg().OnGnpfRetrieveSet.fn;
    if (!dialog)
        return;
    repaint.m_bDialogOpen = 1;
    const std::string answer =
        dialog(m_nGnpfValue9 + 10 * m_nGnpfValue7 + 100 * m_nGnpfValue8, m_nGnpfValue1, m_nGnpfValue2,
               environment.m_nGnpfSetting, m_nGnpfValue0, m_nGnpfValue3, m_nGnpfValue4, m_nGnpfValue5, m_nGnpfValue6,
               m_strGnpfText4, m_strGnpfRest, previous);
    repaint.m_bDialogOpen = 0;
    if (answer.empty())
        return;

    const SearchAnswer parsed = ParseAnswer(answer);
    m_nGnpfValue9 = parsed.numbers[9];
    if (m_nGnpfValue9 == kDisplayTab) {
        // Closed on the display tab: only the display settings change.
        m_nGnpfValue7 = parsed.numbers[7];
        m_nGnpfValue8 = parsed.numbers[8];
        return;
    }
    int* const values[] = {&m_nGnpfValue0, &m_nGnpfValue1, &m_nGnpfValue2, &m_nGnpfValue3, &m_nGnpfValue4,
                           &m_nGnpfValue5, &m_nGnpfValue6, &m_nGnpfValue7, &m_nGnpfValue8};
    for (int n = 0; n < 9; ++n)
        *values[n] = parsed.numbers[n];
    std::string* const texts[] = {&m_strGnpfText0, &m_strGnpfText1, &m_strGnpfText2, &m_strGnpfText3,
                                  &m_strGnpfText4, &m_strGnpfText5, &m_strGnpfText6};
    for (int n = 0; n < kAnswerTexts; ++n)
        *texts[n] = parsed.texts[n];
    m_strGnpfRest = parsed.rest;

    if (m_nGnpfValue0 == -1)
        return;
    for (int* classCode : {&m_nGnpfValue3, &m_nGnpfValue4, &m_nGnpfValue5})
        if (*classCode == 0)
            *classCode = -1;
    if (m_nGnpfValue3 != -1)
        LoadPlaceNameColours(m_nGnpfValue3 - 1);
    m_nMapDisplayMode = map_display::kMainMap;
    repaint.m_bMapOnScreen = 0;
    m_strPlaceNameState = "GNPF";
    search.m_nPlaceNameLayer = m_nGnpfValue0;

    // The sheet of the prefecture's office, or of the municipality's mesh code.
    std::string sheet;
    const bool prefecture = !m_strGnpfText5.empty();
    const bool municipality = !m_strGnpfText4.empty();
    if (prefecture && !municipality) {
        OnGetMechCodeFromGovermentCode_fn* meshOf = Dovanne().OnGetMechCodeFromGovermentCode.fn;
        sheet = MeshCodeToSheetName(meshOf ? meshOf(m_strGnpfText5) : std::string());
        m_strGnpfText4.clear();
    } else if (!prefecture && municipality) {
        sheet = MeshCodeToSheetName(m_strGnpfText4);
    } else if (!prefecture && !municipality) {
        return;
    }
    sheet = UpToFirstBlank(sheet);
    // A search whose sheet is unknown leaves the map where it is (an empty name would pick
    // whatever sheet the index lists first).
    if (!sheet.empty() && sheet != UpToFirstBlank(m_strMapName)) {
        if (position.m_nMapFrame == 3) {
            position.m_nMapFrame = 2;
            position.m_nMapFrameCopy2 = 2;
        }
        m_strMapName = sheet;
        FindSheetByName(m_strMapName, folders.m_strSheetIndexFile);
    }
    m_nResultCount = m_nResultDrawn = m_nResultTotal = 0;
}
