#include "foundation/params/Technique.h"

#include <algorithm>
#include <array>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"
#include "foundation/params/FontStyle.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/TaggedListText.h"
#include "foundation/text/TextItems.h"

using namespace Qt::StringLiterals;

namespace {

// The binary entries carry their fields from this version on.
constexpr int32_t kElementFieldsFrom = 28;
// Versions up to this one have no tagged-text lists.
constexpr int32_t kLastVersionWithoutTextLists = 24;

// Words of TYPE and WIDTH_TYPE by value; a value other than 1 writes the first.
const std::array<QString, 2> kTypeWords = {u"TYPE_FANBAI"_s, u"TYPE_KUANG"_s};
const std::array<QString, 2> kWidthTypeWords = {u"WIDTH_TYPE_BY_SIZE"_s, u"WIDTH_TYPE_BY_WIDTH"_s};

const QString& WordOf(const std::array<QString, 2>& words, int32_t value) { return words[value == 1 ? 1 : 0]; }

// Sets field to the position of word in words; another word leaves it.
void FieldFromWord(const std::array<QString, 2>& words, const QString* word, int32_t& field)
{
    if (!word)
        return;
    const auto at = std::find(words.begin(), words.end(), *word);
    if (at != words.end())
        field = int32_t(at - words.begin());
}

bool ReadTechnique(TBinFile& file, TTechnique& technique)
{
    int32_t color = 0;
    QString mark;
    if (!file.ReadInt32(technique.TYPE) || !file.ReadInt32(technique.WIDTH_TYPE) ||
        !file.ReadInt32(technique.LINES_WIDTH) || !file.ReadInt32(color))
        return false;
    technique.COLOR = ColorRef(color);
    if (!file.ReadInt32(technique.spare) || !file.ReadString(mark))
        return false;
    technique.MARK = mark;
    return true;
}

}  // namespace

int32_t FindTechniqueIndex(const TTechniqueList& list, const QString& name)
{
    return list.IndexOfName(&TTechnique::MARK, name);
}

TTechnique* FindOrAddTechnique(const QString& name)
{
    if (!g_CurTechList)
        return nullptr;
    if (TTechnique* found = g_CurTechList->FindByName(&TTechnique::MARK, name))
        return found;
    TTechnique* entry = g_CurTechList->AddNew();
    entry->MARK = name;
    entry->index = g_CurTechList->Size() - 1;
    return entry;
}

bool EqualTechniqueLists(const TTechniqueList& a, const TTechniqueList& b)
{
    const auto same = [](const TTechnique& x, const TTechnique& y) {
        return x.TYPE == y.TYPE && x.WIDTH_TYPE == y.WIDTH_TYPE && x.LINES_WIDTH == y.LINES_WIDTH &&
               x.COLOR == y.COLOR && x.spare == y.spare;
    };
    return a.Size() == b.Size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

TTechnique& ScaleTechnique(TTechnique& out, double zoom, const TTechnique& source)
{
    out = source;
    out.LINES_WIDTH = ScaleLength(source.LINES_WIDTH, zoom);
    return out;
}

TTechniqueList& ScaleTechniqueList(const TTechniqueList& source, TTechniqueList& out, double zoom)
{
    return ScaleIndexedList(source, out, zoom, ScaleTechnique);
}

int32_t WriteTechnique(TBinFile& file, const TTechnique& technique)
{
    int32_t bytes = 0;
    for (const int32_t value :
         {technique.TYPE, technique.WIDTH_TYPE, technique.LINES_WIDTH, int32_t(technique.COLOR), technique.spare})
        bytes += file.WriteInt32(value);
    return bytes + file.WriteString(technique.MARK);
}

int32_t WriteTechniqueList(const TTechniqueList& list, TBinFile& file)
{
    return WriteCountedList(file, list, WriteTechnique);
}

bool ReadTechniqueList(TBinFile& file, int32_t version, TTechniqueList& list)
{
    if (version < kElementFieldsFrom) {
        // Entries of this form hold no bytes, so a count read here says
        // nothing the data could bear out: no entries are made from it.
        list.Clear();
        int32_t count = 0;
        return file.ReadInt32(count);
    }
    return ReadCountedList(file, list, [](TBinFile& f, TTechnique& technique, int32_t position) {
        technique.index = position;
        return ReadTechnique(f, technique);
    });
}

void TechniqueToText(TTextFile& file, const TTechnique& technique)
{
    TTextItems::WriteString(file, u"TYPE"_s, WordOf(kTypeWords, technique.TYPE));
    TTextItems::WriteString(file, u"WIDTH_TYPE"_s, WordOf(kWidthTypeWords, technique.WIDTH_TYPE));
    TTextItems::WriteInt(file, u"LINES_WIDTH"_s, technique.LINES_WIDTH);
    TTextItems::WriteColor(file, u"COLOR"_s, technique.COLOR);
    // The last item goes without its closing comma.
    file.WriteLine(u"MARK="_s + technique.MARK);
}

void TechniqueFromText(TTechnique& technique, QStringView block)
{
    const TTextItems::Reader items(block);
    FieldFromWord(kTypeWords, items.Value(u"TYPE"), technique.TYPE);
    FieldFromWord(kWidthTypeWords, items.Value(u"WIDTH_TYPE"), technique.WIDTH_TYPE);
    items.Int(u"LINE_WIDTH", technique.LINES_WIDTH);  // the key of older files
    items.Int(u"LINES_WIDTH", technique.LINES_WIDTH);
    items.Color(u"COLOR", technique.COLOR);
    items.String(u"MARK", technique.MARK);
}

void TechniqueListToText(TTextFile& file, const TTechniqueList& list)
{
    WriteTaggedList(file, list, u"<TECH%1>"_s, u"</TECH>"_s, TechniqueToText);
}

void TechniqueListFromText(TTechniqueList& list, QStringView text, int32_t version)
{
    if (version <= kLastVersionWithoutTextLists)
        return;
    ReadTaggedList(list, text, u"<TECH%1>"_s, u"</TECH>"_s, TechniqueFromText,
                   [](TTechnique& technique, int32_t i) { technique.index = i; });
}
