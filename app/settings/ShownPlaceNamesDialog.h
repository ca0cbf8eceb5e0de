#pragma once
// The place-name kinds dialog (template 161 "表示する地点名"): which kinds of place names the map
// shows. It works on a copy of the ten kind flags; the caller copies them back on OK. Flag 0 is
// "すべて" (all kinds: the other nine are then 0), flags 1-9 the kinds 海, 湖, 島, 山, 谷, 川,
// 市･町･駅, 湾, 岬.
#include "platform/ui/Dialog.h"

#include <array>

using PlaceNameKindFlags = std::array<int, 10>;

// The kind rules, as the dialog applies them to the flags.
namespace place_name_kinds {
inline constexpr int kAll = 0;
inline constexpr int kCitiesTownsStations = 7;
// With "すべて" on, the nine kinds are off.
void Normalise(PlaceNameKindFlags& flags);
// A click on "すべて": on goes off with all nine kinds on; off goes on with the nine off.
void ClickAll(PlaceNameKindFlags& flags);
// A click on kind 1-9: a click on "すべて" clears it and the nine first; 市･町･駅 cannot go off
// while it is the only kind on.
void ClickKind(PlaceNameKindFlags& flags, int kind);
} // namespace place_name_kinds

// The dialog's control ids (template 161): one check box per kind.
namespace shownplacenameids {
inline constexpr int IDC_ALL_KINDS = 1378; // すべて
inline constexpr int IDC_SEA = 1158;       // 海
inline constexpr int IDC_LAKE = 1159;      // 湖
inline constexpr int IDC_ISLAND = 1160;    // 島
inline constexpr int IDC_MOUNTAIN = 1157;  // 山
inline constexpr int IDC_VALLEY = 1161;    // 谷
inline constexpr int IDC_RIVER = 1162;     // 川
inline constexpr int IDC_TOWN = 1379;      // 市･町･駅
inline constexpr int IDC_BAY = 1164;       // 湾
inline constexpr int IDC_CAPE = 1165;      // 岬
// The check box of each flag, in flag order.
inline constexpr std::array<int, 10> kKindBox = {IDC_ALL_KINDS, IDC_SEA,   IDC_LAKE, IDC_ISLAND, IDC_MOUNTAIN,
                                                 IDC_VALLEY,    IDC_RIVER, IDC_TOWN, IDC_BAY,    IDC_CAPE};
} // namespace shownplacenameids

class CDlgShownPlaceNames : public vd::Dialog {
public:
    enum { IDD = 161 };
    explicit CDlgShownPlaceNames(vd::Window* parent);

    PlaceNameKindFlags m_anKind{};

    bool OnInitDialog() override;

private:
    void OnKindClicked(int flag);
    void ShowKinds();
};
