#pragma once
// How annotated place names are marked (template 180): for each major class the marker symbol
// of each middle class, the sub-class colours behind "小分類", and colouring by sub-class on or
// off. Symbols go to NpSymbol.dat (before another major class is shown, and on OK when changed),
// colours to the class's section of NpClrTbl.dat when the colour dialog reports a change.
#include "userdata/PlaceNameClassFiles.h"

#include "platform/ui/Dialog.h"

#include <array>
#include <string>

class CDlgNaturalPlaceNames : public vd::Dialog {
public:
    enum { IDD = 180 };
    CDlgNaturalPlaceNames();

    // 0-6: 行政区画名, 居住地名, 自然地名, 交通施設, 土地の利用景, 公共１, 公共２.
    int m_nMajorClass = 2;
    int m_nMiddleClass = 0;
    int m_bColourBySubclass = 1;
    int m_bSymbolsSaved = -1;
    int m_bSymbolsChanged = -1;
    int m_bColoursChanged = -1;
    PlaceNameColourTable m_anColour{};
    PlaceNameSymbolTable m_anSymbol{};
    std::array<std::string, 7> m_astrMiddleName;
    std::string m_strAppDir;

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void ShowMajorClass();
    void OnMajorChosen(int majorClass);
    void OnSymbolChosen(int combo);
    void OnSubclassColours(int button);
    std::int16_t* SymbolCell(int middle);
    void SaveSymbols();
    void SaveColours();
};

// The symbol cell (row, column) of middle class 0-5 of major class 0-6; row -1 for none.
struct SymbolCellAt {
    int row;
    int column;
};
SymbolCellAt PlaceNameSymbolCell(int majorClass, int middle);
