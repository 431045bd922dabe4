#pragma once

// The peak resident memory of this process, for the benchmark programs' reports.

namespace bench {

// In KiB; 0 when the system does not tell. Not getrusage: after exec its peak still holds the
// memory of the process that started this one (the benchmark driver, here).
[[nodiscard]] long PeakResidentKib();

} // namespace bench
