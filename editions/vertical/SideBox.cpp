#include "editions/vertical/SideBox.h"

#include "foundation/io/BinFile.h"
#include "foundation/params/Box.h"
#include "foundation/params/TaggedBlock.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// BOX_HEIGHT came with this version.
constexpr int32_t kHeightFrom = 30;

struct SideLength {
    QStringView key;
    int32_t TSideBox::*field;
};

constexpr SideLength kLengths[] = {
    {u"BOX_WIDTH", &TSideBox::BOX_WIDTH},
    {u"BOX_HEIGHT", &TSideBox::BOX_HEIGHT},
    {u"BOX_TITLE_POS", &TSideBox::BOX_TITLE_POS},
    {u"BOX_PAGE_POS", &TSideBox::BOX_PAGE_POS},
};

}  // namespace

TSideBox& ScaleSideBox(const TSideBox& source, TSideBox& out, double zoom)
{
    for (const SideLength& length : kLengths)
        out.*length.field = ScaleLength(source.*length.field, zoom);
    ScaleFontPair(source.TITLE_FONT, out.TITLE_FONT, zoom);
    ScaleFontPair(source.PAGE_FONT, out.PAGE_FONT, zoom);
    return out;
}

int32_t WriteSideBox(TBinFile& file, const TSideBox& box)
{
    int32_t bytes = 0;
    for (const SideLength& length : kLengths)
        bytes += file.WriteInt32(box.*length.field);
    return bytes + WriteFontPair(file, box.TITLE_FONT) + WriteFontPair(file, box.PAGE_FONT);
}

bool ReadSideBox(TBinFile& file, TSideBox& box, int32_t version)
{
    for (const SideLength& length : kLengths) {
        if (length.field == &TSideBox::BOX_HEIGHT && version < kHeightFrom)
            continue;
        if (!file.ReadInt32(box.*length.field))
            return false;
    }
    return ReadFontPair(box.TITLE_FONT, version, file) && ReadFontPair(box.PAGE_FONT, version, file);
}

void SideBoxToText(TTextFile& file, const TSideBox& box)
{
    WriteTaggedBlock(file, u"BOX_PARA", [&] {
        for (const SideLength& length : kLengths)
            TTextItems::WriteInt(file, length.key.toString(), box.*length.field);
    });
    WriteTaggedBlock(file, u"TITLE_MFONT_GROUP", [&] { FontPairToText(file, box.TITLE_FONT); });
    WriteTaggedBlock(file, u"PAGE_MFONT_GROUP", [&] { FontPairToText(file, box.PAGE_FONT); });
}

void SideBoxFromText(QStringView text, TSideBox& box, int32_t version)
{
    TTextItems::ForEachItem(TaggedBlock(text, u"BOX_PARA"), [&box](QStringView key, QStringView value) {
        for (const SideLength& length : kLengths)
            if (length.key == key)
                box.*length.field = TTextItems::ParseInt(value);
    });
    FontPairFromText(version, TaggedBlock(text, u"TITLE_MFONT_GROUP"), box.TITLE_FONT);
    FontPairFromText(version, TaggedBlock(text, u"PAGE_MFONT_GROUP"), box.PAGE_FONT);
}
