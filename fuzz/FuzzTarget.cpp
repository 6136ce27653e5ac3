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

namespace {

std::string gScratchName;

void removeScratchFile() { std::remove(gScratchName.c_str()); }

}  // namespace

const char* scratchFile(const uint8_t* data, size_t size) {
    if (gScratchName.empty()) {
        const char* directory = std::getenv("TMPDIR");
        gScratchName = std::string(directory && *directory ? directory : "/tmp") + "/nimbus-fuzz-" +
                       std::to_string(getpid());
        // A run that ends normally, the replay of a corpus included, leaves nothing behind.
        std::atexit(removeScratchFile);
    }
    FILE* file = std::fopen(gScratchName.c_str(), "wb");
    fuzzCheck(file != nullptr, "the scratch file cannot be written");
    fuzzCheck(std::fwrite(data, 1, size, file) == size, "the scratch file takes fewer bytes than given");
    std::fclose(file);
    return gScratchName.c_str();
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
