#pragma once
// The elevation map file and display range dialog (template 136 "数値地図と表示範囲"): the kind
// and file of an elevation mesh map and, for a 250 m sheet, the part of the sheet to show - the
// whole sheet, its northern or southern four fifths, one of nine overlapping ninths or one of
// its sixteen 1:50,000 sheets.
#include "municipal/files/PartSheetIndexFile.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

class CDlgMapRange : public vd::Dialog {
public:
    enum { IDD = 136 };
    // The map kinds, in the order of their radios.
    enum Kind { k250m = 0, k1kmElevation = 1, k1kmMean = 2, k50m = 3, kUserMap = 4 };
    CDlgMapRange();

    int m_nKind = k250m;
    int m_nOpeningKind = k250m;
    std::string m_strMeshFile; // the full path
    std::string m_strShortName;
    std::string m_str1kmElevationFlag = "off";
    std::string m_str1kmMeanFlag = "off";
    // The range: w and h are cells less one, x0 and y0 the first column and row.
    int m_nRegionCode = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nX0 = 0;
    int m_nY0 = 0;
    int m_nEndX = 0;
    int m_nEndY = 0;
    int m_nPartHeight = 136;
    int m_nKmWidth = 0;
    int m_nKmHeight = 0;
    int m_nUse50m = 0;
    int m_nMapForm = 0; // 0 1:200,000 sheet, 1 prefecture map
    std::string m_strMeshSize; // metres per cell across and down, "a,b"
    std::string m_strSheetName;
    std::string m_strPartIndexFolder;
    std::string m_strSheetIndexPath;
    std::string m_strFolder250;
    std::string m_strFolder1kmElevation;
    std::string m_strFolder1kmMean;
    std::array<std::string, kPartSheets> m_astrPartName;
    std::string m_strRangeName;
    std::string m_strPartListText;

    bool OnInitDialog() override;
    void OnOK() override;

    // The answer on OK: file, kind, list text, range name, then the range numbers.
    std::string Result() const;

    // One row of the range buttons.
    struct RangeRow {
        int buttonId;
        int regionCode;
        const char* name;
        int width;
        int height;
        int x0;
        int y0;
    };

private:
    void InitialiseFromFile();
    void FillPartList();
    void RefreshControls();
    void OnKindRadio(int id);
    void OnChooseFile();
    void OnRangeButton(int id);
    void ApplyRange(const RangeRow& row);
    void ApplyRange();
    void OnPartChosen();
    void OnUse50m();
    void OnMapForm(int form);
    bool IsBlankMap() const;
    bool IsUserMap() const;
};
