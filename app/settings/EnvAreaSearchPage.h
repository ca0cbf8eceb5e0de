#pragma once
// The search page of the environment settings (template 139 "検索"): whether searches are limited
// to an area around a point, the area's shape (circle or square) and its diameter or side in km.
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 139).
namespace envareasearchids {
inline constexpr int IDC_AREA_SEARCH = 1142;
inline constexpr int IDC_CIRCLE = 1143;
inline constexpr int IDC_SQUARE = 1144;
inline constexpr int IDC_SIZE_KM = 1145;
inline constexpr int IDC_SIZE_LABEL = 1156;
} // namespace envareasearchids

class CDlgEnvAreaSearch : public vd::Dialog {
public:
    enum { IDD = 139 };
    CDlgEnvAreaSearch();

    int m_nAreaSearch = 1;
    int m_nAreaShape = 0; // 0 circle, 1 square
    int m_nAreaSizeKm = 50;

    bool OnInitDialog() override;

private:
    void OnShape(int shape);
};
