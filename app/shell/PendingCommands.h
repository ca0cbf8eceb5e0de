#pragma once
// The commands of the menus and accelerators whose handlers come with later work, each with the
// work that owns it. The frame keeps their items disabled until a target on the command route
// handles them.
#include <vector>

namespace shell {

struct CommandRange {
    int first;
    int last;
    const char* owner; // the work that brings the handler
};

const std::vector<CommandRange>& PendingCommands();

} // namespace shell
