#pragma once
// The commands still listed as pending, each with the work that owns it; the walk names them and
// checks that the list of the program and this one agree.
#include <string>
#include <vector>

namespace walk {

struct PendingOwner {
    int first;
    int last;
    const char* owner;
};

inline const std::vector<PendingOwner>& PendingCommandOwners()
{
    static const std::vector<PendingOwner> owners = {
        {32782, 32782, "geology: the table of geological formations (filed later)"},
        {32892, 32892, "issue 54: choosing a registered text"},
        {32896, 32896, "issue 54: choosing a registered picture"},
        {33253, 33253, "issue 54: route maps"},
        {33254, 33254, "issue 54: area maps"},
        {33255, 33255, "issue 54: area maps (right-click menu)"},
        {33269, 33269, "issue 54: the route and area index map"},
        {33270, 33270, "issue 54: the route and area index map (right-click menu)"},
        {33284, 33284, "Surrick: registering prefecture data (filed later)"},
        {33285, 33285, "Surrick: updating prefecture data (filed later)"},
    };
    return owners;
}

} // namespace walk
