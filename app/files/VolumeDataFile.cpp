#include "app/files/VolumeDataFile.h"

#include "app/AppGlobals.h"
#include "app/files/FileFrame.h"
#include "foundation/io/BinFile.h"
#include "foundation/text/ScrambledString.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageBinary.h"

namespace {

bool PageHoldsUnstorableUnit(const TPageRec& page)
{
    if (ScrambledFormReplacesUnit(page.styleName) || ScrambledFormReplacesUnit(page.centreText))
        return true;
    for (const TPageLine& line : page.lines)
        if (ScrambledFormReplacesUnit(line.text))
            return true;
    return false;
}

bool VolumeHoldsUnstorableUnit()
{
    if (ScrambledFormReplacesUnit(g_TextName))
        return true;
    for (const TPageRec& page : g_PageTable.pages)
        if (PageHoldsUnstorableUnit(page))
            return true;
    return false;
}

}  // namespace

bool WriteVolumeDataFile(const QString& path, QString* volumeDataPath)
{
    const WaitCursor wait;
    const bool saved = SaveBinFile(path, [&](TBinFile& file) {
        if (volumeDataPath)
            *volumeDataPath = path;
        WriteFileFrame(file, FileKind::VolumeData, kPageFormVersion);
        WriteScrambledString(file, g_TextName);
        WritePageList(g_PageTable, file);
    });
    if (saved && VolumeHoldsUnstorableUnit())
        TellUser(QStringLiteral("有些字符無法存入文件，已換作\uFFFD。"));
    return saved;
}

bool ReadVolumeDataFile(const QString& path)
{
    TBinFile file;
    return file.OpenRead(path) && ReadVolumeDataFile(file);
}

bool ReadVolumeDataFile(TBinFile& file)
{
    int32_t version = 0;
    const FrameCheck check = ReadFileFrame(file, FileKind::VolumeData, version);
    if (check == FrameCheck::TooOld)
        TellUser(QStringLiteral("不支持此文件！"));
    if (check != FrameCheck::Accepted)
        return false;

    g_TextName.clear();
    ReadScrambledString(file, g_TextName);
    // Reads on even when the title was cut short, so that the table is
    // emptied and never keeps the pages of another volume.
    ReadPageList(file, version, g_PageTable);
    // What the file leaves out of a page, worked out again under the set
    // in use, so that the pages show as they were typeset.
    if (g_CurrentParaSet)
        CurrentTypesetEdition().RestoreUsedSizes(g_PageTable, g_CurrentParaSet->styles);
    return true;
}
