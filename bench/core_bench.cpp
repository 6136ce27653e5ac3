#include <benchmark/benchmark.h>

#include <vector>

#include "core/MemoryInBuffer.h"
#include "core/VectorInBuffer.h"

using namespace nimbus;

namespace {
constexpr int kMiB = 1 << 20;

// Reading 1 MiB in 4-byte reads: a vector buffer moves the rest down on every read.
void BM_VectorInBuffer4ByteReads(benchmark::State& state) {
    const std::vector<unsigned char> data(state.range(0));
    for (auto _ : state) {
        VectorInBuffer in(data);
        uint32_t value = 0;
        while (in.read(&value, 4) == 4) benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_VectorInBuffer4ByteReads)->Arg(kMiB / 16)->Arg(kMiB)->Unit(benchmark::kMillisecond);

void BM_MemoryInBuffer4ByteReads(benchmark::State& state) {
    const std::vector<unsigned char> data(state.range(0));
    for (auto _ : state) {
        MemoryInBuffer in(data.data(), data.data() + data.size());
        uint32_t value = 0;
        while (in.read(&value, 4) == 4) benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MemoryInBuffer4ByteReads)->Arg(kMiB / 16)->Arg(kMiB)->Unit(benchmark::kMillisecond);
}  // namespace

#include <cstdlib>

#include "core/memory/MemoryManager.h"

namespace {

// Small blocks through the tracking manager (guards, record, map insert and erase)
// against the C library, the price every allocation of the game pays.
void BM_TrackedSmallBlocks(benchmark::State& state) {
    nimbus::MemoryManager& manager = nimbus::MemoryManager::instance();
    std::vector<void*> blocks(256);
    for (auto _ : state) {
        for (void*& b : blocks) b = manager.allocate(32, 16, __FILE__, __LINE__, "", false);
        for (void* b : blocks) manager.release(b);
    }
    state.SetItemsProcessed(state.iterations() * blocks.size());
}
BENCHMARK(BM_TrackedSmallBlocks);

void BM_MallocSmallBlocks(benchmark::State& state) {
    std::vector<void*> blocks(256);
    for (auto _ : state) {
        for (void*& b : blocks) {
            b = std::malloc(32);
            benchmark::DoNotOptimize(b);
        }
        for (void* b : blocks) std::free(b);
    }
    state.SetItemsProcessed(state.iterations() * blocks.size());
}
BENCHMARK(BM_MallocSmallBlocks);

}  // namespace
