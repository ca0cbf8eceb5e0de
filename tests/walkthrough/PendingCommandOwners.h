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
        {32807, 32807, "issue 55: the slide show of the text and picture menus"},
        {32892, 32892, "issue 54: choosing a registered text"},
        {32896, 32896, "issue 54: choosing a registered picture"},
        {33253, 33253, "issue 54: route maps"},
        {33254, 33254, "issue 54: area maps"},
        {33255, 33255, "issue 54: area maps (right-click menu)"},
        {33269, 33269, "issue 54: the route and area index map"},
        {33270, 33270, "issue 54: the route and area index map (right-click menu)"},
        {33284, 33284, "Surrick: registering prefecture data (filed later)"},
        {33285, 33285, "Surrick: updating prefecture data (filed later)"},
        {2030, 2064, "issue 55: text menu 1"},
        {2070, 2104, "issue 55: text menu 2"},
        {2110, 2144, "issue 55: text menu 3"},
        {2150, 2184, "issue 55: text menu 4"},
        {2190, 2224, "issue 55: text menu 5"},
        {2230, 2264, "issue 55: picture menu 1"},
        {2270, 2304, "issue 55: picture menu 2"},
        {2310, 2344, "issue 55: picture menu 3"},
    };
    return owners;
}

} // namespace walk
