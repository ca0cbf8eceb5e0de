#include "app/shell/ShellResources.h"

#include "app/shell/ShellCommands.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace shell {

using vd::ui::FCONTROL;
using vd::ui::FSHIFT;
using vd::ui::FVIRTKEY;

vd::ui::AcceleratorTable MainAccelerators()
{
    constexpr unsigned ctrl = FVIRTKEY | FCONTROL;
    constexpr unsigned shift = FVIRTKEY | FSHIFT;
    return {IDR_MAINFRAME,
            {
                {'A', ctrl, 32888},
                {'B', ctrl, ID_SWITCH_MENU_BAR},
                {'C', ctrl, 33156},
                {'D', ctrl, 33149},
                {'E', ctrl, 32795},
                {'F', ctrl, 33274},
                {'G', ctrl, 32812},
                {'J', ctrl, 32788},
                {'O', ctrl, 32813},
                {'P', ctrl, ID_FILE_PRINT},
                {'Q', ctrl, 33275},
                {'R', ctrl, 33266},
                {'T', ctrl, 32789},
                {'U', ctrl, 33269},
                {'V', ctrl, ID_EDIT_PASTE},
                {vd::ui::VK_DOWN, FVIRTKEY, 32787},
                {vd::ui::VK_F1, FVIRTKEY, ID_HELP},
                {vd::ui::VK_F1, shift, ID_CONTEXT_HELP},
                {vd::ui::VK_F1 + 5, FVIRTKEY, ID_NEXT_PANE},
                {vd::ui::VK_F1 + 5, shift, ID_PREV_PANE},
                {vd::ui::VK_INSERT, ctrl, ID_EDIT_COPY},
                {vd::ui::VK_LEFT, FVIRTKEY, 32785},
                {vd::ui::VK_NEXT, FVIRTKEY, 32821},
                {vd::ui::VK_PRIOR, FVIRTKEY, 32822},
                {vd::ui::VK_RIGHT, FVIRTKEY, 32786},
                {vd::ui::VK_UP, FVIRTKEY, 32784},
                {'W', ctrl, 32811},
                {'X', ctrl, 32829},
                {'Y', ctrl, 33286},
                {'Z', ctrl, 33150},
            }};
}

vd::ui::DialogTemplate AboutBoxTemplate()
{
    vd::ui::DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.caption = kAboutCaption;
    t.controls = {
        vd::ui::icon(vd::IDC_STATIC),
        vd::ui::ltext(vd::IDC_STATIC, kAboutLine),
        vd::ui::defPushButton(vd::IDOK, "OK"),
    };
    return t;
}

void RegisterShellResources()
{
    const std::string_view module = vd::ui::kProgramModule;
    vd::ui::registerMenus(module, {MapMenuBar(), TextPictureMenuBar(), MappingMenu()});
    vd::ui::registerAccelerators(module, {MainAccelerators()});
    vd::ui::registerString(module, IDR_MAINFRAME, kDocumentStrings);
    vd::ui::registerString(module, IDS_APP_TITLE, kApplicationTitle);
    vd::ui::registerTemplates(module, {AboutBoxTemplate()});
    vd::ui::setApplicationTitle(kApplicationTitle);
}

} // namespace shell
