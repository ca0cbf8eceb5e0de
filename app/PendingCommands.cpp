#include "app/PendingCommands.h"

#include "app/ShellCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    static const std::vector<CommandRange> pending = [] {
        std::vector<CommandRange> ranges;
        // Single commands of the menu bars, the Mapping menu and the accelerators.
        for (int id : {33284, 33285})
            ranges.push_back({id, id});
        return ranges;
    }();
    return pending;
}

} // namespace shell
