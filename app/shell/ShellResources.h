#pragma once
// The program's own resources: the map menu bar (128), the text and picture menu bar (133), the
// right-click Mapping menu (155), the accelerator table 128, the document and title strings and
// the about box. They are registered for the program's module before the frame is built.
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MenuTemplate.h"

namespace shell {

vd::ui::MenuTemplate MapMenuBar();
vd::ui::MenuTemplate TextPictureMenuBar();
vd::ui::MenuTemplate MappingMenu();
vd::ui::AcceleratorTable MainAccelerators();
vd::ui::DialogTemplate AboutBoxTemplate();

// The document template string: window title, document name, new-file name, filter name,
// extension, registry file type id and name. Without an extension the document is never
// opened from or saved to a file.
inline constexpr const char* kDocumentStrings = "Veldoran\n\nTavrel\n\n\nVeldoran.Document\nTavrel Document";
inline constexpr const char* kApplicationTitle = "Veldoran";
inline constexpr const char* kAboutCaption = "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20)";
inline constexpr const char* kAboutLine = "ヴェルドラン見聞録   Version 2.10";

// Registers all of the above for the program's module (again harmlessly).
void RegisterShellResources();

} // namespace shell
