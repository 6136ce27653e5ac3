#include "gui/PropertyRegistry.h"

#include "gui/GuiNames.h"

namespace nimbus {

namespace {
const std::string kUnset = kNotRegistered;
}  // namespace

const std::string& PropertyRegistry::get(const char* name) const {
    const auto found = entries_.find(name);
    return found == entries_.end() ? kUnset : found->second;
}

void PropertyRegistry::set(const std::string& name, const std::string& value) {
    const auto found = entries_.find(name);
    if (found == entries_.end()) {
        entries_.emplace(name, value);
    } else {
        found->second = value;
    }
}

}  // namespace nimbus
