#include "core/posix/FileOutBuffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/Log.h"

namespace nimbus {

FileOutBuffer::~FileOutBuffer() { close(); }

bool FileOutBuffer::open(const std::string& nativeName) {
    name_ = nativeName;
    std::vector<char> pattern(nativeName.begin(), nativeName.end());
    const char suffix[] = ".saving-XXXXXX";
    pattern.insert(pattern.end(), suffix, suffix + sizeof suffix);
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; a saved file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    temporaryName_ = pattern.data();
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
        ::close(fd);
        ::unlink(temporaryName_.c_str());
        return false;
    }
    return true;
}

int32_t FileOutBuffer::write(const void* source, int32_t count) {
    if (!stream_ || count <= 0) return 0;
    if (std::fwrite(source, count, 1, stream_) != 1) {
        failed_ = true;
        return 0;
    }
    written_ += count;
    return count;
}

bool FileOutBuffer::close() {
    if (!stream_) return false;
    bool ok = !failed_ && std::fflush(stream_) == 0 && ::fsync(::fileno(stream_)) == 0;
    ok = (std::fclose(stream_) == 0) && ok;
    stream_ = nullptr;
    if (ok && ::rename(temporaryName_.c_str(), name_.c_str()) == 0) return true;
    if (ok) LOG_ERROR("Failed to replace " << name_ << " - " << systemErrorString(errno));
    discard();
    return false;
}

void FileOutBuffer::discard() { ::unlink(temporaryName_.c_str()); }

}  // namespace nimbus
