#include "app/PendingCommands.h"

namespace shell {

const std::vector<CommandRange>& PendingCommands()
{
    static const std::vector<CommandRange> pending = {
        {32782, 32782, "geology: the table of geological formations (filed later)"},
    };
    return pending;
}

} // namespace shell
