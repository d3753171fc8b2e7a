// What the layout-parameter file reader makes of any input survives the
// writer: imported, exported, imported and exported again, the two exports
// are the same. (Slower than para_import: each input writes two files.)
#include "FuzzTarget.h"

#include "foundation/io/TextFile.h"
#include "foundation/params/ParaFile.h"

namespace {
bool Import(const QByteArray& bytes, TParaSet& set, const TDisplayMode& display)
{
    TTextFile file;
    return file.OpenReadBuffer(bytes) && ImportParaFile(file, set, display);
}

// Values are not escaped: one that holds "," or "<" (a damaged file can
// give such a name) reads back cut or as a tag. Only sets without such values
// round trip.
bool HoldsOnlyPlainValues(const QString& exported)
{
    for (const QStringView line : QStringView(exported).split(u"\r\n")) {
        if (line.startsWith(u'<'))
            continue;
        QStringView value = line.sliced(line.indexOf(u'=') + 1);
        if (value.endsWith(u','))
            value.chop(1);
        if (value.contains(u',') || value.contains(u'<'))
            return false;
    }
    return true;
}
}  // namespace

// edition and display selector · the file
void FuzzOne(FuzzInput input)
{
    const uint8_t selector = input.TakeByte();
    InstallFuzzEdition(selector);
    const TDisplayMode display = {(selector & 4) != 0, (selector & 8) != 0};
    TParaSet set;
    if (!Import(input.RestBytes(), set, display))
        return;
    const QByteArray exported = ExportedParaFile(set);
    if (!HoldsOnlyPlainValues(ExportedParaText(exported)))
        return;
    TParaSet reread;
    Import(exported, reread, display);
    RequireSameBytes(exported, ExportedParaFile(reread), "parameter file");
}

void WriteSeeds(SeedWriter& seeds) { AddParaFileSeeds(seeds); }
