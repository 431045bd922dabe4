// Per-file work on a few threads: results in order, the error a single thread would meet, and
// threads that start beside their creator rather than behind it.

#include "platform/parallel_map.h"

#include <atomic>
#include <gtest/gtest.h>
#include <sched.h>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

using platform::MapInParallel;

TEST(MapInParallel, GivesEveryResultInOrderWhateverThreadMadeIt) {
    std::mutex mutex;
    std::set<std::thread::id> threads;
    const std::vector<std::string> results = MapInParallel(
        1000,
        [&](std::size_t i) {
            const std::lock_guard lock(mutex);
            threads.insert(std::this_thread::get_id());
            return std::to_string(i * i);
        },
        10);
    ASSERT_EQ(results.size(), 1000u);
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i], std::to_string(i * i));
    }
    EXPECT_EQ(threads.size(), std::min(4u, std::max(1u, std::thread::hardware_concurrency())));
    EXPECT_TRUE(MapInParallel(0, [](std::size_t) { return 1; }).empty());
    EXPECT_EQ(MapInParallel(
                  3, [](std::size_t i) { return int(i) + 1; }, 64),
              (std::vector<int>{1, 2, 3}));
}

TEST(MapInParallel, RethrowsTheErrorOfTheLowestIndexAfterAllThreadsEnded) {
    for (const std::size_t first : {0u, 499u, 998u}) {
        try {
            (void)MapInParallel(
                1000,
                [&](std::size_t i) {
                    if (i == first || i == 999 || i == 500) {
                        throw std::runtime_error(std::to_string(i));
                    }
                    return i;
                },
                10);
            FAIL() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), std::to_string(std::min<std::size_t>(first, 500)));
        }
    }
}

TEST(ASpreadThread, StartsOnAnotherCpuThanItsCreatorAndMayThenRunOnAny) {
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    std::atomic<int> startedOn{-1};
    cpu_set_t afterStart;
    CPU_ZERO(&afterStart);
    int creator = -1;
    {
        creator = sched_getcpu();
        const platform::SpreadThread thread(
            [&] {
                startedOn = sched_getcpu();
                (void)sched_getaffinity(0, sizeof afterStart, &afterStart);
            },
            1);
    } // joined here
    ASSERT_GE(startedOn.load(), 0) << "the work ran before the thread was joined";
    EXPECT_TRUE(CPU_EQUAL(&afterStart, &allowed)) << "free to run anywhere once started";
    if (CPU_COUNT(&allowed) > 1) {
        // The creator may itself have moved between reading its CPU and making the thread.
        EXPECT_TRUE(startedOn.load() != creator || sched_getcpu() != creator);
    }
}
