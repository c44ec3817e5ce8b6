#include "tools/assetgen/Group.h"

#include <algorithm>

namespace assetgen {

namespace {

std::vector<Group>& Registry() {
    static std::vector<Group> groups;
    return groups;
}

}  // namespace

const std::vector<Group>& Groups() {
    return Registry();
}

const Group* FindGroup(const std::string& name) {
    for (const Group& group : Registry()) {
        if (group.name == name) return &group;
    }
    return nullptr;
}

GroupRegistration::GroupRegistration(Group group) {
    auto& groups = Registry();
    auto at = std::lower_bound(groups.begin(), groups.end(), group.name,
                               [](const Group& g, const std::string& name) { return g.name < name; });
    groups.insert(at, std::move(group));
}

}  // namespace assetgen
