#pragma once

// Threads for short bursts of parallel work. A new thread can be queued on its creator's CPU and
// wait there while another CPU idles; a burst of a few milliseconds (reading a thousand small
// files) is then over before the scheduler moves it. A SpreadThread starts on a CPU of its own
// choosing among those the process may use, and may run anywhere once it has started.

#include <algorithm>
#include <functional>
#include <pthread.h>
#include <thread>

namespace platform {

// How many threads a burst of work gets: one per core, at least one and at most `most`.
[[nodiscard]] inline unsigned ThreadsForCores(unsigned most) {
    return std::max(1u, std::min(std::thread::hardware_concurrency(), most));
}

class SpreadThread {
public:
    // Runs `work` on a new thread that starts on the place-th CPU after the caller's own among
    // the process's CPUs, counting round: place 1 is the next CPU, and with two CPUs place 2 is
    // the caller's. Throws std::system_error when no thread can be made.
    SpreadThread(std::function<void()> work, unsigned place);
    // Waits for the thread to end.
    ~SpreadThread();
    SpreadThread(const SpreadThread&) = delete;
    SpreadThread& operator=(const SpreadThread&) = delete;

private:
    pthread_t thread_{};
};

} // namespace platform
