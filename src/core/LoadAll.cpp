#include <strings.h>

#include <cerrno>
#include <memory>

#include "core/DirectoryIterator.h"
#include "core/InArchive.h"
#include "core/InBuffer.h"
#include "core/Log.h"

namespace nimbus {

int loadAll(InArchive& archive, const Path& directory, const char* extension, Callback2 callback) {
    std::unique_ptr<DirectoryIterator> entries(archive.list(directory));
    if (!entries) return 0;
    int accepted = 0;
    DirectoryEntry entry;
    do {
        if (!entries->current(entry)) break;
        if (strcasecmp(entry.name.extension().c_str(), extension) != 0) continue;
        std::unique_ptr<InBuffer> buffer(archive.open(entry.name));
        if (!buffer) {
            LOG_ERROR("Failed to open " << entry.name.c_str() << " - " << systemErrorString(errno));
            return -(accepted + 1);
        }
        if (!callback(entry.name, *buffer)) return -(accepted + 1);
        ++accepted;
    } while (entries->advance());
    return accepted;
}

}  // namespace nimbus
