#pragma once
// The ranking list of a prefecture statistics data set (template 223 "都道府県別データ"): the
// title, a dashed line and the 47 prefecture lines in code order, by descending or by ascending
// value; button 1423 steps through the three orders once the values are ranked, and each
// prefecture line carries its computed value in brackets.
#include "app/statistics/PrefectureRanking.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The dialog's control ids (template 223).
namespace datalistids {
inline constexpr int IDC_LIST = 1406;
inline constexpr int IDC_NOTE = 1407;
inline constexpr int IDC_SORT = 1423;
} // namespace datalistids

class CDlgDistanceList : public vd::Dialog {
public:
    enum { IDD = 223 };
    CDlgDistanceList();

    int m_nMode = 0;
    std::array<std::string, 49> m_astrText; // 0 the title, 1 the dashes, 2.. the prefectures
    int m_bRanked = 0;
    int m_nMethod = 0;
    std::array<int, kRankedPrefectures> m_anByRank{}; // the prefecture index at each rank
    float m_fSum = 0;
    float m_fMax = 0;
    float m_fMean = 0;
    std::string m_strAppDir;
    int m_nSortState = 0; // 0 code order, 1 descending, 2 ascending

    bool OnInitDialog() override;

private:
    void FillList();
    void ComputeBrackets();
    void OnSortButton();
    bool m_bBracketsPending = true;
};
