// The pages of the user's own point data: 141 (点Ａ, by prefecture, data folders) and 237 (点Ｂ,
// whole country, data files, thin and thick colours), each row with its column range.
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

namespace {

// "表示項目の累積桁数" with its から and まで edits; the label at y, the edits 2 or 3 units above.
std::vector<ControlTemplate> RangeColumns(int labelX, int labelWidth, int labelY, int editX, int editY, int from,
                                          int to)
{
    return {
        Label("表示項目の累積桁数", {labelX, labelY, labelWidth, 8}),
        Edit(from, {editX, editY, 26, 12}),
        Label("から", {editX + 29, labelY, 16, 8}),
        Edit(to, {editX + 47, editY, 26, 12}),
        Label("まで", {editX + 75, labelY, 16, 8}),
    };
}

void Append(std::vector<ControlTemplate>& all, std::vector<ControlTemplate> more)
{
    all.insert(all.end(), more.begin(), more.end());
}

} // namespace

vd::ui::DialogTemplate PointByPrefectureTemplate()
{
    const PointPageSpec& s = ByPrefectureSpec();
    const auto& colours = SolidColourNames();
    std::vector<ControlTemplate> c = {
        Edit(s.rows[0].textEdit, {93, 21, 72, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {93, 2, 72, 8}),
        FileButton(s.rows[0].fileButton, {166, 21, 21, 13}),
        Edit(s.rows[0].nameEdit, {13, 21, 53, 12}),
        Label("データ名称", {17, 2, 46, 8}),
        OnBox(s.rows[0].onBox, {4, 22, 8, 8}),
        List(s.rows[0].colourList, {68, 21, 23, 195}, colours),
        Label("色", {73, 2, 9, 8}),
        Edit(s.rows[1].textEdit, {93, 86, 72, 12}),
        FileButton(s.rows[1].fileButton, {166, 86, 21, 13}),
        Edit(s.rows[1].nameEdit, {13, 86, 53, 12}),
        OnBox(s.rows[1].onBox, {4, 89, 8, 8}),
        List(s.rows[1].colourList, {68, 86, 23, 195}, colours),
    };
    Append(c, RangeColumns(9, 78, 41, 93, 39, s.rows[0].rangeFrom, s.rows[0].rangeTo));
    Append(c, RangeColumns(9, 78, 106, 93, 103, s.rows[1].rangeFrom, s.rows[1].rangeTo));
    c.push_back(Frame("", {1, 75, 188, 45}));
    c.push_back(Frame("", {1, 10, 188, 45}));
    Append(c, {
        Edit(s.rows[2].textEdit, {93, 150, 72, 12}),
        FileButton(s.rows[2].fileButton, {166, 150, 21, 13}),
        Edit(s.rows[2].nameEdit, {13, 150, 53, 12}),
        OnBox(s.rows[2].onBox, {4, 152, 8, 8}),
        List(s.rows[2].colourList, {68, 150, 23, 195}, colours),
    });
    Append(c, RangeColumns(9, 78, 170, 93, 168, s.rows[2].rangeFrom, s.rows[2].rangeTo));
    c.push_back(Frame("", {1, 139, 188, 45}));
    return PageTemplate(CDlgPointByPrefecture::IDD, false, std::move(c));
}

vd::ui::DialogTemplate PointNationwideTemplate()
{
    const PointPageSpec& s = NationwideSpec();
    const auto& colours = LineColourNames();
    std::vector<ControlTemplate> c = {
        Edit(s.rows[0].textEdit, {92, 17, 72, 12}),
        Label("データファイル", {101, 2, 62, 8}),
        FileButton(s.rows[0].fileButton, {165, 17, 21, 13}),
        Edit(s.rows[0].nameEdit, {12, 17, 53, 12}),
        Label("データ名称", {12, 2, 46, 8}),
        OnBox(s.rows[0].onBox, {3, 19, 8, 8}),
        Edit(s.rows[1].textEdit, {93, 63, 72, 12}),
        FileButton(s.rows[1].fileButton, {166, 63, 21, 13}),
        Edit(s.rows[1].nameEdit, {13, 63, 53, 12}),
        OnBox(s.rows[1].onBox, {4, 66, 8, 8}),
        List(s.rows[0].colourList, {67, 17, 23, 195}, colours),
        List(s.rows[1].colourList, {68, 63, 23, 194}, colours),
        Label("色", {73, 2, 9, 8}),
    };
    Append(c, RangeColumns(9, 75, 36, 92, 33, s.rows[0].rangeFrom, s.rows[0].rangeTo));
    Append(c, RangeColumns(9, 75, 80, 93, 78, s.rows[1].rangeFrom, s.rows[1].rangeTo));
    c.push_back(Frame("", {1, 54, 188, 40}));
    c.push_back(Frame("", {1, 9, 188, 40}));
    Append(c, {
        Edit(s.rows[2].textEdit, {93, 108, 72, 12}),
        FileButton(s.rows[2].fileButton, {166, 108, 21, 13}),
        Edit(s.rows[2].nameEdit, {13, 108, 53, 12}),
        OnBox(s.rows[2].onBox, {4, 111, 8, 8}),
        List(s.rows[2].colourList, {68, 108, 23, 194}, colours),
    });
    Append(c, RangeColumns(9, 75, 125, 93, 123, s.rows[2].rangeFrom, s.rows[2].rangeTo));
    c.push_back(Frame("", {1, 99, 188, 40}));
    c.push_back(Frame("", {1, 144, 188, 40}));
    Append(c, {
        Edit(s.rows[3].textEdit, {93, 153, 72, 12}),
        FileButton(s.rows[3].fileButton, {166, 153, 21, 13}),
        Edit(s.rows[3].nameEdit, {13, 153, 53, 12}),
        OnBox(s.rows[3].onBox, {4, 156, 8, 8}),
        List(s.rows[3].colourList, {68, 153, 23, 194}, colours),
    });
    Append(c, RangeColumns(9, 75, 170, 93, 168, s.rows[3].rangeFrom, s.rows[3].rangeTo));
    return PageTemplate(CDlgPointNationwide::IDD, true, std::move(c));
}
