#pragma once
// Every dialog, with a title bar, fits the smallest screen the program is made for, 1024 x 768.
#include <optional>
#include <string>

namespace vd {
class Dialog;
}

namespace walk {

// The fault of a dialog that does not fit a 1024 x 768 screen with its title bar; none otherwise.
std::optional<std::string> largerThanTheSmallestScreen(vd::Dialog& dialog);

} // namespace walk
