#pragma once

// Per-file work spread over a few threads. Reading many small files waits mostly on the system,
// and the files of a batch do not depend on each other, so a few threads finish sooner.

#include "platform/spread_thread.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <memory>
#include <vector>

namespace platform {

// Calls make(i) for every i below count and returns the results in order of i. Each thread takes
// one stretch of at least `perThread` indexes, on at most `most` threads and no more than the
// cores. When calls throw, the exception of the lowest i is rethrown after every thread ended.
template <typename Make>
auto MapInParallel(std::size_t count, Make make, std::size_t perThread = 64, unsigned most = 4)
    -> std::vector<decltype(make(std::size_t{}))> {
    using Result = decltype(make(std::size_t{}));
    const unsigned cores = ThreadsForCores(most);
    const std::size_t threads =
        std::clamp<std::size_t>(count / std::max<std::size_t>(perThread, 1), 1, cores);
    std::vector<Result> results(count);
    std::vector<std::exception_ptr> errors(threads);
    const auto work = [&](std::size_t t) {
        try {
            for (std::size_t i = count * t / threads; i < count * (t + 1) / threads; ++i) {
                results[i] = make(i);
            }
        } catch (...) {
            errors[t] = std::current_exception();
        }
    };
    {
        // Declared after what the helpers use, so that they are joined first, also when making
        // one of them throws.
        std::vector<std::unique_ptr<SpreadThread>> helpers;
        for (std::size_t t = 1; t < threads; ++t) {
            helpers.push_back(
                std::make_unique<SpreadThread>([&work, t] { work(t); }, static_cast<unsigned>(t)));
        }
        work(0);
    }
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
    return results;
}

} // namespace platform
