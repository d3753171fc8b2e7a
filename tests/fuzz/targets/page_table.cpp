// The stored form of a page table, as volume-data and 4-in-1 files hold it,
// in the forms before and after cover names and line sizes.
#include "FuzzTarget.h"

#include "foundation/io/BinFile.h"
#include "typeset/pages/PageBinary.h"
#include "typeset/pages/PageRecord.h"

namespace {
constexpr int32_t kVersions[] = {27, 31, kPageFormVersion};

QByteArray Written(const TPageTable& table)
{
    return BinaryBytes([&](TBinFile& file) { WritePageList(table, file); });
}

void RequireRoundTrip(const TPageTable& table)
{
    const QByteArray written = Written(table);
    TBinFile file;
    file.OpenReadBuffer(written);
    TPageTable reread;
    ReadPageList(file, kPageFormVersion, reread);
    RequireSameBytes(written, Written(reread), "page list");
}
}  // namespace

// version selector · the page list
void FuzzOne(FuzzInput input)
{
    const int32_t version = kVersions[input.TakeByte() % std::size(kVersions)];
    TBinFile file;
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    TPageTable table;
    if (ReadPageList(file, version, table))
        RequireRoundTrip(table);
}

void WriteSeeds(SeedWriter& seeds)
{
    const TPageTable table = SeedPageTable();
    seeds.Add(QStringLiteral("pages"), QByteArray(1, char(std::size(kVersions) - 1)) +
                                           Written(table));
}
