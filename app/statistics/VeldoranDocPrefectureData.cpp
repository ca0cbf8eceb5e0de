// The document's prefecture statistics: Surrick's display settings and the ranking of the chosen
// data set, the data entry and editing commands, and the ranking list.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerAnswer.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "app/statistics/DataListDialog.h"
#include "app/statistics/PrefectureRanking.h"
#include "basemap/files/PrefectureDataFile.h"
#include "contracts/surrick.h"

namespace {

const std::string kDashes(39, '-');

} // namespace

void CVeldoranDoc::SetPrefectureDataDisplay()
{
    auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLocalDataDspSet);
    if (!dialog)
        return;
    auto& data = m_anPrefData;
    if (data[0] == -1) {
        const int defaults[] = {0, 2, 1, 0, 0, 0, -1, 1, 5, 0};
        std::copy(std::begin(defaults), std::end(defaults), data.begin() + 2);
        m_strPrefDataName.clear();
        m_strPrefDataFile.clear();
    }
    if (data[4] > 1)
        data[4] /= 10;

    m_bLayerDialogOpen = 1;
    const std::string answer = dialog(data[0], data[7], data[2], data[3], data[4], data[5], data[6], data[8],
                                      data[11], data[9], data[10], m_strPrefDataName, m_strPrefDataFile, m_strAppDir,
                                      m_strEditor);
    m_bLayerDialogOpen = 0;

    if (answer == "-999") {
        data[0] = -1;
        m_strPrefDataName.clear();
        m_strPrefDataFile.clear();
        data[1] = data[7];
        return;
    }
    if (!answer.empty()) {
        // A short answer is refused whole and changes nothing.
        if (auto fields = LayerAnswer::Split(answer, 12)) {
            for (int element : {0, 2, 3, 4, 5, 6, 7, 8, 11, 9, 10})
                data[element] = fields->Int();
            m_strPrefDataName = fields->Text();
            m_strPrefDataFile = fields->Rest();
            if (m_strPrefDataFile.empty())
                data[0] = -1;
        }
    }
    if (data[0] == -1)
        return;

    const int method = data[6];
    if (m_strPrefDataFile != m_strPrefDataLoaded || method != m_nPrefDataLoadedMethod)
        ReadPrefectureDataTexts();
    if (data[2] == 1)
        RankPrefectureData(method);
    m_strPrefDataLoaded = m_strPrefDataFile;
    m_nPrefDataLoadedMethod = method;
    m_nMapDisplayMode = map_display::kMainMap;
    m_nMapType = 2;
}

void CVeldoranDoc::ReadPrefectureDataTexts()
{
    // Every text is written anew, so no line of an earlier, longer set stays behind.
    m_astrPrefDataText.fill({});
    m_abPrefLineRead.fill(false);
    const auto file = ReadPrefectureDataFile(m_strPrefDataFile);
    if (!file)
        return;
    m_astrPrefDataText[0] = file->dataName;
    m_astrPrefDataText[1] = kDashes;
    // Lines past the 47th have no prefecture and are left out.
    for (std::size_t k = 0; k < file->rows.size() && k < std::size_t(kRankedPrefectures); ++k) {
        const PrefectureDataRow& row = file->rows[k];
        m_astrPrefDataText[2 + k] = row.name + " " + row.valueText;
        m_adPrefLineValue[k] = row.value;
        m_abPrefLineRead[k] = true;
    }
}

void CVeldoranDoc::RankPrefectureData(int method)
{
    const bool divided = DivisorFileName(method).has_value();
    m_adPrefDivisor = ReadPrefectureDivisors(m_strAppDir, method);
    for (int k = 0; k < kRankedPrefectures; ++k) {
        m_adPrefValue[k].reset();
        if (!m_abPrefLineRead[k])
            continue;
        if (!divided) {
            m_adPrefValue[k] = m_adPrefLineValue[k];
        } else if (m_adPrefDivisor[k] && *m_adPrefDivisor[k] != 0) {
            // A missing or zero divisor leaves the prefecture without a value, never infinite.
            m_adPrefValue[k] = m_adPrefLineValue[k] / *m_adPrefDivisor[k];
        }
    }
    const PrefectureRanking ranking = RankPrefectureValues(m_adPrefValue);
    m_anPrefRank = ranking.rank;
    m_fPrefSum = ranking.sum;
    m_fPrefMax = ranking.max;
    m_fPrefMean = ranking.mean;
}

void CVeldoranDoc::OnPrefDataRegister()
{
    if (auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLclDataRgst))
        dialog(m_strAppDir);
}

void CVeldoranDoc::OnPrefDataUpdate()
{
    auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLclDataUpdt);
    if (!dialog)
        return;
    m_bLayerDialogOpen = 1;
    dialog(m_strAppDir, m_strEditor);
    m_bLayerDialogOpen = 0;
}

int CVeldoranDoc::ShowDataListDialog(int mode)
{
    CDlgDistanceList dialog;
    dialog.m_nMode = mode;
    if (mode == 2) {
        dialog.m_astrText = m_astrPrefDataText;
        dialog.m_strAppDir = m_strAppDir;
        dialog.m_nMethod = m_anPrefData[6];
        dialog.m_bRanked = m_anPrefData[2] == 1 ? 1 : 0;
        for (int k = 0; k < kRankedPrefectures; ++k)
            dialog.m_anByRank[k] = m_anPrefRank[k][0];
        if (dialog.m_bRanked) {
            dialog.m_fSum = m_fPrefSum;
            dialog.m_fMax = m_fPrefMax;
            dialog.m_fMean = m_fPrefMean;
        }
    }
    m_bLayerDialogOpen = 1;
    const int result = dialog.DoModal();
    m_bLayerDialogOpen = 0;
    return result;
}
