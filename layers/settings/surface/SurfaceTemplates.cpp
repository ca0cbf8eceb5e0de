// The pages are laid out from their row tables: a heading line, then one line per row (on box,
// data name, colour, fill and name boxes under their headings, the folder or file with its
// "ﾌｧｲﾙ" button); a row whose text takes the other form gets a heading line of its own.
#include "layers/settings/surface/SurfaceTemplates.h"

#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/surface/SurfacePageSpecs.h"

namespace {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

constexpr int kLeft = 3;
constexpr int kColourWidth = 34;
constexpr int kFillWidth = 32; // "領域着色"
constexpr int kNameWidth = 18;  // "名称"
constexpr int kButtonWidth = 20;
constexpr int kRight = 217;
constexpr int kHeadingHeight = 11;

ControlTemplate Heading(std::string text, int x, int y, int width)
{
    return vd::ui::ltext(vd::IDC_STATIC, std::move(text), DialogUnits{x, y, width, 8});
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
    auto headings = [&](int y, const DataTextForm& form) {
        controls.push_back(Heading("データ名称", nameX, y, page.nameWidth));
        controls.push_back(Heading("色", colourX, y, kColourWidth));
        controls.push_back(Heading("領域着色", fillX, y, kFillWidth));
        controls.push_back(Heading("名称", nameBoxX, y, kNameWidth));
        controls.push_back(Heading(TextHeading(form), textX, y, kRight - textX));
    };
    int y = 3;
    const SurfaceRowSpec* previous = nullptr;
    for (const SurfaceRowSpec& row : page.rows) {
        if (!previous || previous->form.folder != row.form.folder) {
            if (previous)
                y += 4;
            headings(y, row.form);
            y += kHeadingHeight;
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
        135, "  国土数値情報（面データ）", kSurfaceTabControl,
        {vd::ui::ltext(kSurfaceStatusLine, "", DialogUnits{4, 122, 134, 9})})};
    for (const SurfacePageSpec& page : SurfacePageSpecs())
        templates.push_back(PageTemplate(page));
    return templates;
}
