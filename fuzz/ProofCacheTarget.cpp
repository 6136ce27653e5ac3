// The cache of level proofs, read as the game starts: what it takes must write back to
// text that reads as the same cache.
#include <string>

#include "FuzzTarget.h"
#include "game/level/ProofCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    ProofCache cache;
    cache.read(std::string(reinterpret_cast<const char*>(data), size));
    fuzzCheck(cache.size() <= ProofCache::kMaxProofs, "the cache holds more proofs than it may");
    const std::string text = cache.text();
    ProofCache again;
    fuzzCheck(again.read(text) == 0, "the written cache has damaged lines");
    fuzzCheck(again.text() == text, "the written cache reads back as another");
    return 0;
}
