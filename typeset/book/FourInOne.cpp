#include "typeset/book/FourInOne.h"

#include <algorithm>

#include "foundation/io/BinFile.h"
#include "foundation/text/StringUtils.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/pages/PageBinary.h"
#include "typeset/pages/PageRecord.h"

namespace {

// Volumes and pages each take 16 bits of an entry.
constexpr int32_t kHalfLimit = 65536;

int32_t PageEntry(int32_t volume, int32_t page)
{
    return int32_t(uint32_t(volume) * uint32_t(kHalfLimit) + uint32_t(page));
}

int32_t HighHalf(int32_t entry)
{
    return int32_t(uint32_t(entry) >> 16);
}

bool IsPageEntry(int32_t entry)
{
    const int32_t code = HighHalf(entry);
    return code != k4in1CoverCode && code != k4in1BlankCode;
}

int32_t CoverPagesOfBook()
{
    return g_CurrentBook ? std::max(0, g_CurrentBook->coverPages) : 0;
}

// The shown volume's first and last pages, which every group shows as its
// cover and back cover. Taken before the group tables go, in case the shown
// table is one of them; none when the shown table has no pages.
std::vector<TPageRec> CoverPagesOfShownVolume()
{
    const TPageTable* shown = g_CurrentPages;
    if (!shown || shown->pages.IsEmpty())
        return {};
    return {*shown->pages.First(), *shown->pages.Last()};
}

void AppendCoverPages(TPageTable& table, const std::vector<TPageRec>& covers)
{
    for (const TPageRec& page : covers) {
        TPageRec* copy = AppendPageRecord(table);
        const int32_t index = copy->index;
        *copy = page;
        copy->index = index;
    }
}

// The body entries of one volume: each section's pages from the first body
// page on, then two blanks whenever the body so far (less the cover pages)
// does not fill whole sheets.
void AppendVolumeEntries(std::vector<int32_t>& order, int32_t volume, const TNameNumberList& sections,
                         int32_t coverPages)
{
    int32_t page = coverPages;
    for (const TNameNumber& section : sections) {
        for (int32_t k = 0; k < section.number && page < kHalfLimit; ++k)
            order.push_back(PageEntry(volume, page++));
        if ((int64_t(order.size()) - coverPages) % 4 != 0)
            order.insert(order.end(), 2, k4in1Blank);
    }
}

// The volume of the first or last page entry of a group; -1 when it has none.
int32_t EdgeVolume(const std::vector<int32_t>& order, bool last)
{
    const auto isPage = [](int32_t entry) { return IsPageEntry(entry); };
    if (last) {
        const auto it = std::find_if(order.rbegin(), order.rend(), isPage);
        return it == order.rend() ? -1 : HighHalf(*it);
    }
    const auto it = std::find_if(order.begin(), order.end(), isPage);
    return it == order.end() ? -1 : HighHalf(*it);
}

// Widened: a damaged index may give any count, INT32_MIN included.
int64_t PageCountOf(int32_t volume)
{
    const TFile* node = g_CurrentBook ? g_CurrentBook->volumes.GetAtOrNull(volume) : nullptr;
    return node ? node->pageCount : -1;
}

int32_t VolumeCountOfBook() { return g_CurrentBook ? g_CurrentBook->volumes.Size() : 0; }

// An entry holds a volume and a page of 16 bits each; nothing else can be
// found in a page order (and would alias another volume's page).
bool FitsEntry(int64_t volume, int64_t page)
{
    return volume >= 0 && volume < kHalfLimit && page >= 0 && page < kHalfLimit;
}

}  // namespace

QString Format4in1Splits(const std::vector<int32_t>& groupEnds)
{
    QString text;
    for (const int32_t end : groupEnds)
        text += QString::number(int64_t(end) + 1) + u';';
    return text;
}

void Parse4in1Splits(T4in1Data& data, QStringView text)
{
    data.groupEnds.clear();
    const int32_t volumes = g_CurrentBook ? g_CurrentBook->volumes.Size() : 0;
    if (volumes <= 0)
        return;
    std::vector<QString> pieces;
    SplitByChar(text, ';', pieces);
    std::vector<int32_t> ends;
    for (const QString& piece : pieces) {
        // Clamped before the order check, so that a second number beyond the
        // last volume cannot repeat the last end (an empty group).
        const int64_t end = std::min<int64_t>(int64_t(ParseIntLikeAtoi(piece)) - 1, volumes - 1);
        if (end <= (ends.empty() ? -1 : ends.back()))
            return;
        ends.push_back(int32_t(end));
    }
    if (ends.empty() || ends.back() < volumes - 1)
        ends.push_back(volumes - 1);
    data.groupEnds = std::move(ends);
}

