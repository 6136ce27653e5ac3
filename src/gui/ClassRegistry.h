#pragma once

#include <tinyxml.h>

#include <cstddef>
#include <map>
#include <string>

#include "core/Log.h"
#include "gui/GuiNames.h"
#include "gui/NoCase.h"

namespace nimbus {

// A class name and the function that builds an object of that class from its element.
template <typename Creator>
struct ClassEntry {
    const char* name;
    Creator creator;
};

// The map behind the window and action factories: class names, compared ignoring letter
// case, to creator functions. The first registration of a name stays.
template <typename Creator>
class ClassRegistry {
public:
    // False, reported, when the name is taken in any letter case.
    bool registerClass(const std::string& name, Creator creator) {
        if (!creators_.emplace(name, creator).second) {
            LOG_ERROR("Class name already registered");
            return false;
        }
        return true;
    }

    // The one routine that fills a registry from a constant table; every entry is tried,
    // and the result is false when any was refused.
    bool registerClasses(const ClassEntry<Creator>* table, size_t count) {
        bool all = true;
        for (size_t i = 0; i < count; ++i) all = registerClass(table[i].name, table[i].creator) && all;
        return all;
    }

    // The creator named by the element's "class"; null, reported, when the attribute is
    // missing or names no registered class.
    Creator creatorFor(const TiXmlElement& element) const {
        const char* name = element.Attribute(kAttributeClass);
        if (!name) {
            LOG_ERROR("Element missing class attribute");
            return nullptr;
        }
        const auto found = creators_.find(name);
        if (found == creators_.end()) {
            LOG_ERROR("No constructor registered for '" << name << "'");
            return nullptr;
        }
        return found->second;
    }

private:
    std::map<std::string, Creator, NoCaseLess> creators_;
};

}  // namespace nimbus
