#pragma once

#include "core/Archive.h"
#include "core/ProcessWide.h"

namespace nimbus {

class OutBuffer;
class Path;

// Writes files by archive path; refuses a relative path with null, silently.
class OutArchive : public Archive {
public:
    // A new buffer for the file; null (nothing logged) when it cannot be created. The
    // old file is replaced only when the buffer is deleted after every write succeeded.
    virtual OutBuffer* open(const Path& path) = 0;
};

// The process-wide output archive; the setter returns the previous one for its owner.
inline OutArchive* outArchive() { return ProcessWide<OutArchive>::get(); }
inline OutArchive* setOutArchive(OutArchive* archive) { return ProcessWide<OutArchive>::set(archive); }

}  // namespace nimbus
