#pragma once
// Named blocks of the layout-parameter text: "<NAME>", the body's lines,
// "</NAME>" when writing; the text between the first "<NAME>" and the first
// "</NAME>" after it when reading (empty when either is missing).
#include <QString>
#include <QStringView>

#include "foundation/io/TextFile.h"
#include "foundation/text/TagUtils.h"
#include "foundation/text/TextItems.h"

inline QString OpenTag(QStringView name) { return u'<' + name.toString() + u'>'; }
inline QString CloseTag(QStringView name) { return QStringLiteral("</") + name.toString() + u'>'; }

template <class WriteBody>
void WriteTaggedBlock(TTextFile& file, QStringView name, WriteBody writeBody)
{
    TTextItems::WriteTag(file, OpenTag(name));
    writeBody();
    TTextItems::WriteTag(file, CloseTag(name));
}

inline QString TaggedBlock(QStringView text, QStringView name)
{
    return ExtractBetweenMarkers(OpenTag(name), text, CloseTag(name));
}
