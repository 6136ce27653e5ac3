#include "core/posix/PosixInArchive.h"

#include "core/posix/FileInBuffer.h"
#include "core/posix/PosixDirectoryIterator.h"

namespace nimbus {

PosixInArchive::PosixInArchive(const Path& root) : root_(root.normalise()) {}

DirectoryIterator* PosixInArchive::list(const Path& directory) {
    if (!directory.isAbsolute()) return nullptr;
    const Path rooted = join(root_, directory);
    DIR* stream = ::opendir(rooted.toNative().c_str());
    if (!stream) return nullptr;
    std::string first;
    if (!PosixDirectoryIterator::nextName(stream, first)) {
        ::closedir(stream);
        return nullptr;
    }
    return new PosixDirectoryIterator(join("/", root_), rooted, stream, first);
}

bool PosixInArchive::stat(DirectoryEntry& entry, const Path& path) {
    if (!path.isAbsolute()) return false;
    const Path rooted = join(root_, path);
    if (!statNative(rooted.toNative(), entry)) return false;
    entry.name = join("/", relative(join("/", root_), join("/", rooted.normalise())));
    return true;
}

InBuffer* PosixInArchive::open(const Path& path) {
    if (!path.isAbsolute()) return nullptr;
    auto* buffer = new FileInBuffer;
    if (buffer->open(join(root_, path).toNative())) return buffer;
    delete buffer;
    return nullptr;
}

}  // namespace nimbus
