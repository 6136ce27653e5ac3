#pragma once

#include <cstdio>
#include <cstring>

// The process's resident memory as the kernel counts it, for the memory benchmark and
// the bare GL program it compares the game with.
namespace nimbus::bench {

// A "Key:   N kB" line of a /proc file of this process, in kibibytes; -1 when missing.
inline long procKibibytes(const char* file, const char* key) {
    std::FILE* in = std::fopen(file, "r");
    if (!in) return -1;
    char line[256];
    long value = -1;
    const size_t keyLength = std::strlen(key);
    while (std::fgets(line, sizeof line, in)) {
        if (std::strncmp(line, key, keyLength) == 0 && line[keyLength] == ':') {
            std::sscanf(line + keyLength + 1, "%ld", &value);
            break;
        }
    }
    std::fclose(in);
    return value;
}

inline long residentKibibytes() { return procKibibytes("/proc/self/status", "VmRSS"); }

// Of the resident memory, what is not backed by a file: heaps, stacks and what the
// renderer allocates.
inline long anonymousKibibytes() { return procKibibytes("/proc/self/smaps_rollup", "Anonymous"); }

}  // namespace nimbus::bench
