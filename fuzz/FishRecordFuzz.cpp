// Any text as a fish record, and any field values written into it.
#include "FuzzSupport.h"

#include "state/Cp932.h"
#include "state/FishRecord.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes = fw::fuzz::bytesOf(data, size);
    const qsizetype split =
        bytes.isEmpty() ? 0 : qsizetype(std::uint8_t(bytes[0])) % (bytes.size());
    fw::FishRecord record(fw::decodeCp932(bytes.sliced(0, split)));
    const QString value = fw::decodeCp932(bytes.sliced(split));
    if (record.text().size() != fw::FishRecord::Length)
        fw::fuzz::fail("a record is not 120 characters");
    (void)record.birthDay();
    (void)record.speciesIndex();
    (void)(record.left() + record.top() + record.movex() + record.movey());

    static const std::array<const char16_t *, 9> keys = {
        u"species", u"name", u"age", u"sex", u"left", u"top", u"movex", u"movey", u"other"};
    for (const char16_t *key : keys) {
        fw::FishRecord changed = record;
        const bool known = changed.setField(QStringView(key), value);
        if (changed.text().size() != fw::FishRecord::Length)
            fw::fuzz::fail("setField changed the record's length");
        if (!known && changed != record)
            fw::fuzz::fail("an unknown key changed the record");
    }
    // A number written as a field reads back as itself.
    if (size >= 2) {
        const int number = int(std::int16_t(data[0] | (data[1] << 8))) % 10000;
        fw::FishRecord moved = record;
        moved.setField(u"left", fw::FishRecord::numberField(number));
        if (moved.left() != number)
            fw::fuzz::fail("a number field does not read back");
    }
    return 0;
}
