#include "platform/spread_thread.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <sched.h>
#include <system_error>
#include <vector>

namespace platform {
namespace {

struct Start {
    std::function<void()> work;
    std::optional<cpu_set_t> allowed; // the process's CPUs, when the thread was placed
};

void* Run(void* argument) {
    const std::unique_ptr<Start> start(static_cast<Start*>(argument));
    // Started where it was placed; from now on the scheduler may move it like any thread.
    if (start->allowed) {
        (void)sched_setaffinity(0, sizeof *start->allowed, &*start->allowed);
    }
    start->work();
    return nullptr;
}

// The CPUs of the set, in order.
std::vector<int> CpusOf(const cpu_set_t& allowed) {
    std::vector<int> cpus;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &allowed)) {
            cpus.push_back(cpu);
        }
    }
    return cpus;
}

} // namespace

SpreadThread::SpreadThread(std::function<void()> work, unsigned place) {
    auto start = std::make_unique<Start>();
    start->work = std::move(work);
    pthread_attr_t attributes;
    if (const int error = pthread_attr_init(&attributes); error != 0) {
        throw std::system_error(error, std::generic_category(), "cannot start a thread");
    }
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    const std::vector<int> cpus =
        sched_getaffinity(0, sizeof allowed, &allowed) == 0 ? CpusOf(allowed) : std::vector<int>{};
    const auto own = std::find(cpus.begin(), cpus.end(), sched_getcpu());
    if (cpus.size() > 1 && own != cpus.end()) {
        const auto index = static_cast<std::size_t>(own - cpus.begin());
        cpu_set_t first;
        CPU_ZERO(&first);
        CPU_SET(cpus[(index + place) % cpus.size()], &first);
        if (pthread_attr_setaffinity_np(&attributes, sizeof first, &first) == 0) {
            start->allowed = allowed;
        }
    }
    const int error = pthread_create(&thread_, &attributes, Run, start.get());
    pthread_attr_destroy(&attributes);
    if (error != 0) {
        throw std::system_error(error, std::generic_category(), "cannot start a thread");
    }
    (void)start.release(); // Run owns it now
}

SpreadThread::~SpreadThread() {
    pthread_join(thread_, nullptr);
}

} // namespace platform
