#include "core/posix/PosixOutArchive.h"

#include "core/posix/FileOutBuffer.h"

namespace nimbus {

OutBuffer* PosixOutArchive::open(const Path& path) {
    if (!path.isAbsolute()) return nullptr;
    auto* buffer = new FileOutBuffer;
    if (buffer->open(join(root_, path).toNative())) return buffer;
    delete buffer;
    return nullptr;
}

}  // namespace nimbus
