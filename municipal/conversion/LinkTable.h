#pragma once
// The links of one source file, by key, as the areas after them refer to them. The table holds a
// fixed number of links; a link beyond it is refused and counted. A key already held keeps its
// first link.
#include "municipal/files/BoundaryFile.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace municipal {

class LinkTable {
public:
    explicit LinkTable(int limit) : limit_(limit) {}

    // False when the table was full and the link was refused.
    bool add(const std::string& key, std::vector<BoundaryPoint> points);
    // nullptr for a key that no link read so far has.
    const std::vector<BoundaryPoint>* find(const std::string& key) const;

    int stored() const { return stored_; }
    int refused() const { return refused_; }

private:
    int limit_;
    int stored_ = 0;
    int refused_ = 0;
    std::unordered_map<std::string, std::vector<BoundaryPoint>> links_;
};

} // namespace municipal
