#include "bench/peak_memory.h"

#include <fstream>
#include <string>

namespace bench {

long PeakResidentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace bench
