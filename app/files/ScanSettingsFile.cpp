#include "app/files/ScanSettingsFile.h"

#include "app/files/FileFrame.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/io/Paths.h"

namespace {

// Unlike the other files no version is refused: the magic alone decides.
bool ReadScanSettings(TBinFile& file, TScanSettings& settings)
{
    int32_t version = 0;
    if (!file.ReadInt32(version))
        return false;
    QString magic;
    if (version >= kFirstMagicVersion && (!file.ReadString(magic) || magic != g_Edition->Magic(FileKind::ScanSettings)))
        return false;
    TScanSettings read;
    if (!file.ReadString(read.text))
        return false;
    for (int32_t& value : read.values)
        if (!file.ReadInt32(value))
            return false;
    settings = read;
    return true;
}

}  // namespace

bool ReadScanSettingsFile(const QString& path, TScanSettings& settings)
{
    TBinFile file;
    const QString own = StripExtension(path) + u'.' + g_Edition->Extension(FileKind::ScanSettings);
    return file.OpenRead(own) && ReadScanSettings(file, settings);
}

bool ReadScanSettingsFile(const QByteArray& bytes, TScanSettings& settings)
{
    TBinFile file;
    return file.OpenReadBuffer(bytes) && ReadScanSettings(file, settings);
}
