#include "foundation/params/CirclePara.h"

#include <algorithm>
#include <array>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/TaggedListText.h"
#include "foundation/text/TagUtils.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// The binary entries carry their fields from this version on.
constexpr int32_t kElementFieldsFrom = 28;
// Versions up to this one have no tagged-text lists.
constexpr int32_t kLastVersionWithoutTextLists = 24;

// TYPE words by value; a value other than 0 writes the second.
const std::array<QString, 2> kTypeWords = {u"TYPE_KUANG"_s, u"TYPE_FANBAI"_s};

const QString kParaOpen = u"<CIRCLE_PARA>"_s;
const QString kParaClose = u"</CIRCLE_PARA>"_s;
const QString kFontOpen = u"<CIRCLE_FONT>"_s;
const QString kFontClose = u"</CIRCLE_FONT>"_s;

bool ReadCirclePara(TBinFile& file, int32_t version, TCirclePara& circle)
{
    int32_t color = 0;
    int32_t useTextFont = 0;
    QString mark;
    if (!file.ReadInt32(circle.TYPE) || !file.ReadInt32(circle.LINES_WIDTH) || !file.ReadInt32(color))
        return false;
    circle.COLOR = ColorRef(color);
    if (!file.ReadString(mark))
        return false;
    circle.MARK = mark;
    if (!file.ReadInt32(useTextFont))
        return false;
    circle.USE_TEXT_FONT = useTextFont != 0;
    return ReadFontStyle(version, file, circle.font);
}

}  // namespace

int32_t FindCircleIndex(const TCircleList& list, const QString& name) { return list.IndexOfName(&TCirclePara::MARK, name); }

TCirclePara* GetCirclePara(const QString& name, const TFontStyle& fontTemplate)
{
    if (!g_CurCircleList)
        return nullptr;
    if (TCirclePara* found = g_CurCircleList->FindByName(&TCirclePara::MARK, name))
        return found;
    TCirclePara* entry = g_CurCircleList->AddNew();
    entry->MARK = name;
    entry->index = g_CurCircleList->Size() - 1;
    entry->font = fontTemplate;
    return entry;
}

bool SameCircleArray(const TCircleList& a, const TCircleList& b)
{
    const auto same = [](const TCirclePara& x, const TCirclePara& y) {
        return x.TYPE == y.TYPE && x.LINES_WIDTH == y.LINES_WIDTH && x.COLOR == y.COLOR &&
               x.USE_TEXT_FONT == y.USE_TEXT_FONT && (x.USE_TEXT_FONT || FontStyleEquals(x.font, y.font));
    };
    return a.Size() == b.Size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

TCirclePara& ScaleCirclePara(TCirclePara& out, double zoom, const TCirclePara& source)
{
    TCirclePara scaled;
    ScaleFontStyle(scaled.font, zoom, source.font);
    scaled.LINES_WIDTH = ScaleLength(source.LINES_WIDTH, zoom);
    scaled.TYPE = source.TYPE;
    scaled.COLOR = source.COLOR;
    scaled.USE_TEXT_FONT = source.USE_TEXT_FONT;
    scaled.MARK = source.MARK;
    out = std::move(scaled);
    return out;
}

TCircleList& ScaleCircleArray(const TCircleList& source, TCircleList& out, double zoom)
{
    return ScaleIndexedList(source, out, zoom, ScaleCirclePara);
}

int32_t WriteCircleParaBin(TBinFile& file, const TCirclePara& circle)
{
    int32_t bytes = file.WriteInt32(circle.TYPE);
    bytes += file.WriteInt32(circle.LINES_WIDTH);
    bytes += file.WriteInt32(int32_t(circle.COLOR));
    bytes += file.WriteString(circle.MARK);
    bytes += file.WriteInt32(circle.USE_TEXT_FONT ? 1 : 0);
    return bytes + WriteFontStyle(file, circle.font);
}

int32_t WriteCircleArrayBin(const TCircleList& list, TBinFile& file)
{
    return WriteCountedList(file, list, WriteCircleParaBin);
}

bool ReadCircleArrayBin(TBinFile& file, int32_t version, TCircleList& list)
{
    if (version < kElementFieldsFrom) {
        // Entries of this form hold no bytes, so a count read here says
        // nothing the data could bear out: no entries are made from it.
        list.Clear();
        int32_t count = 0;
        return file.ReadInt32(count);
    }
    return ReadCountedList(file, list, [version](TBinFile& f, TCirclePara& circle, int32_t position) {
        circle.index = position;
        return ReadCirclePara(f, version, circle);
    });
}

void WriteCircleParaText(TTextFile& file, const TCirclePara& circle)
{
    TTextItems::WriteTag(file, kParaOpen);
    TTextItems::WriteString(file, u"TYPE"_s, kTypeWords[circle.TYPE == CircleType::TYPE_KUANG ? 0 : 1]);
    TTextItems::WriteInt(file, u"LINES_WIDTH"_s, circle.LINES_WIDTH);
    TTextItems::WriteColor(file, u"COLOR"_s, circle.COLOR);
    TTextItems::WriteBool(file, u"USE_TEXT_FONT"_s, circle.USE_TEXT_FONT);
    TTextItems::WriteString(file, u"MARK"_s, circle.MARK);
    TTextItems::WriteTag(file, kParaClose);
    TTextItems::WriteTag(file, kFontOpen);
    FontStyleToText(file, circle.font);
    TTextItems::WriteTag(file, kFontClose);
}

void ReadCircleParaText(TCirclePara& circle, QStringView text)
{
    const QString block = ExtractBetweenMarkers(kParaOpen, text, kParaClose);
    const TTextItems::Reader items(block);
    if (const QString* word = items.Value(u"TYPE")) {
        const auto at = std::find(kTypeWords.begin(), kTypeWords.end(), *word);
        if (at != kTypeWords.end())
            circle.TYPE = int32_t(at - kTypeWords.begin());
    }
    items.Int(u"LINE_WIDTH", circle.LINES_WIDTH);  // the key of older files
    items.Int(u"LINES_WIDTH", circle.LINES_WIDTH);
    items.Color(u"COLOR", circle.COLOR);
    items.Bool(u"USE_TEXT_FONT", circle.USE_TEXT_FONT);
    items.String(u"MARK", circle.MARK);
    FontStyleFromText(circle.font, ExtractBetweenMarkers(kFontOpen, text, kFontClose));
}

void WriteCircleArrayText(TTextFile& file, const TCircleList& list)
{
    WriteTaggedList(file, list, u"<TCIRCLE%1>"_s, u"</TCIRCLE>"_s, WriteCircleParaText);
}

void ReadCircleArrayText(TCircleList& list, QStringView text, int32_t version)
{
    if (version <= kLastVersionWithoutTextLists)
        return;
    ReadTaggedList(list, text, u"<TCIRCLE%1>"_s, u"</TCIRCLE>"_s, ReadCircleParaText,
                   [](TCirclePara& circle, int32_t i) { circle.index = i; });
}
