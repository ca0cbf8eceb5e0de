#include "platform/ui/CommandTarget.h"

namespace vd {

CommandTarget::~CommandTarget() = default;

void CommandTarget::OnCommand(int id, std::function<void()> handler)
{
    commands_.push_back({id, id, [h = std::move(handler)](int) { h(); }, {}});
}

void CommandTarget::OnCommandRange(int firstId, int lastId, std::function<void(int)> handler)
{
    commands_.push_back({firstId, lastId, std::move(handler), {}});
}

void CommandTarget::OnUpdateCommandUI(int id, std::function<void(CmdUI&)> handler)
{
    updates_.push_back({id, id, {}, std::move(handler)});
}

void CommandTarget::OnUpdateCommandUIRange(int firstId, int lastId, std::function<void(CmdUI&)> handler)
{
    updates_.push_back({firstId, lastId, {}, std::move(handler)});
}

bool CommandTarget::runOwnCommand(int id)
{
    for (const auto& e : commands_)
        if (id >= e.first && id <= e.last) {
            // A copy: the handler may change the map.
            const auto run = e.command;
            run(id);
            return true;
        }
    return false;
}

bool CommandTarget::runOwnUpdate(CmdUI& ui)
{
    for (const auto& e : updates_)
        if (ui.m_nID >= e.first && ui.m_nID <= e.last) {
            const auto run = e.update;
            run(ui);
            return true;
        }
    return false;
}

bool CommandTarget::hasOwnCommand(int id) const
{
    for (const auto& e : commands_)
        if (id >= e.first && id <= e.last)
            return true;
    return false;
}

bool CommandTarget::routeCommand(int id)
{
    return runOwnCommand(id);
}

bool CommandTarget::routeUpdate(CmdUI& ui)
{
    return runOwnUpdate(ui);
}

bool CommandTarget::canHandle(int id) const
{
    return hasOwnCommand(id);
}

} // namespace vd
