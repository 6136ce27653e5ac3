#include "FuzzTarget.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Log.h"

namespace nimbus {

void quietLog() {
    if (!Log::instance()) Log::setInstance(new Log);
}

const char* scratchFile(const uint8_t* data, size_t size) {
    static const std::string name = [] {
        const char* directory = std::getenv("TMPDIR");
        return std::string(directory && *directory ? directory : "/tmp") + "/nimbus-fuzz-" + std::to_string(getpid());
    }();
    FILE* file = std::fopen(name.c_str(), "wb");
    fuzzCheck(file != nullptr, "the scratch file cannot be written");
    fuzzCheck(std::fwrite(data, 1, size, file) == size, "the scratch file takes fewer bytes than given");
    std::fclose(file);
    return name.c_str();
}

void touch(const void* bytes, size_t size) {
    const volatile auto* p = static_cast<const volatile uint8_t*>(bytes);
    for (size_t i = 0; i < size; ++i) (void)p[i];
}

void fuzzCheck(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace nimbus
