#include "layers/settings/linedata/LineDataSetDialog.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/linedata/LineDataAnswer.h"

CDlgLineDataSet::CDlgLineDataSet() : TabbedSettingsDialog(IDD, kTabControl)
{
    AddPage(m_pageRoadRail, "道路･鉄道等");
    AddPage(m_pageDataA, "線ﾃﾞｰﾀA");
    AddPage(m_pageLowland, "低地");
    AddPage(m_pageEnvironment, "環境");
    AddPage(m_pageConservation, "保全");
    AddPage(m_pageFishery, "漁業･港湾");
    AddPage(m_pageDataB, "線ﾃﾞｰﾀB");
    SetCreationOrder({4, 6, 5, 3, 2, 1, 0});
}

LinePage& CDlgLineDataSet::linePage(int tab)
{
    return static_cast<LinePage&>(page(tab));
}

void CDlgLineDataSet::LoadPage(int tab)
{
    LinePage& p = linePage(tab);
    for (int r = 0; r < p.rowCount(); ++r) {
        const LineRowSpec& spec = p.spec(r);
        const int entry = SlotEntry(spec.fileTab, spec.row);
        const LineColourParts parts = SplitColourCode(spec.form, m_nColour[entry]);
        LineRowState& row = p.state(r);
        row.show = m_nShow[entry];
        row.colour = parts.index;
        row.attribute = parts.attribute;
        row.option = parts.option;
        row.name = m_strName[entry];
        row.file = m_strFile[entry];
    }
    if (tab == 0)
        m_pageRoadRail.m_bCallerMark = m_bCallerMark;
}

void CDlgLineDataSet::CollectPage(int tab)
{
    LinePage& p = linePage(tab);
    for (int r = 0; r < p.rowCount(); ++r) {
        const LineRowSpec& spec = p.spec(r);
        const int entry = SlotEntry(spec.fileTab, spec.row);
        const LineRowState& row = p.state(r);
        m_nShow[entry] = row.show;
        m_nColour[entry] = PackColourCode(spec.form, {row.colour, row.attribute, row.option});
        m_strFile[entry] = FieldSafeText(p.TypedPath(spec.fileEditId));
        if (spec.nameEditId != 0)
            m_strName[entry] = FieldSafeText(p.GetDlgItemText(spec.nameEditId));
        else if (!spec.storedName.empty())
            m_strName[entry] = spec.storedName;
    }
}

void CDlgLineDataSet::UpdateRangeNote()
{
    SetDlgItemText(kRangeNote, LineRangeNote(m_nCurrentTab, m_bCallerMark == 1));
}

std::string LineRangeNote(int tab, bool callerMark)
{
    switch (tab) {
    case 0: return callerMark ? "" : "<鉄道> 駅名は地図拡大時に表示";
    case 1: return "データの範囲:都道府県別";
    case 6: return "データの範囲:全国";
    case 2:
    case 3:
    case 4:
    case 5:
        return callerMark ? "データの範囲:全国 (属性は都道府県別地図に表示)" : "データの範囲:全国 (属性は地図拡大時に表示)";
    default: return "";
    }
}

vd::ui::DialogTemplate LineDataSetTemplate()
{
    using namespace vd::ui;
    DialogTemplate t;
    t.id = CDlgLineDataSet::IDD;
    t.caption = "  国土数値情報（線データ）";
    // 16 units wider than drawn, so that the longest range note fits beside the buttons.
    t.place = DialogUnits{250, 50, 252, 222};
    t.controls = {
        defPushButton(vd::IDOK, "OK", DialogUnits{223, 206, 27, 15}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{194, 207, 27, 12}),
        tabControl(CDlgLineDataSet::kTabControl, DialogUnits{2, 4, 248, 198}),
        ltext(CDlgLineDataSet::kRangeNote, "", DialogUnits{3, 209, 189, 9}),
    };
    return t;
}
