#pragma once

#include "platform/Clock.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace fw::fuzz {

// One fixed moment, so every run of an input behaves alike.
class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 8), QTime(12, 0)); }
};

inline QByteArrayView bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A finding: libFuzzer reports the crash with the input that caused it.
[[noreturn]] void fail(const char *what);

} // namespace fw::fuzz
