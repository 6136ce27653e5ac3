#include "core/ByteHash.h"

namespace nimbus {

uint64_t hashBytes(const void* bytes, size_t count, uint64_t hash) {
    constexpr uint64_t kPrime = 1099511628211ull;
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < count; ++i) hash = (hash ^ p[i]) * kPrime;
    return hash;
}

}  // namespace nimbus
