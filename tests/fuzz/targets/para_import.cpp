// The layout-parameter file (.pra) in its tagged-text form, in any
// encoding the text reader takes, in each edition.
#include "FuzzTarget.h"

#include "foundation/io/TextFile.h"
#include "foundation/params/ParaFile.h"

// edition and display selector · the file
void FuzzOne(FuzzInput input)
{
    const uint8_t selector = input.TakeByte();
    InstallFuzzEdition(selector);
    TTextFile file;
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    TParaSet set;
    ImportParaFile(file, set, {(selector & 4) != 0, (selector & 8) != 0});
}

void WriteSeeds(SeedWriter& seeds)
{
    seeds.AddFixtures({"*.pra"}, QByteArray(1, 0));
    const TParaSet set = SeedParaSet();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        const QByteArray bytes = FileBytes([&](const QString& path) { ExportParaFile(path, set); });
        seeds.Add(QStringLiteral("params-%1").arg(int(edition)), QByteArray(1, edition) + bytes);
        // The same in UTF-8, where the fuzzer's tags are plain bytes.
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                                (bytes.size() - 2) / 2);
        seeds.Add(QStringLiteral("params-utf8-%1").arg(int(edition)), QByteArray(1, edition) + text.toUtf8());
    }
}
