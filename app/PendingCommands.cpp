#include "app/PendingCommands.h"

#include "app/ShellCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    static const std::vector<CommandRange> pending = [] {
        std::vector<CommandRange> ranges;
        // Single commands of the menu bars, the Mapping menu and the accelerators.
        for (int id : {32782, 32788, 32789, 32791, 32792, 32794, 32805, 32806, 32807, 32808, 32810,
                       32811, 32812, 32813, 32814, 32815, 32816, 32817, 32818, 32820, 32821, 32822, 32834,
                       32882, 32889, 32892, 32893,
                       32896, 32897, 33149, 33150, 33154, 33158, 33251, 33253, 33254, 33255, 33256, 33262,
                       33265, 33266, 33267, 33269, 33270, 33275, 33278, 33281,
                       33282, 33284, 33285, 33286})
            ranges.push_back({id, id});
        // The dynamic families of 35 ids: sheets, guide maps, five text and three picture menus.
        for (int first : {1990, 2350, 2030, 2070, 2110, 2150, 2190, 2230, 2270, 2310})
            ranges.push_back({first, first + 34});
        return ranges;
    }();
    return pending;
}

} // namespace shell
