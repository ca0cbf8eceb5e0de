// The document's prefecture statistics: Surrick's display settings and the ranking of the chosen
// data set, the data entry and editing commands, and the ranking list.
#include "app/document/MapDisplayMode.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "app/statistics/DataListDialog.h"
#include "app/statistics/PrefectureRanking.h"
#include "basemap/files/PrefectureDataFile.h"
#include "contracts/surrick.h"
#include "platform/ui/Ui.h"

#include <array>

namespace {

const std::string kDashes(39, '-');

// What to tell the user about a chosen data set that has nothing to show; empty when it has.
std::string UnreadableDataSet(const std::string& file)
{
    if (file.empty())
        return {};
    const auto data = ReadPrefectureDataFile(file);
    if (!data)
        return "都道府県別データのファイル " + file + " を開けません。\n地図は変わりません。";
    if (data->rows.empty())
        return "都道府県別データのファイル " + file + " に都道府県のデータがありません。\n地図は変わりません。";
    return {};
}

} // namespace

void CVeldoranDoc::SetPrefectureDataDisplay()
{
    auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLocalDataDspSet);
    if (!dialog)
        return;
    if (!statistics.Chosen())
        statistics.SetDefaults();
    if (statistics.m_nBorders > 1)
        statistics.m_nBorders /= 10;

    repaint.m_bLayerDialogOpen = 1;
    const std::string answer = dialog(statistics.m_nShow, statistics.m_nGraticule, statistics.m_nRanked,
                                      statistics.m_nColour, statistics.m_nBorders, statistics.m_nBorderColour,
                                      statistics.m_nMethod, statistics.m_nCatalogueIndex, statistics.m_nBackground,
                                      statistics.m_nChoropleth, statistics.m_nTenClasses, statistics.m_strPrefDataName,
                                      statistics.m_strPrefDataFile, folders.m_strAppDir, environment.m_strEditor);
    repaint.m_bLayerDialogOpen = 0;

    if (answer == "-999") {
        statistics.m_nShow = -1;
        statistics.m_strPrefDataName.clear();
        statistics.m_strPrefDataFile.clear();
        statistics.m_nGraticuleKept = statistics.m_nGraticule;
        return;
    }
    if (!answer.empty()) {
        // A short answer is refused whole and changes nothing.
        StatisticsSelection chosen = statistics;
        if (chosen.ReadAnswer(answer)) {
            // A data set that cannot be read would make a map of no values: the user is told
            // which file, and the map stays as it was.
            if (const std::string unreadable = UnreadableDataSet(chosen.m_strPrefDataFile); !unreadable.empty()) {
                vd::ui::AfxMessageBox(unreadable, vd::MB_OK | vd::MB_ICONEXCLAMATION);
                return;
            }
            statistics = chosen;
        }
    }
    if (!statistics.Chosen())
        return;

    const int method = statistics.m_nMethod;
    if (statistics.m_strPrefDataFile != ranking.m_strPrefDataLoaded || method != ranking.m_nPrefDataLoadedMethod)
        ReadPrefectureDataTexts();
    if (statistics.m_nRanked == 1)
        RankPrefectureData(method);
    ranking.m_strPrefDataLoaded = statistics.m_strPrefDataFile;
    ranking.m_nPrefDataLoadedMethod = method;
    m_nMapDisplayMode = map_display::kMainMap;
    position.m_nMapType = 2;
}

void CVeldoranDoc::ReadPrefectureDataTexts()
{
    // Every text is written anew, so no line of an earlier, longer set stays behind.
    ranking.m_astrPrefDataText.fill({});
    ranking.m_abPrefLineRead.fill(false);
    const auto file = ReadPrefectureDataFile(statistics.m_strPrefDataFile);
    if (!file)
        return;
    ranking.m_astrPrefDataText[0] = file->dataName;
    ranking.m_astrPrefDataText[1] = kDashes;
    // Lines past the 47th have no prefecture and are left out.
    for (std::size_t k = 0; k < file->rows.size() && k < std::size_t(kRankedPrefectures); ++k) {
        const PrefectureDataRow& row = file->rows[k];
        ranking.m_astrPrefDataText[2 + k] = row.name + " " + row.valueText;
        ranking.m_adPrefLineValue[k] = row.value;
        ranking.m_abPrefLineRead[k] = true;
    }
}

void CVeldoranDoc::RankPrefectureData(int method)
{
    const bool divided = DivisorFileName(method).has_value();
    ranking.m_adPrefDivisor = ReadPrefectureDivisors(folders.m_strAppDir, method);
    for (int k = 0; k < kRankedPrefectures; ++k) {
        ranking.m_adPrefValue[k].reset();
        if (!ranking.m_abPrefLineRead[k])
            continue;
        if (!divided) {
            ranking.m_adPrefValue[k] = ranking.m_adPrefLineValue[k];
        } else if (ranking.m_adPrefDivisor[k] && *ranking.m_adPrefDivisor[k] != 0) {
            // A missing or zero divisor leaves the prefecture without a value, never infinite.
            ranking.m_adPrefValue[k] = ranking.m_adPrefLineValue[k] / *ranking.m_adPrefDivisor[k];
        }
    }
    const PrefectureRanking ranked = RankPrefectureValues(ranking.m_adPrefValue);
    ranking.m_anPrefRank = ranked.rank;
    ranking.m_fPrefSum = ranked.sum;
    ranking.m_fPrefMax = ranked.max;
    ranking.m_fPrefMean = ranked.mean;
}

void CVeldoranDoc::OnPrefDataRegister()
{
    if (auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLclDataRgst))
        dialog(folders.m_strAppDir);
}

void CVeldoranDoc::OnPrefDataUpdate()
{
    auto* dialog = CommandEntryPoint(kStatisticsPart, Surrick().OnLclDataUpdt);
    if (!dialog)
        return;
    repaint.m_bLayerDialogOpen = 1;
    dialog(folders.m_strAppDir, environment.m_strEditor);
    repaint.m_bLayerDialogOpen = 0;
}

int CVeldoranDoc::ShowDataListDialog(int mode)
{
    CDlgDistanceList dialog;
    dialog.m_nMode = mode;
    if (mode == 2) {
        dialog.m_astrText = ranking.m_astrPrefDataText;
        dialog.m_strAppDir = folders.m_strAppDir;
        dialog.m_nMethod = statistics.m_nMethod;
        dialog.m_bRanked = statistics.m_nRanked == 1 ? 1 : 0;
        for (int k = 0; k < kRankedPrefectures; ++k)
            dialog.m_anByRank[k] = ranking.m_anPrefRank[k][0];
        if (dialog.m_bRanked) {
            dialog.m_fSum = ranking.m_fPrefSum;
            dialog.m_fMax = ranking.m_fPrefMax;
            dialog.m_fMean = ranking.m_fPrefMean;
        }
    }
    repaint.m_bLayerDialogOpen = 1;
    const int result = dialog.DoModal();
    repaint.m_bLayerDialogOpen = 0;
    return result;
}
