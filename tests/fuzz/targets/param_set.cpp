// The binary form of a parameter set, as project and typeset files hold it,
// in each edition and file version.
#include "FuzzTarget.h"

#include "foundation/io/BinFile.h"
#include "foundation/params/StyleBinary.h"

namespace {
// Versions a little before the oldest file and past the newest.
constexpr int32_t kFirstVersion = 16;
constexpr int32_t kVersions = 20;
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
    TParaSet set;
    ReadParaSet(file, version, set, {(selector & 4) != 0, (selector & 8) != 0});
}

void WriteSeeds(SeedWriter& seeds)
{
    const TParaSet set = SeedParaSet();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        const QByteArray bytes = BinaryBytes([&](TBinFile& file) { WriteParaSet(set, file); });
        seeds.Add(QStringLiteral("set-%1").arg(int(edition)),
                  QByteArray(1, edition) + char(kParamFileVersion - kFirstVersion) + bytes);
    }
}
