#pragma once

#include "state/FishRecord.h"

#include <array>

namespace fw {

// Up to 99 fish records at positions 1..count, without gaps.
struct FishTable
{
    static constexpr int Capacity = 99;

    int count = 0;

    FishRecord &at(int position) { return m_records[position - 1]; }
    const FishRecord &at(int position) const { return m_records[position - 1]; }

    friend bool operator==(const FishTable &, const FishTable &) = default;

private:
    std::array<FishRecord, Capacity> m_records;
};

} // namespace fw
