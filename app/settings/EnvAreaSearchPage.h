#pragma once
// The search page of the environment settings (template 139 "検索"): whether searches are limited
// to an area around a point, the area's shape (circle or square) and its diameter or side in km.
#include "platform/ui/Dialog.h"

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
