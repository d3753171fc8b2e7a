// The scan-settings file: version, magic from version 29, a string and
// three integers. Nothing writes it; the seeds are made by hand.
#include "FuzzTarget.h"

#include "app/files/FileFrame.h"
#include "app/files/ScanSettingsFile.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"

// edition selector · the file
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    TScanSettings settings;
    ReadScanSettingsFile(input.RestBytes(), settings);
}

void WriteSeeds(SeedWriter& seeds)
{
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        for (int32_t version : {28, 32}) {
            seeds.Add(QStringLiteral("scan-%1-%2").arg(int(edition)).arg(version),
                      QByteArray(1, edition) + BinaryBytes([&](TBinFile& file) {
                          file.WriteInt32(version);
                          if (version >= 29)
                              file.WriteString(g_Edition->Magic(FileKind::ScanSettings));
                          file.WriteString(QStringLiteral("D:/掃描/論語"));
                          for (int32_t value : {3, 1, 2})
                              file.WriteInt32(value);
                      }));
        }
    }
}
