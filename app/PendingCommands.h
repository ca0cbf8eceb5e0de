#pragma once
// The commands of the menus and accelerators whose handlers come with later work (the view's
// commands, the document's layer, map and registration commands, the item menus). The frame
// keeps their items disabled until a target on the command route handles them.
#include <vector>

namespace shell {

struct CommandRange {
    int first;
    int last;
};

const std::vector<CommandRange>& PendingCommands();

} // namespace shell
