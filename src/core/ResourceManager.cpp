#include "core/ResourceManager.h"

#include "core/Log.h"

namespace nimbus {

bool ResourceManager::add(const char* name, Resource* resource) {
    auto inserted = entries_.try_emplace(name);
    ResourceHandle<Resource>& entry = inserted.first->second;
    if (inserted.second || !entry) {
        entry = ResourceHandle<Resource>(resource);
        return inserted.second;
    }
    // An entry only ever takes over an object of its own class.
    if (std::string(entry->typeName()) != resource->typeName()) {
        LOG_ERROR("Resource " << name << " is a " << entry->typeName() << ", not a " << resource->typeName());
        delete resource;
        return false;
    }
    entry->assign(*resource);
    delete resource;
    return false;
}

Resource* ResourceManager::find(const char* name, const char* typeName) const {
    const auto entry = entries_.find(name);
    if (entry == entries_.end() || !entry->second) return nullptr;
    return std::string(entry->second->typeName()) == typeName ? entry->second.get() : nullptr;
}

}  // namespace nimbus
