#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <thread>

#include "core/memory/MemoryManager.h"

// These tests ask the tracker about blocks they have just released.
#pragma GCC diagnostic ignored "-Wuse-after-free"

using nimbus::MemoryManager;

namespace {

const unsigned char kGuardBytes[4] = {0xBA, 0xAD, 0xF0, 0x0D};

const nimbus::AllocationRecord* recordOf(const void* p) {
    return MemoryManager::instance().tracker().find(p);
}

// Hides a pointer's origin, so the compiler lets the test read guard words and the tracker.
char* opaque(const void* p) {
    auto* q = const_cast<char*>(static_cast<const char*>(p));
    asm volatile("" : "+r"(q));
    return q;
}

}  // namespace

TEST(MemoryManager, BlocksAreAlignedFencedAndNumberedInTurn) {
    char* one = opaque(new char);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(one) % 16, 0u);
    EXPECT_EQ(std::memcmp(one - 4, kGuardBytes, 4), 0);
    EXPECT_EQ(std::memcmp(one + 1, kGuardBytes, 4), 0);
    ASSERT_NE(recordOf(one), nullptr);
    EXPECT_FALSE(recordOf(one)->flags & nimbus::AllocationRecord::Array);
    const uintptr_t oneAddress = reinterpret_cast<uintptr_t>(one);
    delete one;
    EXPECT_EQ(recordOf(reinterpret_cast<void*>(oneAddress)), nullptr);

    struct alignas(64) Wide {
        char bytes[3];
    };
    auto* wide = new Wide[2];
    EXPECT_EQ(reinterpret_cast<uintptr_t>(wide) % 64, 0u);
    EXPECT_TRUE(recordOf(wide)->flags & nimbus::AllocationRecord::Array);
    delete[] wide;
    auto* lone = new (std::nothrow) Wide;
    EXPECT_FALSE(recordOf(lone)->flags & nimbus::AllocationRecord::Array);
    delete lone;

    auto* quiet = new (std::nothrow) int[4];
    ASSERT_NE(quiet, nullptr);
    const uintptr_t quietAddress = reinterpret_cast<uintptr_t>(quiet);
    operator delete[](quiet, std::nothrow);
    EXPECT_EQ(recordOf(reinterpret_cast<void*>(quietAddress)), nullptr);

    int* null = nullptr;
    delete null;

    auto* a = new int(1);
    auto* b = new int(2);
    EXPECT_EQ(recordOf(b)->sequence, recordOf(a)->sequence + 1);
    delete a;
    delete b;
}

TEST(MemoryManager, AnOverrunIsReportedWithItsAllocationSiteAndStillFreed) {
    const size_t live = MemoryManager::instance().tracker().liveBlocks();
    // Through the operator the site is the operator's own source line.
    auto* block =
        static_cast<char*>(MemoryManager::instance().allocate(10, 16, "Board.cpp", 77, "level", true));
    block[10] = 'x';
    testing::internal::CaptureStderr();
    MemoryManager::instance().release(block);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Memory from Board.cpp(77)\n");
    EXPECT_EQ(MemoryManager::instance().tracker().liveBlocks(), live);

    char* array = opaque(new char[10]);
    const std::string site =
        std::string(recordOf(array)->file) + "(" + std::to_string(recordOf(array)->line) + ")";
    EXPECT_NE(site.find("GlobalOperators.cpp("), std::string::npos);
    array[-1] = 0;
    testing::internal::CaptureStderr();
    delete[] array;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Memory from " + site + "\n");
}

// The hint search makes and frees its blocks on a worker while the frame loop makes its own.
TEST(MemoryManager, BlocksOfTwoThreadsAtOnceAreAllAccountedFor) {
    const size_t live = MemoryManager::instance().tracker().liveBlocks();
    const auto churn = [] {
        for (int i = 0; i < 20000; ++i) delete[] opaque(new char[1 + i % 64]);
    };
    std::thread worker(churn);
    churn();
    worker.join();
    EXPECT_EQ(MemoryManager::instance().tracker().liveBlocks(), live);
}

// The heap report's live bytes: the callers' bytes of the blocks not yet released.
TEST(MemoryTracker, CountsTheCallersBytesOfLiveBlocksOnly) {
    nimbus::MemoryTracker tracker;
    char bytes[16];
    tracker.add({bytes, bytes + 10});
    tracker.add({bytes + 10, bytes + 16});
    tracker.remove(bytes);
    EXPECT_EQ(tracker.liveBytes(), 6u);
}

TEST(MemoryManager, ShutdownLeavesLiveBlocksAllocatedAndSilent) {
    auto* survivor = new int(7);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(nimbus::shutdownMemoryManager());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(*survivor, 7);
    EXPECT_EQ(recordOf(opaque(survivor)), nullptr);  // a fresh manager knows nothing of it
    delete survivor;                                 // unknown to the new manager: left alone
    EXPECT_TRUE(nimbus::shutdownMemoryManager());
}
