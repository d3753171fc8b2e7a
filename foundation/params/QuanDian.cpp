#include "foundation/params/QuanDian.h"

#include <algorithm>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/SideNoteFonts.h"
#include "foundation/params/TaggedListText.h"
#include "foundation/text/TagUtils.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kNewSetMark = u'○';
const QString kMarkFace = u"宋体"_s;

const QString kCharOpen = u"<QD_CHAR_PARA>"_s;
const QString kCharClose = u"</QD_CHAR_PARA>"_s;
const QString kFontOpen = u"<CHAR_FONT_PARA>"_s;
const QString kFontClose = u"</CHAR_FONT_PARA>"_s;
const QString kSetOpen = u"<QD_PARA>"_s;
const QString kSetClose = u"</QD_PARA>"_s;

bool SameQdChar(const TQdChar& a, const TQdChar& b)
{
    return a.QD_CHAR == b.QD_CHAR && FontStyleEquals(a.font, b.font) && a.X_MOVE == b.X_MOVE && a.Y_MOVE == b.Y_MOVE;
}

int32_t WriteQdCharBin(TBinFile& file, const TQdChar& mark)
{
    int32_t bytes = file.WriteUInt16(uint16_t(mark.QD_CHAR));
    bytes += file.WriteInt32(mark.X_MOVE);
    bytes += file.WriteInt32(mark.Y_MOVE);
    return bytes + WriteFontStyle(file, mark.font);
}

bool ReadQdCharBin(TBinFile& file, int32_t version, TQdChar& mark)
{
    uint16_t unit = 0;
    if (!file.ReadUInt16(unit))
        return false;
    mark.QD_CHAR = unit;
    return file.ReadInt32(mark.X_MOVE) && file.ReadInt32(mark.Y_MOVE) && ReadFontStyle(version, file, mark.font);
}

}  // namespace

void SetQdCharFont(TQdChar& mark, int32_t size) { SetSizedFont(mark.font, kMarkFace, size); }

int32_t FindQuanDianIndex(const TQuanDianList& list, const QString& name)
{
    return list.IndexOfName(&TQuanDian::QD_MARK, name);
}

TQuanDian* GetQuanDian(const QString& name, int32_t size)
{
    if (!g_CurQuanDianList)
        return nullptr;
    if (TQuanDian* found = g_CurQuanDianList->FindByName(&TQuanDian::QD_MARK, name))
        return found;
    TQuanDian* set = g_CurQuanDianList->AddNew();
    set->QD_MARK = name;
    set->index = g_CurQuanDianList->Size() - 1;
    TQdChar* mark = AddQdChar(*set);
    mark->QD_CHAR = kNewSetMark;
    SetQdCharFont(*mark, size);
    return set;
}

bool SameQuanDian(const TQuanDian& a, const TQuanDian& b)
{
    return a.marks.Size() == b.marks.Size() && std::equal(a.marks.begin(), a.marks.end(), b.marks.begin(), SameQdChar);
}

bool SameQuanDianArray(const TQuanDianList& a, const TQuanDianList& b)
{
    return a.Size() == b.Size() && std::equal(a.begin(), a.end(), b.begin(), SameQuanDian);
}

TQdChar& ScaleQdChar(TQdChar& out, double zoom, const TQdChar& source)
{
    TQdChar scaled;
    scaled.QD_CHAR = source.QD_CHAR;
    ScaleFontStyle(scaled.font, zoom, source.font);
    scaled.X_MOVE = ScaleLength(source.X_MOVE, zoom);
    scaled.Y_MOVE = ScaleLength(source.Y_MOVE, zoom);
    out = std::move(scaled);
    return out;
}

TQuanDian& ScaleQuanDian(TQuanDian& out, double zoom, const TQuanDian& source)
{
    TQuanDian scaled;
    for (const TQdChar& mark : source.marks)
        ScaleQdChar(*scaled.marks.AddNew(), zoom, mark);
    scaled.QD_MARK = source.QD_MARK;
    out = std::move(scaled);
    return out;
}

