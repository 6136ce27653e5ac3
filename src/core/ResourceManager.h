#pragma once

#include <map>
#include <string>

#include "core/ProcessWide.h"
#include "core/ResourceHandle.h"
#include "core/SimpleResource.h"

namespace nimbus {

// The process-wide registry of named, typed assets ("Textures/backdrop", "Meshes/Dice").
// It owns its entries; entries are added or replaced, never removed, and an object lives
// while any handle to it does. It reads no files: loaders build objects and register them.
class ResourceManager {
public:
    ResourceManager() = default;
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // Takes ownership of the resource. True for a new name; false when the existing entry
    // took over the new object (its handles now see it).
    bool add(const char* name, Resource* resource);
    // The entry of that name and exact type name, or null.
    Resource* find(const char* name, const char* typeName) const;

private:
    std::map<std::string, ResourceHandle<Resource>> entries_;
};

// The process-wide manager; the setter returns the previous one for its owner.
inline ResourceManager* resourceManager() { return ProcessWide<ResourceManager>::get(); }
inline ResourceManager* setResourceManager(ResourceManager* manager) {
    return ProcessWide<ResourceManager>::set(manager);
}

// A handle to the named asset in the process-wide manager; empty when the name is
// missing or of another type (or there is no manager).
template <typename T>
ResourceHandle<T> getResource(const char* name, const char* typeName) {
    ResourceManager* manager = resourceManager();
    Resource* found = manager ? manager->find(name, typeName) : nullptr;
    if (!found) return ResourceHandle<T>();
    return static_cast<SimpleResource<T>*>(found)->handle();
}

// Registers an object (may be null) under a name and type name in the process-wide
// manager; a no-op without a manager. Each asset class has its own registerX wrapper.
template <typename T>
bool registerResource(const char* name, T* object, const char* typeName) {
    ResourceManager* manager = resourceManager();
    auto* resource = new SimpleResource<T>(object, typeName);
    if (manager) return manager->add(name, resource);
    delete resource;
    return false;
}

}  // namespace nimbus
