#include "app/PendingCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    static const std::vector<CommandRange> pending = {
        {32782, 32782, "geology: the table of geological formations (filed later)"},
        {33284, 33284, "Surrick: registering prefecture data (filed later)"},
        {33285, 33285, "Surrick: updating prefecture data (filed later)"},
    };
    return pending;
}

} // namespace shell
