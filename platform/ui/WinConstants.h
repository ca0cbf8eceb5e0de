#pragma once
// The numeric constants of the old windowing platform that the system's dialogs, menus and
// message boxes are written with: message-box styles and answers, window, button, edit, combo,
// list and static styles, notification codes and show commands. Values are those the system's
// resources and code use, so transcribed templates and calls keep their numbers.
#include <cstdint>

namespace vd {

// Message boxes: buttons, icons, default button.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_DEFMASK = 0xF00;

// Dialog answers and the standard control ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDC_STATIC = -1;

// Window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000u;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_GROUP = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80u;
inline constexpr std::uint32_t DS_CENTER = 0x800u;
inline constexpr std::uint32_t DS_CENTERMOUSE = 0x1000u;

// Buttons (the low nibble is the kind).
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t BS_CHECKBOX = 0x2;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr std::uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr std::uint32_t BS_3STATE = 0x5;
inline constexpr std::uint32_t BS_AUTO3STATE = 0x6;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr std::uint32_t BS_OWNERDRAW = 0xB;
inline constexpr std::uint32_t BS_TYPEMASK = 0xF;
inline constexpr std::uint32_t BS_MULTILINE = 0x2000;
inline constexpr std::uint32_t BS_PUSHLIKE = 0x1000;

// Edits.
inline constexpr std::uint32_t ES_MULTILINE = 0x4;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x40;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr std::uint32_t ES_READONLY = 0x800;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;

// Statics.
inline constexpr std::uint32_t SS_LEFT = 0x0;
inline constexpr std::uint32_t SS_CENTER = 0x1;
inline constexpr std::uint32_t SS_RIGHT = 0x2;
inline constexpr std::uint32_t SS_NOTIFY = 0x100;
inline constexpr std::uint32_t SS_SUNKEN = 0x1000;

// Combo boxes (the low two bits are the kind).
inline constexpr std::uint32_t CBS_SIMPLE = 0x1;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x2;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x3;
inline constexpr std::uint32_t CBS_OWNERDRAWFIXED = 0x10;
inline constexpr std::uint32_t CBS_OWNERDRAWVARIABLE = 0x20;
inline constexpr std::uint32_t CBS_SORT = 0x100;
inline constexpr std::uint32_t CBS_HASSTRINGS = 0x200;

// List boxes.
inline constexpr std::uint32_t LBS_NOTIFY = 0x1;
inline constexpr std::uint32_t LBS_SORT = 0x2;
inline constexpr std::uint32_t LBS_OWNERDRAWFIXED = 0x10;
inline constexpr std::uint32_t LBS_HASSTRINGS = 0x40;
inline constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x100;

// Report list views and their extended styles.
inline constexpr std::uint32_t LVS_REPORT = 0x1;
inline constexpr std::uint32_t LVS_SINGLESEL = 0x4;
inline constexpr std::uint32_t LVS_EX_GRIDLINES = 0x1;
inline constexpr std::uint32_t LVS_EX_HEADERDRAGDROP = 0x10;
inline constexpr std::uint32_t LVS_EX_FULLROWSELECT = 0x20;
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;

// Scroll bars.
inline constexpr std::uint32_t SBS_HORZ = 0x0;
inline constexpr std::uint32_t SBS_VERT = 0x1;
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;

// Notification codes delivered to a dialog's handlers.
inline constexpr int BN_CLICKED = 0;
inline constexpr int BN_DOUBLECLICKED = 5;
inline constexpr int EN_SETFOCUS = 0x100;
inline constexpr int EN_KILLFOCUS = 0x200;
inline constexpr int EN_CHANGE = 0x300;
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int CBN_DBLCLK = 2;
inline constexpr int CBN_EDITCHANGE = 5;
inline constexpr int CBN_KILLFOCUS = 4;
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
inline constexpr int STN_CLICKED = 0;
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int LVN_COLUMNCLICK = -108;
inline constexpr int TCN_SELCHANGE = -551;
inline constexpr int TCN_SELCHANGING = -552;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

// Results of list and combo operations.
inline constexpr int CB_ERR = -1;
inline constexpr int LB_ERR = -1;

// The first private window message (WM_USER + n are the system's own messages).
inline constexpr unsigned WM_USER = 0x0400;

// File dialog flags the system passes.
inline constexpr unsigned OFN_READONLY = 0x1;
inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
inline constexpr unsigned OFN_HIDEREADONLY = 0x4;
inline constexpr unsigned OFN_PATHMUSTEXIST = 0x800;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;
inline constexpr unsigned OFN_CREATEPROMPT = 0x2000;

} // namespace vd
