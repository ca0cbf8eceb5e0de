// The container 235 with the display method below the tab control, and the list of every
// template of the dialog.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/naturemesh/MeshTemplateParts.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"

vd::ui::DialogTemplate MeshContainerTemplate()
{
    using vd::ui::DialogUnits;
    return SettingsContainerTemplate(
        kMeshContainer, "  国土数値情報（メッシュデータ：自然・環境）", kMeshTabControl,
        {
            vd::ui::ltext(vd::IDC_STATIC, "表示方法", DialogUnits{4, 124, 32, 8}),
            vd::ui::ltext(vd::IDC_STATIC, "(", DialogUnits{38, 124, 4, 8}),
            vd::ui::radioButton(kMeshMapButton, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{44, 123, 50, 10},
                                vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
            vd::ui::radioButton(kAttributeValueButton, "属性値", DialogUnits{96, 123, 42, 10}),
            vd::ui::ltext(vd::IDC_STATIC, ")", DialogUnits{140, 124, 4, 8}),
        },
        138, mesh_templates::kMeshDialogWidth);
}

std::vector<vd::ui::DialogTemplate> NatureMeshTemplates()
{
    return {MeshContainerTemplate(), ClimatePageTemplate(), RiverPageTemplate(),
            CoastPageTemplate(),     AreaPageTemplate(),    ForestPageTemplate()};
}
