#include "app/PendingCommands.h"

#include "app/ShellCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    static const std::vector<CommandRange> pending = [] {
        std::vector<CommandRange> ranges;
        // Single commands of the menu bars, the Mapping menu and the accelerators.
        for (int id : {32782, 32807,
                       33284, 33285})
            ranges.push_back({id, id});
        // The dynamic families of 35 ids: five text and three picture menus.
        for (int first : {2030, 2070, 2110, 2150, 2190, 2230, 2270, 2310})
            ranges.push_back({first, first + 34});
        return ranges;
    }();
    return pending;
}

} // namespace shell
