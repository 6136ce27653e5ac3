#pragma once

#include "core/Archive.h"
#include "core/Callback2.h"
#include "core/DirectoryEntry.h"
#include "core/ProcessWide.h"

namespace nimbus {

class DirectoryIterator;
class InBuffer;

// Reads files and lists directories by archive path. Every operation refuses a relative
// path with its failure value, silently. Buffers and iterators it returns belong to the
// caller and must be deleted before the archive.
class InArchive : public Archive {
public:
    // A new iterator on the directory's first entry; null when it is missing or empty.
    virtual DirectoryIterator* list(const Path& directory) = 0;
    // Fills the entry's attributes; false when the path does not exist.
    virtual bool stat(DirectoryEntry& entry, const Path& path) = 0;
    // A new buffer positioned at the start of the file; null (nothing logged) on failure.
    virtual InBuffer* open(const Path& path) = 0;
    // Runs the callback with the new contents whenever the file is modified; one
    // callback per file (false for a second one), one watch per directory.
    virtual bool watch(const Path& file, Callback2 callback) = 0;
    // Runs the callbacks of the files modified since the last poll, never blocking;
    // returns how many ran.
    virtual int poll() = 0;
};

// Feeds every file of the directory whose extension matches (ignoring case) to the
// callback. Returns the number accepted; stops at a file that does not open (with one
// error line naming it) or that the callback refuses, returning -(count + 1), so a
// negative result is always a failure.
int loadAll(InArchive& archive, const Path& directory, const char* extension, Callback2 callback);

// The process-wide input archive; the setter returns the previous one for its owner.
inline InArchive* inArchive() { return ProcessWide<InArchive>::get(); }
inline InArchive* setInArchive(InArchive* archive) { return ProcessWide<InArchive>::set(archive); }

}  // namespace nimbus
