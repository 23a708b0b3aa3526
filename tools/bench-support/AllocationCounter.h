#pragma once

#include <cstdint>

namespace fw {

// Counts the program's heap allocations. Linking the target
// fw_allocation_counter replaces the global operator new and delete with
// counting versions; only benchmarks and measuring tools link it.
std::uint64_t allocationCount();

// Allocations made while `work` runs.
template <typename Work> std::uint64_t allocationsDuring(Work &&work)
{
    const std::uint64_t before = allocationCount();
    work();
    return allocationCount() - before;
}

} // namespace fw
