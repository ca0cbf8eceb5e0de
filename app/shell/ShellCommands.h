#pragma once
// The command ids and resource ids of the program's shell: the standard commands of the
// application and the frame, and the resources that carry the program's menus.
namespace shell {

// Resources: the document template (menu bar, accelerators, title string), the text and picture
// menu bar, the right-click Mapping menu, the about box and the application title string.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_TEXTPICTURE_MENU = 133;
inline constexpr int IDR_MAPPING_MENU = 155;
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_APP_TITLE = 57344;

// Standard commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_FINDER = 57667;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// The menu bar switch (on both bars).
inline constexpr int ID_SWITCH_MENU_BAR = 32794;

} // namespace shell