TQuanDianList& ScaleQuanDianArray(const TQuanDianList& source, TQuanDianList& out, double zoom)
{
    return ScaleIndexedList(source, out, zoom, ScaleQuanDian);
}

int32_t WriteQuanDianBin(TBinFile& file, const TQuanDian& set)
{
    return WriteCountedList(file, set.marks, WriteQdCharBin) + file.WriteString(set.QD_MARK);
}

int32_t WriteQuanDianArrayBin(const TQuanDianList& list, TBinFile& file)
{
    return WriteCountedList(file, list, WriteQuanDianBin);
}

bool ReadQuanDianBin(TBinFile& file, int32_t version, TQuanDian& set)
{
    const bool marksComplete = ReadCountedList(file, set.marks, [version](TBinFile& f, TQdChar& mark, int32_t) {
        return ReadQdCharBin(f, version, mark);
    });
    QString name;
    if (!marksComplete || !file.ReadString(name))
        return false;
    set.QD_MARK = name;
    return true;
}

bool ReadQuanDianArrayBin(TBinFile& file, int32_t version, TQuanDianList& list)
{
    return ReadCountedList(file, list, [version](TBinFile& f, TQuanDian& set, int32_t position) {
        set.index = position;
        return ReadQuanDianBin(f, version, set);
    });
}

void WriteQdCharText(TTextFile& file, const TQdChar& mark)
{
    // A zero unit would end the line early in the file; no mark is written
    // as an empty value, which reads back as no mark.
    const QString unit = mark.QD_CHAR == 0 ? QString() : QString(QChar(char16_t(mark.QD_CHAR)));
    TTextItems::WriteTag(file, kCharOpen);
    TTextItems::WriteString(file, u"QD_CHAR"_s, unit);
    TTextItems::WriteInt(file, u"X_MOVE"_s, mark.X_MOVE);
    TTextItems::WriteInt(file, u"Y_MOVE"_s, mark.Y_MOVE);
    TTextItems::WriteTag(file, kCharClose);
    TTextItems::WriteTag(file, kFontOpen);
    FontStyleToText(file, mark.font);
    TTextItems::WriteTag(file, kFontClose);
}

void ReadQdCharText(TQdChar& mark, QStringView text)
{
    const QString block = ExtractBetweenMarkers(kCharOpen, text, kCharClose);
    const TTextItems::Reader items(block);
    if (const QString* unit = items.Value(u"QD_CHAR"))
        mark.QD_CHAR = unit->isEmpty() ? 0 : unit->at(0).unicode();
    items.Int(u"X_MOVE", mark.X_MOVE);
    items.Int(u"Y_MOVE", mark.Y_MOVE);
    FontStyleFromText(mark.font, ExtractBetweenMarkers(kFontOpen, text, kFontClose));
}

void WriteQuanDianText(TTextFile& file, const TQuanDian& set)
{
    WriteTaggedList(file, set.marks, u"<QD_CHAR%1>"_s, u"</QD_CHAR>"_s, WriteQdCharText);
    TTextItems::WriteTag(file, kSetOpen);
    TTextItems::WriteString(file, u"QD_MARK"_s, set.QD_MARK);
    TTextItems::WriteTag(file, kSetClose);
}

void ReadQuanDianText(TQuanDian& set, QStringView text)
{
    ReadTaggedList(set.marks, text, u"<QD_CHAR%1>"_s, u"</QD_CHAR>"_s, ReadQdCharText);
    const TTextItems::Reader items(ExtractBetweenMarkers(kSetOpen, text, kSetClose));
    items.String(u"QD_MARK", set.QD_MARK);
}

void WriteQuanDianArrayText(TTextFile& file, const TQuanDianList& list)
{
    WriteTaggedList(file, list, u"<QUAN_DIAN%1>"_s, u"</QUAN_DIAN>"_s, WriteQuanDianText);
}

void ReadQuanDianArrayText(TQuanDianList& list, QStringView text)
{
    ReadTaggedList(list, text, u"<QUAN_DIAN%1>"_s, u"</QUAN_DIAN>"_s, ReadQuanDianText,
                   [](TQuanDian& set, int32_t i) { set.index = i; });
}
