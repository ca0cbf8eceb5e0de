#include "app/shell/PendingCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    // Every command of the menus has its handler now; a command filed later goes here.
    static const std::vector<CommandRange> pending = {};
    return pending;
}

} // namespace shell
