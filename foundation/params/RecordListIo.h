#pragma once
// Operations shared by every record list of the layout parameters: the
// counted binary form (an int32 count, then the entries one after another)
// and the zoom-scaled copy.
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
// A record read from no bytes at all ends the list too: the data cannot
// vouch for the count then. False when the data ended before the count was
// reached.
template <class T, class ReadOne>
bool ReadCountedList(TBinFile& file, OwningList<T>& list, ReadOne readOne)
{
    list.Clear();
    int32_t count = 0;
    if (!file.ReadInt32(count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        const int64_t before = file.ReadPosition();
        if (!readOne(file, *record, i))
            return false;
        list.Append(std::move(record));
        if (file.ReadPosition() == before)
            return i + 1 == count;
    }
    return true;
}

// A zoom-scaled copy of an indexed list: scaleOne(entry, zoom, source) fills
// each entry, which gets its position as index. Built aside, so that scaling
// a list into itself works.
template <class T, class ScaleOne>
OwningList<T>& ScaleIndexedList(const OwningList<T>& source, OwningList<T>& out, double zoom, ScaleOne scaleOne)
{
    OwningList<T> scaled;
    for (const T& record : source) {
        T* entry = scaled.AddNew();
        scaleOne(*entry, zoom, record);
        entry->index = scaled.Size() - 1;
    }
    out = std::move(scaled);
    return out;
}
