#include "municipal/conversion/LinkTable.h"

namespace municipal {

bool LinkTable::add(const std::string& key, std::vector<BoundaryPoint> points)
{
    if (stored_ >= limit_) {
        ++refused_;
        return false;
    }
    ++stored_;
    links_.try_emplace(key, std::move(points));
    return true;
}

const std::vector<BoundaryPoint>* LinkTable::find(const std::string& key) const
{
    const auto it = links_.find(key);
    return it == links_.end() ? nullptr : &it->second;
}

} // namespace municipal
