// The pages are laid out from their row tables: the column headings, then one line per row (on
// box, data name, colour, fill and name boxes, the folder or file with its "ﾌｧｲﾙ" button); a row
// whose text takes the other form gets a heading of that column of its own. "領域着色" is
// wrapped over two lines so that the text column keeps its width.
#include "layers/settings/surface/SurfaceTemplates.h"

#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/surface/SurfaceDataDialog.h"
#include "layers/settings/surface/SurfacePageSpecs.h"

namespace {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

constexpr int kLeft = 3;
constexpr int kColourWidth = 34;
constexpr int kFillWidth = 18; // "領域" over "着色"
constexpr int kNameWidth = 18; // "名称"
constexpr int kButtonWidth = 20;
constexpr int kRight = 217;
constexpr int kLine = 8;

ControlTemplate Heading(std::string text, int x, int y, int width, int lines = 1)
{
    return vd::ui::ltext(vd::IDC_STATIC, std::move(text), DialogUnits{x, y, width, lines * kLine});
}

const char* TextHeading(const DataTextForm& form)
{
    return form.folder ? "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)" : "データファイル";
}

vd::ui::DialogTemplate PageTemplate(const SurfacePageSpec& page)
{
    const int nameX = kLeft + 12;
    const int colourX = nameX + page.nameWidth + 2;
    const int fillX = colourX + kColourWidth + 2;
    const int nameBoxX = fillX + kFillWidth + 2;
    const int textX = nameBoxX + kNameWidth + 2;
    const int buttonX = kRight - kButtonWidth;
    const int textWidth = buttonX - 2 - textX;

    std::vector<ControlTemplate> controls;
    // The one-line headings stand on the line of "着色".
    controls.push_back(Heading("データ名称", nameX, 3 + kLine, page.nameWidth));
    controls.push_back(Heading("色", colourX, 3 + kLine, kColourWidth));
    controls.push_back(Heading("領域着色", fillX, 3, kFillWidth, 2));
    controls.push_back(Heading("名称", nameBoxX, 3 + kLine, kNameWidth));
    int y = 3 + kLine;
    const SurfaceRowSpec* previous = nullptr;
    for (const SurfaceRowSpec& row : page.rows) {
        if (!previous || previous->form.folder != row.form.folder) {
            controls.push_back(Heading(TextHeading(row.form), textX, y, kRight - textX));
            y += kLine + 1;
        }
        controls.push_back(vd::ui::checkBox(row.onBox, "", DialogUnits{kLeft, y + 1, 10, 10}));
        if (row.label)
            controls.push_back(vd::ui::ltext(vd::IDC_STATIC, row.label, DialogUnits{nameX, y + 2, page.nameWidth, page.rowPitch - 2}));
        else
            controls.push_back(vd::ui::edit(row.nameEdit, DialogUnits{nameX, y, page.nameWidth, 12}));
        controls.push_back(vd::ui::comboBox(row.colourList, DialogUnits{colourX, y, kColourWidth, 120}, vd::CBS_DROPDOWNLIST,
                                            page.colours));
        controls.push_back(vd::ui::checkBox(row.fillBox, "", DialogUnits{fillX + (kFillWidth - 10) / 2, y + 1, 10, 10}));
        controls.push_back(vd::ui::checkBox(row.nameBox, "", DialogUnits{nameBoxX + (kNameWidth - 10) / 2, y + 1, 10, 10}));
        controls.push_back(vd::ui::edit(row.textEdit, DialogUnits{textX, y, textWidth, 12}));
        controls.push_back(vd::ui::pushButton(row.fileButton, "ﾌｧｲﾙ", DialogUnits{buttonX, y, kButtonWidth, 12}));
        y += page.rowPitch;
        previous = &row;
    }
    return SettingsPageTemplate(page.templateId, std::move(controls));
}

} // namespace

std::vector<vd::ui::DialogTemplate> SurfaceDialogTemplates()
{
    std::vector<vd::ui::DialogTemplate> templates = {SettingsContainerTemplate(
        CDlgDsSet::IDD, "  国土数値情報（面データ）", kSurfaceTabControl,
        {vd::ui::ltext(kSurfaceStatusLine, "", DialogUnits{4, 122, 134, 9})})};
    for (const SurfacePageSpec& page : SurfacePageSpecs())
        templates.push_back(PageTemplate(page));
    return templates;
}
