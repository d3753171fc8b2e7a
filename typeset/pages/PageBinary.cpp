#include "typeset/pages/PageBinary.h"

#include <QStringView>

#include "foundation/io/BinFile.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/Style.h"
#include "foundation/text/ScrambledString.h"
#include "platform/TextNumbers.h"
#include "typeset/pages/PageRecord.h"

namespace {

constexpr int32_t kFirstCoverNamesVersion = 28;
constexpr int32_t kFirstLineSizesVersion = 32;
// Before line sizes, a first line "<LLn>" carried the page's override.
constexpr QStringView kOldOverrideOpen = u"<LL";

QString CurrentPageStyleName(const QString& stored, int32_t version)
{
    if (version >= kFirstCoverNamesVersion)
        return stored;
    if (stored == u"COVER")
        return kCoverName;
    if (stored == u"BACK")
        return kBackCoverName;
    return stored;
}

int32_t WriteItems(TBinFile& file, const OwningList<TPageItem>& items)
{
    return WriteCountedList(file, items, [](TBinFile& f, const TPageItem& item) { return WritePageItem(f, item); });
}

bool ReadItems(TBinFile& file, OwningList<TPageItem>& items)
{
    return ReadCountedList(file, items, [](TBinFile& f, TPageItem& item, int32_t) { return ReadPageItem(f, item); });
}

bool ReadLine(TBinFile& file, int32_t version, TPageLine& line)
{
    if (!ReadScrambledString(file, line.text))
        return false;
    return version < kFirstLineSizesVersion || file.ReadInt32(line.size);
}

// Takes an old first line "<LL" n ">" as the override; false for any other line.
bool TakeOldOverride(const QString& text, TPageRec& page)
{
    if (!text.startsWith(kOldOverrideOpen))
        return false;
    const qsizetype digits = qMax<qsizetype>(0, text.size() - kOldOverrideOpen.size() - 1);
    page.linesOverride = ParseIntLikeAtoi(QStringView(text).mid(kOldOverrideOpen.size(), digits));
    return true;
}

bool ReadLines(TBinFile& file, int32_t version, TPageRec& page)
{
    page.lines.clear();
    int32_t count = 0;
    if (!file.ReadInt32(count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        TPageLine line;
        if (!ReadLine(file, version, line))
            return false;
        if (i == 0 && version < kFirstLineSizesVersion && TakeOldOverride(line.text, page))
            continue;
        page.lines.push_back(std::move(line));
    }
    return true;
}

}  // namespace

int32_t WritePageItem(TBinFile& file, const TPageItem& item)
{
    int32_t bytes = 0;
    for (int32_t value : {item.a, item.b, item.c, item.d})
        bytes += file.WriteInt32(value);
    bytes += file.WriteString(item.name);
    return bytes + file.WriteInt32(item.kind);
}

bool ReadPageItem(TBinFile& file, TPageItem& item)
{
    for (int32_t* value : {&item.a, &item.b, &item.c, &item.d})
        if (!file.ReadInt32(*value))
            return false;
    QString name;
    if (!file.ReadString(name))
        return false;
    item.name = name;
    return file.ReadInt32(item.kind);
}

int32_t WritePageBin(TBinFile& file, const TPageRec& page)
{
    int32_t bytes = WriteScrambledString(file, page.styleName);
    bytes += WriteScrambledString(file, page.centreText);
    bytes += file.WriteInt32(page.linesOverride);
    bytes += file.WriteInt32(int32_t(page.lines.size()));
    for (const TPageLine& line : page.lines) {
        bytes += WriteScrambledString(file, line.text);
        bytes += file.WriteInt32(line.size);
    }
    bytes += WriteItems(file, page.seals);
    return bytes + WriteItems(file, page.pictures);
}

bool ReadPageBin(TBinFile& file, TPageRec& page, int32_t version)
{
    QString styleName;
    if (!ReadScrambledString(file, styleName))
        return false;
    page.styleName = CurrentPageStyleName(styleName, version);
    if (!ReadScrambledString(file, page.centreText))
        return false;
    if (version >= kFirstLineSizesVersion && !file.ReadInt32(page.linesOverride))
        return false;
    return ReadLines(file, version, page) && ReadItems(file, page.seals) && ReadItems(file, page.pictures);
}

int32_t WritePageList(const TPageTable& table, TBinFile& file)
{
    return WriteCountedList(file, table.pages, [](TBinFile& f, const TPageRec& page) { return WritePageBin(f, page); });
}

bool ReadPageList(TBinFile& file, int32_t version, TPageTable& table)
{
    return ReadCountedList(file, table.pages, [version](TBinFile& f, TPageRec& page, int32_t position) {
        page.index = position;
        return ReadPageBin(f, page, version);
    });
}
