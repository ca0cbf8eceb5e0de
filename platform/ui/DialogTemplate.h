#pragma once
// Dialog templates as data, transcribed from the system's resources: caption, font and, per
// control, its kind, id, caption, styles and (where the system gives them) its position and size
// in dialog units. A template without geometry is laid out automatically from the order and the
// grouping of its controls.
#include "platform/ui/WinConstants.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vd::ui {

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    PushButton,
    CheckBox,
    RadioButton,
    ComboBox,
    ListBox,
    ListView,
    TabControl,
    ScrollBar,
    Painted,  // a control the system paints itself (a legend, a swatch, a preview)
    Icon,     // the program's icon (the about box)
};

// Position and size in dialog units.
struct DialogUnits {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = IDC_STATIC;
    std::string caption;
    // Kind-specific styles of the old platform (BS_, ES_, CBS_, LBS_, SS_, LVS_, SBS_) and the
    // window styles WS_GROUP, WS_TABSTOP, WS_DISABLED, WS_VSCROLL. Controls are visible unless
    // hidden is set.
    std::uint32_t style = 0;
    std::optional<DialogUnits> place;
    // Items that the resource gives a combo or list box.
    std::vector<std::string> items;
    bool hidden = false;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::string fontFace = "ＭＳ ゴシック";
    int fontPoints = 9;
    // Client size in dialog units; absent for an automatically laid-out dialog.
    std::optional<DialogUnits> place;
    // WS_CHILD for a caption-less page; DS_CENTER, DS_CENTERMOUSE, WS_VISIBLE as given.
    std::uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    std::vector<ControlTemplate> controls;

    bool isChild() const { return (style & WS_CHILD) != 0; }
    const ControlTemplate* control(int controlId) const;
};

// Shorthands for transcribing templates.
ControlTemplate ltext(int id, std::string caption, std::optional<DialogUnits> place = {}, std::uint32_t style = 0);
ControlTemplate groupBox(int id, std::string caption, std::optional<DialogUnits> place = {});
ControlTemplate edit(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = ES_AUTOHSCROLL);
ControlTemplate pushButton(int id, std::string caption, std::optional<DialogUnits> place = {}, std::uint32_t style = 0);
ControlTemplate defPushButton(int id, std::string caption, std::optional<DialogUnits> place = {});
ControlTemplate checkBox(int id, std::string caption, std::optional<DialogUnits> place = {}, std::uint32_t style = BS_AUTOCHECKBOX);
ControlTemplate radioButton(int id, std::string caption, std::optional<DialogUnits> place = {}, std::uint32_t style = BS_AUTORADIOBUTTON);
ControlTemplate comboBox(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = CBS_DROPDOWNLIST, std::vector<std::string> items = {});
ControlTemplate listBox(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = LBS_NOTIFY);
ControlTemplate listView(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = LVS_REPORT);
ControlTemplate tabControl(int id, std::optional<DialogUnits> place = {});
ControlTemplate scrollBar(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = SBS_VERT);
ControlTemplate painted(int id, std::optional<DialogUnits> place = {}, std::uint32_t style = 0);
ControlTemplate icon(int id, std::optional<DialogUnits> place = {});

} // namespace vd::ui
