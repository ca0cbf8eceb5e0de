#pragma once
// The colour sets of the elevation tint (template 177 "  配色の設定"): picks a set of
// PLTTFILE.DAT, shows its colours in 13 swatch buttons (C1 sea, C2-C10 the classes 100 m to
// 4,000 m, C11 lakes, C12 0 m, C13 map background), previews the interpolated tints, and updates,
// registers, deletes or hand-edits sets. Files are written at once; the answer carries the chosen
// set and the sea, lakes and background colours back.
#include "dialogs/files/PaletteListFile.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The dialog's control ids (template 177).
namespace coloursetids {
inline constexpr int IDC_SET_COMBO = 1029;
inline constexpr int IDC_DELETE = 1032;
inline constexpr int IDC_EDIT = 1111;
inline constexpr int IDC_CHECK_MODE = 1122;
inline constexpr int IDC_MESSAGE = 1119;
// Buttons of the swatches C1..C13.
inline constexpr std::array<int, 13> kSwatchIds = {1017, 1018, 1019, 1020, 1021, 1022, 1023,
                                                   1024, 1025, 1026, 1030, 1118, 1013};
} // namespace coloursetids

class CDlgColourSet : public vd::Dialog {
public:
    enum { IDD = 177 };
    CDlgColourSet();

    // Swatches C1..C13 at 0..12.
    std::array<std::uint32_t, 13> m_crColour{};
    // The colours a new set starts from (N1 blue, N10 white, the others black).
    std::array<std::uint32_t, 13> m_crTemplate{};
    std::uint32_t m_crReturnSea = 0;
    std::uint32_t m_crReturnLake = 0;
    std::uint32_t m_crReturnBackground = 0;
    int m_nSelected = 0;
    int m_nNewEntry = -1;   // combo index of "新規登録", -1 when not offered
    int m_nCheckMode = 0;   // 1 while the swatches preview the interpolated tints
    std::vector<PaletteListEntry> m_aSets;    // the listed sets, at most 20
    std::vector<PaletteListEntry> m_aFurther; // lines past the 20th, kept when the list is rewritten
    std::string m_strChangeMark;              // "", "PaletteChange_D" or "PaletteChange_F"
    std::string m_strEditor;
    std::string m_strSetPath;
    std::string m_strPaletteDir;              // with a trailing backslash
    bool m_bFilesWritten = false;             // a set file or the list was written by this call

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void FillList(bool offerNewEntry);
    void ReadList();
    void LoadSet(int index);
    void ShowSwatches();
    void ShowSelection();
    void OnSelchangeSet();
    void OnCheckMode();
    void OnColourButton(int swatch);
    void OnEdit();
    void RegisterSet();
    void UpdateSet();
    void OnDelete();
    bool IsNewEntrySelected() const { return m_nNewEntry >= 0 && m_nSelected == m_nNewEntry; }
    bool IsListedSetSelected() const { return m_nSelected >= 0 && m_nSelected < int(m_aSets.size()); }
    std::string ListPath() const { return m_strPaletteDir + "PLTTFILE.DAT"; }
};

inline constexpr const char* kNewSetEntry = "新規登録";
// A list longer than this is shown up to here; registration stops here too.
inline constexpr int kMaxColourSets = 20;
// "新規登録" is offered only below this many sets.
inline constexpr int kNewEntryBelow = 19;

inline constexpr const char* kUpdateSetQuestion = "現在選択中の配色を更新します！";
inline constexpr const char* kRegisterSetQuestion = "新規に配色を登録します！";
inline constexpr const char* kEnterNameMessage = "配色の名称を入力してください！";
inline constexpr const char* kSetLimitMessage = "配色は許容限度(20)まで登録されています！";
inline constexpr const char* kDuplicateNameMessage = "配色の名称を新規に入力してください！";
inline constexpr const char* kDeleteSetQuestion = "現在選択中の配色を削除します！";
inline constexpr const char* kRegisterAtOkQuestion = "配色を登録しますか！";
inline constexpr const char* kUpdateAtOkQuestion = "配色を更新しますか！";
inline constexpr const char* kBlackHintMessage = "中間の標高を無視する時は黒色を指定してください！";
inline constexpr const char* kPaletteWriteFailedMessage =
    "配色のファイルに書き込めませんでした。PALETTE フォルダを確かめてください。";
