#include "core/posix/FileInBuffer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "core/Log.h"

namespace nimbus {

FileInBuffer::~FileInBuffer() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileInBuffer::open(const std::string& nativeName) {
    name_ = nativeName;
    fd_ = ::open(nativeName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat info;
    // A directory opens for reading on this platform but is no file.
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > std::numeric_limits<int32_t>::max()) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<int32_t>(info.st_size);
    position_ = 0;
    return true;
}

int32_t FileInBuffer::read(void* destination, int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n <= 0) return 0;
    auto* out = static_cast<char*>(destination);
    int32_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(fd_, out + done, n - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            LOG_ERROR("Failed to read file - " << systemErrorString(errno));
            return done;
        }
        if (got == 0) break;
        done += static_cast<int32_t>(got);
    }
    position_ += done;
    return done;
}

void FileInBuffer::skip(int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n <= 0) return;
    if (::lseek(fd_, n, SEEK_CUR) == static_cast<off_t>(-1)) {
        LOG_ERROR("Failed to move filepointer - " << systemErrorString(errno));
        return;
    }
    position_ += n;
}

}  // namespace nimbus
