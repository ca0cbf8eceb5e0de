#pragma once
// The line-data settings dialog (template 232 "  国土数値情報（線データ）"): seven pages under
// tab control 1516 and the range note 1525 below it. The container keeps the 35 rows in slot
// order (LineDataSlots.h), hands each page its rows before the page is created, and reads every
// page back on OK: flags, colour codes packed by each row's form, the files and typed names
// from the edits, and the fixed names of the named rows.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/linedata/LineDataSlots.h"
#include "layers/settings/linedata/LinePages.h"

class CDlgLineDataSet : public TabbedSettingsDialog {
public:
    enum { IDD = 232 };
    static constexpr int kTabControl = 1516;
    static constexpr int kRangeNote = 1525;

    CDlgLineDataSet();

    LineDataInts m_nShow{};
    LineDataInts m_nColour{};
    int m_bCallerMark = 0;
    LineDataTexts m_strName;
    LineDataTexts m_strFile;
    // "1" when the integers came from the caller, "-1" when from the settings file.
    std::string& m_strSource = m_strSelectMarker;

    void UpdateRangeNote();

protected:
    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void UpdateStatusLine() override { UpdateRangeNote(); }

private:
    LinePage& linePage(int tab);

    CDlgLineRoadRail m_pageRoadRail;
    CDlgLineDataA m_pageDataA;
    CDlgLineLowland m_pageLowland;
    CDlgLineEnvironment m_pageEnvironment;
    CDlgLineConservation m_pageConservation;
    CDlgLineFishery m_pageFishery;
    CDlgLineDataB m_pageDataB;
};

// The note under the tab control for a tab and the caller mark.
std::string LineRangeNote(int tab, bool callerMark);

vd::ui::DialogTemplate LineDataSetTemplate();
