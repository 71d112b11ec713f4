#pragma once

// Small helpers the benchmark programs share.

#include <time.h>

#include <algorithm>
#include <vector>

namespace nupel {

// Processor time of the whole process, all its threads, in seconds.
inline double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace nupel
