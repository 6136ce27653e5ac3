#pragma once

#include <map>
#include <string>

#include "gui/NoCase.h"

namespace nimbus {

// Named text values through which windows, actions and game states talk. Names ignore
// letter case; an entry keeps the spelling it was created with. There is no registration:
// setting creates the entry, and an unset name reads as "not registered".
class PropertyRegistry {
public:
    using Map = std::map<std::string, std::string, NoCaseLess>;

    // The value, or the shared text "not registered". Looking up allocates nothing.
    const std::string& get(const char* name) const;
    const std::string& get(const std::string& name) const { return get(name.c_str()); }
    void set(const std::string& name, const std::string& value);
    const Map& entries() const { return entries_; }

private:
    Map entries_;
};

}  // namespace nimbus
