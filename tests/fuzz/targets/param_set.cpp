// The binary form of a parameter set, as project and typeset files hold it,
// in each edition and file version.
#include "FuzzTarget.h"

#include "foundation/io/BinFile.h"
#include "foundation/params/StyleBinary.h"

namespace {
// Versions a little before the oldest file and past the newest.
constexpr int32_t kFirstVersion = 16;
constexpr int32_t kVersions = 20;

QByteArray Written(const TParaSet& set)
{
    return BinaryBytes([&](TBinFile& file) { WriteParaSet(set, file); });
}

void RequireRoundTrip(const TParaSet& set, const TDisplayMode& display)
{
    const QByteArray written = Written(set);
    TBinFile file;
    file.OpenReadBuffer(written);
    TParaSet reread;
    ReadParaSet(file, kParamFileVersion, reread, display);
    RequireSameBytes(written, Written(reread), "parameter set");
}
}  // namespace

// edition and display selector · version selector · the set
void FuzzOne(FuzzInput input)
{
    const uint8_t selector = input.TakeByte();
    InstallFuzzEdition(selector);
    const int32_t version = kFirstVersion + input.TakeByte() % kVersions;
    TBinFile file;
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    const TDisplayMode display = {(selector & 4) != 0, (selector & 8) != 0};
    TParaSet set;
    if (ReadParaSet(file, version, set, display))
        RequireRoundTrip(set, display);
}

void WriteSeeds(SeedWriter& seeds)
{
    const TParaSet set = SeedParaSet();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        const QByteArray bytes = Written(set);
        seeds.Add(QStringLiteral("set-%1").arg(int(edition)),
                  QByteArray(1, edition) + char(kParamFileVersion - kFirstVersion) + bytes);
    }
}
