// The containers 234 (detailed map) and 254 (white map) and the list of every point template.
#include "layers/settings/pointdata/PointDataDialogs.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

vd::ui::DialogTemplate PointContainerTemplate(int id)
{
    using vd::ui::DialogUnits;
    vd::ui::DialogTemplate t;
    t.id = id;
    t.caption = "  国土数値情報（点データ）";
    t.fontFace = "ＭＳ Ｐゴシック";
    t.fontPoints = 11;
    t.place = DialogUnits{250, 50, 200, 228};
    t.controls = {
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{172, 211, 25, 15}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{144, 213, 25, 13}),
        vd::ui::tabControl(kPointTabControl, DialogUnits{2, 4, 196, 204}),
        vd::ui::ltext(kPointNoteLine, "", DialogUnits{4, 216, 130, 9}),
    };
    return t;
}

std::vector<vd::ui::DialogTemplate> PointDialogTemplates()
{
    return {
        PointContainerTemplate(CDlgPointDataSet::IDD),
        PointContainerTemplate(CDlgWhitePointDataSet::IDD),
        PointFacilityTemplate(),
        WhitePointFacilityTemplate(),
        PointHydrologyTemplate(),
        WhitePointHydrologyTemplate(),
        PointCoastTemplate(),
        PointLandPriceATemplate(),
        WhitePointLandPriceATemplate(),
        PointLandPriceBTemplate(),
        WhitePointLandPriceBTemplate(),
        PointByPrefectureTemplate(),
        PointNationwideTemplate(),
    };
}
