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

void WriteSeeds(SeedWriter& seeds) { AddParaFileSeeds(seeds); }
