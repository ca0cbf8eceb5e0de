#include "app/settings/ShownPlaceNamesDialog.h"

#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;
using namespace shownplacenameids;

DialogTemplate ShownPlaceNamesTemplate()
{
    // The program sets every check itself, so the boxes do not check themselves.
    const std::uint32_t box = vd::BS_CHECKBOX;
    DialogTemplate t;
    t.id = CDlgShownPlaceNames::IDD;
    t.caption = "表示する地点名";
    t.controls = {
        checkBox(IDC_ALL_KINDS, "すべて", {}, box | vd::WS_GROUP),
        checkBox(IDC_SEA, "海", {}, box | vd::WS_GROUP),
        checkBox(IDC_LAKE, "湖", {}, box),
        checkBox(IDC_ISLAND, "島", {}, box),
        checkBox(IDC_MOUNTAIN, "山", {}, box),
        checkBox(IDC_VALLEY, "谷", {}, box | vd::WS_GROUP),
        checkBox(IDC_RIVER, "川", {}, box),
        checkBox(IDC_TOWN, "市･町･駅", {}, box),
        checkBox(IDC_BAY, "湾", {}, box),
        checkBox(IDC_CAPE, "岬", {}, box | vd::WS_GROUP),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {ShownPlaceNamesTemplate()});

void ClearNineKinds(PlaceNameKindFlags& flags)
{
    for (std::size_t i = 1; i < flags.size(); ++i)
        flags[i] = 0;
}

} // namespace

namespace place_name_kinds {

void Normalise(PlaceNameKindFlags& flags)
{
    if (flags[kAll] == 1)
        ClearNineKinds(flags);
}

void ClickAll(PlaceNameKindFlags& flags)
{
    if (flags[kAll] == 1) {
        flags[kAll] = 0;
        for (std::size_t i = 1; i < flags.size(); ++i)
            flags[i] = 1;
    } else {
        flags[kAll] = 1;
        ClearNineKinds(flags);
    }
}

void ClickKind(PlaceNameKindFlags& flags, int kind)
{
    if (kind < 1 || kind >= int(flags.size()))
        return;
    if (kind == kCitiesTownsStations) {
        bool othersOff = true;
        for (std::size_t i = 1; i < flags.size(); ++i)
            if (int(i) != kind && flags[i] != 0)
                othersOff = false;
        // Cleared first, so the click below leaves it on.
        if (othersOff)
            flags[std::size_t(kind)] = 0;
    }
    if (flags[kAll] == 1) {
        flags[kAll] = 0;
        ClearNineKinds(flags);
    }
    int& flag = flags[std::size_t(kind)];
    flag = flag == 1 ? 0 : 1;
}

} // namespace place_name_kinds

CDlgShownPlaceNames::CDlgShownPlaceNames(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    for (int flag = 0; flag < int(kKindBox.size()); ++flag)
        OnClicked(kKindBox[std::size_t(flag)], [this, flag] { OnKindClicked(flag); });
}

bool CDlgShownPlaceNames::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    place_name_kinds::Normalise(m_anKind);
    ShowKinds();
    return true;
}

void CDlgShownPlaceNames::OnKindClicked(int flag)
{
    if (flag == place_name_kinds::kAll)
        place_name_kinds::ClickAll(m_anKind);
    else
        place_name_kinds::ClickKind(m_anKind, flag);
    place_name_kinds::Normalise(m_anKind);
    ShowKinds();
}

void CDlgShownPlaceNames::ShowKinds()
{
    const bool all = m_anKind[place_name_kinds::kAll] == 1;
    CheckDlgButton(kKindBox[0], all ? 1 : 0);
    for (std::size_t i = 1; i < kKindBox.size(); ++i)
        CheckDlgButton(kKindBox[i], !all && m_anKind[i] == 1 ? 1 : 0);
}
