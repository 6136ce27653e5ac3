#include "game/rules/LevelList.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "core/DirectoryIterator.h"
#include "core/InArchive.h"
#include "core/Log.h"
#include "game/DataLayout.h"

namespace nimbus {

bool listLevels(InArchive& levels, std::vector<std::string>& names) {
    std::vector<std::string> found;
    std::unique_ptr<DirectoryIterator> entries(levels.list("/"));
    if (!entries) {
        // An empty directory lists nothing too; only a missing one is a failure.
        DirectoryEntry root;
        if (!levels.stat(root, "/") || root.type != EntryType::Directory) {
            LOG_ERROR("The level directory " << levels.root() << " cannot be read");
            return false;
        }
    }
    for (DirectoryEntry entry; entries && entries->current(entry); entries->advance()) {
        const std::string name = entry.name.stem();
        if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) found.push_back(name);
    }
    std::sort(found.begin(), found.end());
    names = std::move(found);
    return true;
}

bool isLevelName(const std::string& name) {
    constexpr size_t kLongest = 64;
    if (name.empty() || name.size() > kLongest ||
        !(isOwnLevel(name) || std::isdigit(static_cast<unsigned char>(name[0]))))
        return false;
    for (const char c : name) {
        if (!std::isgraph(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool isOwnLevel(const std::string& name) {
    const size_t extension = std::strlen(kLevelExtension);
    return name.size() > extension && name.compare(name.size() - extension, extension, kLevelExtension) == 0;
}

}  // namespace nimbus
