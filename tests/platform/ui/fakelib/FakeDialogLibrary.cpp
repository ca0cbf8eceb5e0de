// A library with a dialog entry point of its own, as the system's libraries have: its templates
// live in its own module, and the entry point makes that module current for the call.
#include "platform/ui/DialogKit.h"

#include <string>

namespace {

using namespace vd;

const ui::TemplateRegistration templates("FakeLibrary", {[] {
    ui::DialogTemplate t;
    t.id = 147;
    t.caption = "  地域選択（国土数値情報データを表示する都道府県）";
    t.place = ui::DialogUnits{0, 0, 294, 189};
    t.style |= DS_CENTERMOUSE;
    t.controls = {
        ui::defPushButton(IDOK, "OK", ui::DialogUnits{261, 171, 30, 16}),
        ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ", ui::DialogUnits{262, 155, 28, 14}),
        ui::radioButton(1484, "すべての都道府県", ui::DialogUnits{8, 6, 82, 15}, BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP),
        ui::radioButton(1485, "北海道", ui::DialogUnits{243, 2, 30, 12}, BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP),
    };
    return t;
}()});

class AreaSelect : public Dialog {
public:
    AreaSelect() : Dialog(147)
    {
        OnControlRange(BN_CLICKED, 1484, 1485, [this](int id) { flags[id - 1484] = 1 - flags[id - 1484]; });
    }
    int flags[2] = {0, 0};
};

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnFakeAreaSelect(std::string input)
{
    try {
        ui::ModuleScope module("FakeLibrary");
        AreaSelect dialog;
        dialog.flags[0] = input == "1" ? 1 : 0;
        if (dialog.DoModal() != IDOK)
            return {};
        return std::to_string(dialog.flags[0]) + "|" + std::to_string(dialog.flags[1]) + "|";
    } catch (...) {
        return {};
    }
}
