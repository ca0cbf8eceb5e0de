#pragma once
// The sheet selection dialog (template 138 "1/20万地勢図を指定する"): lists the 1:200,000 sheets of
// a region and lets the user choose one. The view runs it modeless and hears of its end through
// WM_VIEWDIALOGDONE; the place-name file dialog runs it modally.
#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

class CDlgSheetSelect : public vd::Dialog {
public:
    enum { IDD = 138 };
    // Modal, over a parent window.
    explicit CDlgSheetSelect(vd::Window* parent);
    // Modeless, owned by the view that receives WM_VIEWDIALOGDONE; Create() makes its window,
    // without a parent. (The base's Create overloads stay hidden: with them a call without
    // arguments would be ambiguous.)
    struct ModelessTag {};
    CDlgSheetSelect(ModelessTag, vd::Window* view);
    bool Create();

    vd::Window* m_pView = nullptr;
    int m_nModeless = 0;  // 0 modal; 1 modeless; 2 accepted, 3 cancelled
    int m_nViewValue = 0; // kept for the view, not read here
    int m_nChosenLine = -1;
    std::string m_strRegion = "全国";
    std::string m_strEastBound;
    std::string m_strNorthBound;
    std::string m_strWestBound;
    std::string m_strSouthBound;
    // The sheets offered, filled before the dialog is shown (ReadSheetSelectLines).
    std::vector<SheetIndexLine> m_astrIndexLine;
    // The name columns of the chosen sheet; on entry the current sheet's name.
    std::string m_strChosenName;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    void connect();
    void FillSheetList();
    void OnRegionButton(int id);
    void OnSheetSelChange();
    void OnSheetDblClk();
    // Finds the line of the selected combo entry and makes it the choice; false when none.
    bool ChooseSelectedSheet();
};

// The lines of the sheet index that the dialog offers: every sheet line (a name and both corner
// texts) but comments and, unless admitted, marked sheets. All of them: the index has no limit.
std::vector<SheetIndexLine> ReadSheetSelectLines(const std::string& indexPath, bool admitMarked);

// The view's part when the modeless dialog reports: a cancelled dialog is destroyed (false);
// an accepted one stays open and its choice is to be applied (true).
bool HandleSheetDialogDone(CDlgSheetSelect& dialog);
