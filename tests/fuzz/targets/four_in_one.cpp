// The 4-in-1 grouping: the group-end text the user types (or a 4-in-1 file
// gives), the page orders built from it, and the look-ups in them. The book
// is made from the input too: volumes, sections and cover pages.
#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

namespace {
constexpr int32_t kMostVolumes = 8;
constexpr int32_t kMostSections = 4;

// Small signed counts, negative ones too, as a damaged index could give.
int32_t SmallCount(FuzzInput& input) { return int8_t(input.TakeByte()); }

void MakeBook(FuzzInput& input, TBook& book)
{
    book.coverPages = input.TakeByte() % 4;
    book.backPages = input.TakeByte() % 3;
    const int32_t volumes = input.TakeByte() % (kMostVolumes + 1);
    for (int32_t v = 0; v < volumes; ++v) {
        TFile* volume = book.volumes.AddNew();
        volume->pageCount = SmallCount(input);
        const int32_t sections = input.TakeByte() % (kMostSections + 1);
        for (int32_t s = 0; s < sections; ++s)
            volume->sections.push_back({QStringLiteral("卷"), SmallCount(input)});
    }
}

// The group ends ascend within the volumes, the last volume ends the last
// group, and they read back from their own text unchanged.
void RequireSoundGroupEnds(const TBook& book)
{
    const std::vector<int32_t>& ends = g_4in1Data.groupEnds;
    if (ends.empty())
        return;
    bool sound = ends.back() == book.volumes.Size() - 1 && ends.front() >= 0;
    for (size_t g = 1; g < ends.size(); ++g)
        sound = sound && ends[g - 1] < ends[g];
    T4in1Data again;
    Parse4in1Splits(again, Format4in1Splits(ends));
    if (!sound || again.groupEnds != ends) {
        std::fprintf(stderr, "group ends unsound or not read back from \"%s\"\n",
                     qPrintable(Format4in1Splits(ends)));
        std::abort();
    }
}

void LocateEveryPage(const TBook& book)
{
    int32_t group = 0;
    int32_t slot = 0;
    for (int32_t v = -1; v <= book.volumes.Size(); ++v)
        for (int32_t p = -1; p <= std::max(0, v < book.volumes.Size() && v >= 0 ? book.volumes[v].pageCount : 0); ++p)
            Locate4in1Page(v, p, group, slot);
    int32_t volume = 0;
    int32_t page = 0;
    for (g_Current4in1Group = -1; g_Current4in1Group <= int32_t(g_4in1Data.pageOrders.size()); ++g_Current4in1Group)
        for (int32_t s = -1; s < 8; ++s)
            Decode4in1Entry(s, volume, page);
}
}  // namespace

// cover pages · back pages · volumes, each: page count, sections, their
// page counts · shown-volume page count · the group-end text
void FuzzOne(FuzzInput input)
{
    TBook book;
    MakeBook(input, book);
    TPageTable shown;
    for (int32_t p = input.TakeByte() % 4; p > 0; --p)
        AppendPageRecord(shown);
    g_CurrentBook = &book;
    g_CurrentPages = &shown;
    Parse4in1Splits(g_4in1Data, input.RestText());
    RequireSoundGroupEnds(book);
    Build4in1PageOrder(g_4in1Data);
    LocateEveryPage(book);
    ResetTypesetGlobals();
}

void WriteSeeds(SeedWriter& seeds)
{
    // Three volumes, split after the first.
    seeds.Add(QStringLiteral("three-volumes"),
              QByteArray("\x01\x01\x03" "\x06\x01\x04" "\x0a\x02\x03\x05" "\x04\x01\x02" "\x03" "\x00" "1;", 18));
}
