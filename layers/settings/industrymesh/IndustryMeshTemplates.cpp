// The pages are laid out from their tables: the theme row on top, then the group box "表示項目"
// with the lines of fixed item radios, the headings of the class-bound rows and the rows. All the
// page's radios form one group (the first one starts it). Widths of texts follow their CP932
// widths (4 dialog units a byte) so that no caption is cut.
#include "layers/settings/industrymesh/IndustryMeshTemplates.h"

#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/industrymesh/IndustryMeshDialog.h"
#include "layers/settings/industrymesh/IndustryMeshPageSpecs.h"
#include "layers/settings/industrymesh/ItemNameDialog.h"
#include "platform/text/Cp932.h"

#include <algorithm>

namespace {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

constexpr int kPageWidth = 220;
constexpr int kPageHeight = 212;
constexpr int kBoxLeft = 3;
constexpr int kBoxRight = 217;
constexpr int kBoxTop = 28;
constexpr int kBoxBottom = 208;
constexpr int kInnerLeft = 8;
constexpr int kLinePitch = 12;
constexpr int kEditHeight = 12;

// Columns of a class-bound row.
constexpr int kRowRadioWidth = 78;
constexpr int kFromX = 88;
constexpr int kNumberWidth = 24;
constexpr int kTildeX = kFromX + kNumberWidth + 1;
constexpr int kTildeWidth = 9;
constexpr int kToX = kTildeX + kTildeWidth + 1;
constexpr int kIntervalX = kToX + kNumberWidth + 4;
constexpr int kIntervalWidth = 38;
constexpr int kRegisterX = kIntervalX + kIntervalWidth + 3;
constexpr int kRegisterWidth = 22;

ControlTemplate CentredText(std::string text, DialogUnits place)
{
    return vd::ui::ltext(vd::IDC_STATIC, std::move(text), place, vd::SS_CENTER);
}

int TextWidth(const char* text)
{
    return 4 * vd::cp932Width(text) + 2;
}

int RadioWidth(const char* caption)
{
    return 10 + TextWidth(caption);
}

vd::ui::DialogTemplate PageTemplate(const IndustryPageSpec& page)
{
    std::vector<ControlTemplate> controls;
    // The theme row: on box, folder under its heading, "ﾌｧｲﾙ".
    constexpr int fileWidth = 26;
    constexpr int folderX = 16;
    const int fileX = kBoxRight - fileWidth;
    const char* heading = "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)";
    controls.push_back(vd::ui::ltext(vd::IDC_STATIC, heading, DialogUnits{folderX, 3, TextWidth(heading), 8}));
    controls.push_back(vd::ui::checkBox(page.onBox, "", DialogUnits{kBoxLeft, 13, 10, 10}));
    controls.push_back(vd::ui::edit(page.folderEdit, DialogUnits{folderX, 12, fileX - 3 - folderX, kEditHeight}));
    controls.push_back(vd::ui::pushButton(page.fileButton, "ﾌｧｲﾙ", DialogUnits{fileX, 12, fileWidth, kEditHeight}));
    controls.push_back(vd::ui::groupBox(vd::IDC_STATIC, "表示項目", DialogUnits{kBoxLeft, kBoxTop, kBoxRight - kBoxLeft, kBoxBottom - kBoxTop}));

    // The fixed item radios, line by line, each line after its label.
    const int firstLine = kBoxTop + 11;
    bool first = true;
    for (int line = 0; line < page.lineCount(); ++line) {
        const int y = firstLine + line * kLinePitch;
        if (line < static_cast<int>(page.lineLabels.size()))
            controls.push_back(vd::ui::ltext(vd::IDC_STATIC, page.lineLabels[line], DialogUnits{kInnerLeft, y + 1, 26, 8}));
        for (const IndustryItemRadio& radio : page.fixed)
            if (radio.line == line) {
                controls.push_back(vd::ui::radioButton(radio.id, radio.caption, DialogUnits{radio.x, y, RadioWidth(radio.caption), 10},
                                                       vd::BS_AUTORADIOBUTTON | (first ? vd::WS_GROUP | vd::WS_TABSTOP : 0)));
                first = false;
            }
    }

    // The class-bound rows under their headings, as close as the box allows.
    const int headingY = firstLine + page.lineCount() * kLinePitch + 1;
    controls.push_back(CentredText("累積桁数", DialogUnits{kFromX, headingY, kToX + kNumberWidth - kFromX, 8}));
    controls.push_back(CentredText("区分間隔", DialogUnits{kIntervalX, headingY, kIntervalWidth, 8}));
    const int rowsTop = headingY + 9;
    const int pitch = std::min(13, (kBoxBottom - 2 - rowsTop) / page.rowCount());
    for (int r = 0; r < page.rowCount(); ++r) {
        const int y = rowsTop + r * pitch;
        controls.push_back(
            vd::ui::radioButton(page.rowRadio(r), "", DialogUnits{kInnerLeft, y + 1, kRowRadioWidth, 10}));
        constexpr std::uint32_t number = vd::ES_AUTOHSCROLL | vd::ES_READONLY;
        controls.push_back(vd::ui::edit(IndustryRowFromEdit(r), DialogUnits{kFromX, y, kNumberWidth, kEditHeight}, number));
        controls.push_back(CentredText("～", DialogUnits{kTildeX, y + 2, kTildeWidth, 8}));
        controls.push_back(vd::ui::edit(IndustryRowToEdit(r), DialogUnits{kToX, y, kNumberWidth, kEditHeight}, number));
        controls.push_back(vd::ui::edit(IndustryRowIntervalEdit(r), DialogUnits{kIntervalX, y, kIntervalWidth, kEditHeight}, number));
        controls.push_back(vd::ui::pushButton(IndustryRowRegisterButton(r), "登録", DialogUnits{kRegisterX, y, kRegisterWidth, kEditHeight}));
    }
    return SettingsPageTemplate(page.templateId, std::move(controls), DialogUnits{5, 20, kPageWidth, kPageHeight});
}

vd::ui::DialogTemplate ContainerTemplate()
{
    constexpr int height = 255;
    constexpr int y = height - 17;
    vd::ui::DialogTemplate t = SettingsContainerTemplate(
        CDlgDmcSet::IDD, "  国土数値情報（メッシュデータ：産業統計）", kIndustryTabControl,
        {
            vd::ui::ltext(vd::IDC_STATIC, "表示方法", DialogUnits{4, y + 3, 34, 8}),
            vd::ui::ltext(vd::IDC_STATIC, "(", DialogUnits{38, y + 3, 5, 8}),
            vd::ui::radioButton(kIndustryMeshMapRadio, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{44, y + 2, 50, 10},
                                vd::BS_AUTORADIOBUTTON | vd::WS_GROUP | vd::WS_TABSTOP),
            vd::ui::radioButton(kIndustryAttributeRadio, "属性値", DialogUnits{95, y + 2, 42, 10}),
            vd::ui::ltext(vd::IDC_STATIC, ")", DialogUnits{138, y + 3, 4, 8}),
        },
        height);
    // The pages are taller than the frame's usual ones: so is the tab control.
    for (ControlTemplate& c : t.controls)
        if (c.id == kIndustryTabControl)
            c.place = DialogUnits{2, 4, 226, 230};
    return t;
}

vd::ui::DialogTemplate ItemNameTemplate()
{
    vd::ui::DialogTemplate t;
    t.id = CDlgItemName::IDD;
    t.caption = " 項目の名称";
    t.place = DialogUnits{0, 0, 97, 76};
    t.controls = {
        vd::ui::edit(kItemNameEdit, DialogUnits{6, 6, 85, kEditHeight}),
        vd::ui::ltext(vd::IDC_STATIC, "累積桁数", DialogUnits{6, 24, 33, 8}),
        vd::ui::edit(kItemFromEdit, DialogUnits{40, 22, 21, kEditHeight}),
        CentredText("～", DialogUnits{61, 24, 9, 8}),
        vd::ui::edit(kItemToEdit, DialogUnits{70, 22, 21, kEditHeight}),
        vd::ui::ltext(vd::IDC_STATIC, "区分間隔", DialogUnits{6, 40, 33, 8}),
        vd::ui::edit(kItemIntervalEdit, DialogUnits{40, 38, 51, kEditHeight}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{6, 56, 40, 14}),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{51, 56, 40, 14}),
    };
    return t;
}

} // namespace

std::vector<vd::ui::DialogTemplate> IndustryMeshDialogTemplates()
{
    std::vector<vd::ui::DialogTemplate> templates = {ContainerTemplate(), ItemNameTemplate()};
    for (const IndustryPageSpec& page : IndustryPageSpecs())
        templates.push_back(PageTemplate(page));
    return templates;
}
