#pragma once
// The counted list form of the binary parameter files: an int32 count, then
// the entries one after another.
#include <cstdint>
#include <memory>

#include "foundation/OwningList.h"
#include "foundation/io/BinFile.h"

// writeOne(file, record) returns the bytes it wrote.
template <class T, class WriteOne>
int32_t WriteCountedList(TBinFile& file, const OwningList<T>& list, WriteOne writeOne)
{
    int32_t bytes = file.WriteInt32(list.Size());
    for (const T& record : list)
        bytes += writeOne(file, record);
    return bytes;
}

// Clears the list, reads the count and then, for each position, a record with
// its defaults through readOne(file, record, position), which returns false
// when the data ended. Reading stops there and the unfinished record is
// dropped, so a damaged count never makes more records than the data holds.
// False when the data ended before the count was reached.
template <class T, class ReadOne>
bool ReadCountedList(TBinFile& file, OwningList<T>& list, ReadOne readOne)
{
    list.Clear();
    int32_t count = 0;
    if (!file.ReadInt32(count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        if (!readOne(file, *record, i))
            return false;
        list.Append(std::move(record));
    }
    return true;
}
