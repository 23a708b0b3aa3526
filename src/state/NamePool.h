#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace fw {

// The free given names with their sex. The first row whose sex is empty ends
// the pool; emptying the sex of the first row marks the pool stale, so the
// next pick rebuilds it.
struct NamePoolRow
{
    QString name;
    std::optional<int> sex; // 0 female, 1 male
};

struct NamePool
{
    bool built = false;
    std::vector<NamePoolRow> rows;

    bool isStale() const { return !built || rows.empty() || !rows.front().sex.has_value(); }
    void markStale()
    {
        if (!rows.empty())
            rows.front().sex.reset();
    }
};

} // namespace fw
