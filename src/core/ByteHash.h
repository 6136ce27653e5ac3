#pragma once

#include <cstddef>
#include <cstdint>

namespace nimbus {

// The 64-bit FNV-1a hash of a run of bytes. It tells content apart (a level edited since
// a run was recorded on it, a file damaged since it was written); it is no defence
// against anyone who shapes bytes on purpose.
constexpr uint64_t kByteHashStart = 14695981039346656037ull;

// Hashes the bytes on from `hash`, so that pieces can be hashed one after the other.
uint64_t hashBytes(const void* bytes, size_t count, uint64_t hash = kByteHashStart);

}  // namespace nimbus
