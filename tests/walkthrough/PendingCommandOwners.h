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
        {33284, 33284, "Surrick: registering prefecture data (filed later)"},
        {33285, 33285, "Surrick: updating prefecture data (filed later)"},
    };
    return owners;
}

} // namespace walk
