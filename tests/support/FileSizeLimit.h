#pragma once

#include <sys/resource.h>

#include <csignal>

namespace nimbus {

// A disk that fills up: while one lives, a write growing a file past `bytes` is refused
// (its signal ignored); all is put back when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        struct rlimit small = previous_;
        small.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit took hold; a test without it proves nothing.
    bool active() const { return active_; }

private:
    struct rlimit previous_ {};
    void (*previousHandler_)(int);
    bool active_ = false;
};

}  // namespace nimbus
