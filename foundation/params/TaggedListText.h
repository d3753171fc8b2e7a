#pragma once
// The tagged-text form of a record list: every entry between "<TAG%d>" with
// its index and a shared closing tag; read from index 0 up to the first
// empty entry block, each entry appended with its defaults and given its
// index as position.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "foundation/io/TextFile.h"
#include "foundation/text/TextItems.h"

// openTag holds "%1" where the index goes ("<TECH%1>");
// writeOne(file, record) writes the entry's lines.
template <class T, class WriteOne>
void WriteTaggedList(TTextFile& file, const OwningList<T>& list, const QString& openTag, const QString& closeTag,
                     WriteOne writeOne)
{
    int32_t i = 0;
    for (const T& record : list) {
        TTextItems::WriteTag(file, openTag.arg(i++));
        writeOne(file, record);
        TTextItems::WriteTag(file, closeTag);
    }
}

// Clears the list and reads it; readOne(record, block) reads one entry.
// setIndex(record, i) gives the entry its position.
template <class T, class ReadOne, class SetIndex>
void ReadTaggedList(OwningList<T>& list, QStringView text, const QString& openTag, const QString& closeTag,
                    ReadOne readOne, SetIndex setIndex)
{
    list.Clear();
    for (const QString& block : TTextItems::ListBlocks(text, openTag, closeTag)) {
        T* record = list.AddNew();
        readOne(*record, QStringView(block));
        setIndex(*record, list.Size() - 1);
    }
}

// For records without an index.
template <class T, class ReadOne>
void ReadTaggedList(OwningList<T>& list, QStringView text, const QString& openTag, const QString& closeTag,
                    ReadOne readOne)
{
    ReadTaggedList(list, text, openTag, closeTag, readOne, [](T&, int32_t) {});
}
