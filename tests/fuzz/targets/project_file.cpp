// The project file as the program opens it: frame, covers and styles, into
// the globals of the open project.
#include "FuzzTarget.h"

#include "app/AppGlobals.h"
#include "app/files/FileFrame.h"
#include "app/files/ProjectFile.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/StyleBinary.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

// edition selector · the file
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    TBinFile file;
    if (file.OpenReadBuffer(input.RestBytes()))
        ReadProjectFile(file, QStringLiteral("/nowhere/book.xmk"));
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
}

void WriteSeeds(SeedWriter& seeds)
{
    const TParaSet set = SeedParaSet();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        seeds.Add(QStringLiteral("project-%1").arg(int(edition)),
                  QByteArray(1, edition) + BinaryBytes([&](TBinFile& file) {
                      WriteFileFrame(file, FileKind::Project, kParamFileVersion);
                      WriteParaSet(set, file);
                  }));
    }
}