void Build4in1PageOrder(T4in1Data& data)
{
    if (data.groupEnds.empty())
        return;
    const std::vector<TPageRec> covers = CoverPagesOfShownVolume();
    data.pageOrders.clear();
    data.groupTables.Clear();
    const int32_t coverPages = CoverPagesOfBook();
    // Group ends may come from a file: only the book's volumes are walked.
    const int64_t lastVolume = int64_t(VolumeCountOfBook()) - 1;
    int64_t first = 0;
    for (size_t g = 0; g < data.groupEnds.size(); ++g) {
        std::vector<int32_t>& order = data.pageOrders.emplace_back();
        AppendCoverPages(*data.groupTables.AddNew(), covers);
        const uint32_t cover = uint32_t(k4in1CoverBase) + 2 * uint32_t(g);
        order.push_back(int32_t(cover));
        const int64_t end = std::min<int64_t>(data.groupEnds[g], lastVolume);
        for (int64_t v = first; v <= end; ++v) {
            const TFile* volume = g_CurrentBook->volumes.GetAtOrNull(int32_t(v));
            if (volume)
                AppendVolumeEntries(order, int32_t(v), volume->sections, coverPages);
        }
        if ((order.size() - 1) & 4)
            order.insert(order.end(), 4, k4in1Blank);
        order.push_back(int32_t(cover + 1));
        first = int64_t(data.groupEnds[g]) + 1;
    }
}

bool Locate4in1Page(int32_t volume, int32_t page, int32_t& group, int32_t& slot)
{
    group = 0;
    slot = 0;
    if (!FitsEntry(volume, page))
        return false;
    const int32_t coverPages = CoverPagesOfBook();
    const bool hasBackCover = g_CurrentBook && g_CurrentBook->backPages == 1;
    const auto& orders = g_4in1Data.pageOrders;
    for (int32_t g = int32_t(orders.size()) - 1; g >= 0; --g) {
        const std::vector<int32_t>& order = orders[size_t(g)];
        if (order.size() < 2)
            continue;
        int64_t v = volume;
        int64_t p = page;
        // A volume's back-cover page is its group's back cover when the
        // volume ends the group, else the next volume's first body page.
        // Blanks before the back cover are passed over, and the question is
        // asked only of the group that holds the volume.
        if (hasBackCover && p == PageCountOf(volume) - 1 && v >= EdgeVolume(order, false)) {
            if (v == EdgeVolume(order, true)) {
                group = g;
                slot = int32_t(order.size()) - 1;
                return true;
            }
            ++v;
            p = coverPages;
        }
        if (p == 0) {
            const int32_t firstVolume = HighHalf(order[1]);
            if (firstVolume == v) {
                group = g;
                slot = 0;
                return true;
            }
            if (firstVolume < v)
                p = 1;
        }
        if (!FitsEntry(v, p))
            continue;
        const int32_t wanted = PageEntry(int32_t(v), int32_t(p));
        if (wanted < order[1])
            continue;
        const auto it = std::find(order.begin(), order.end(), wanted);
        if (it != order.end()) {
            group = g;
            slot = int32_t(it - order.begin());
            return true;
        }
    }
    return false;
}

bool Decode4in1Entry(int32_t slot, int32_t& volume, int32_t& page)
{
    const auto& orders = g_4in1Data.pageOrders;
    const int32_t group = g_Current4in1Group;
    const bool inside = group >= 0 && size_t(group) < orders.size() && slot >= 0 &&
                        size_t(slot) < orders[size_t(group)].size();
    const int32_t entry = inside ? orders[size_t(group)][size_t(slot)] : k4in1Blank;
    volume = HighHalf(entry);
    page = int32_t(uint32_t(entry) & 0xFFFFu);
    return inside;
}

int32_t Write4in1Data(TBinFile& file, const T4in1Data& data)
{
    const WaitCursor wait;
    auto writeInts = [&file](const std::vector<int32_t>& values) {
        int32_t bytes = file.WriteInt32(int32_t(values.size()));
        for (const int32_t value : values)
            bytes += file.WriteInt32(value);
        return bytes;
    };
    int32_t bytes = writeInts(data.groupEnds);
    bytes += file.WriteInt32(int32_t(data.pageOrders.size()));
    for (const std::vector<int32_t>& order : data.pageOrders)
        bytes += writeInts(order);
    bytes += file.WriteInt32(data.groupTables.Size());
    for (const TPageTable& table : data.groupTables)
        bytes += WritePageList(table, file);
    return bytes;
}
