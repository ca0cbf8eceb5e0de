#pragma once
// The small value rules of the environment settings pages, kept apart from the dialogs so that
// they can be tested and fuzzed alone.
#include <optional>
#include <string>

// The brightness buttons of the picture background: up adds 1 while the value is 9 or less, down
// subtracts 1 while it is above 1; the text is read as atoi does. nullopt when the button leaves
// the value alone.
std::optional<int> SteppedBrightness(const std::string& text, int step);

// The item of the elevation combo that shows a value: "0", "-999" (any other value), "-9999".
int OutputElevationItem(int elevation);
// The value of an item of that combo; nullopt for no item.
std::optional<int> OutputElevationOfItem(int item);
