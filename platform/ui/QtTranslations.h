#pragma once
// Qt's own dialogs (file, font, page set-up, print, preview, the overwrite prompt) speak the
// program's language: Qt's Japanese texts from the Qt translations folder.

namespace vd::ui {

// Installs qtbase_ja into the running application. False, changing nothing, when the
// translations are not installed (Debian package qt6-translations-l10n).
bool installQtJapanese();

} // namespace vd::ui
