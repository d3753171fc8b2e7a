// The volume-data file as the program opens it: frame, title and pages.
#include "FuzzTarget.h"

#include "app/AppGlobals.h"
#include "app/files/VolumeDataFile.h"
#include "foundation/io/BinFile.h"
#include "typeset/TypesetGlobals.h"

// edition selector · the file
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    TBinFile file;
    if (file.OpenReadBuffer(input.RestBytes()))
        ReadVolumeDataFile(file);
    ResetAppGlobals();
    ResetTypesetGlobals();
}

void WriteSeeds(SeedWriter& seeds)
{
    g_TextName = QStringLiteral("詩經");
    g_PageTable = SeedPageTable();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        seeds.Add(QStringLiteral("volume-%1").arg(int(edition)),
                  QByteArray(1, edition) + FileBytes([](const QString& path) { WriteVolumeDataFile(path); }));
    }
}
