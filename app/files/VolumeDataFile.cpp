#include "app/files/VolumeDataFile.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/files/FileFrame.h"
#include "app/files/FileStamps.h"
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
    FileRead read = OpenToRead(file, path);
    if (read == FileRead::Whole)
        read = ReadVolumeDataFile(file);
    if (read == FileRead::Whole)
        RememberFileStamp(path);
    return WholeOrTell(read, path);
}

FileRead ReadVolumeDataFile(TBinFile& file)
{
    int32_t version = 0;
    const FrameCheck check = ReadFileFrame(file, FileKind::VolumeData, version);
    if (check == FrameCheck::TooOld)
        TellUser(QStringLiteral("不支持此文件！"));
    if (check == FrameCheck::Ended)
        return FileRead::Damaged;
    if (check != FrameCheck::Accepted)
        return FileRead::Refused;

    // Read aside: a damaged file leaves the shown volume as it was.
    QString title;
    TPageTable pages;
    ReadScrambledString(file, title);
    ReadPageList(file, version, pages);
    if (file.AtEnd())
        return FileRead::Damaged;
    g_TextName = title;
    g_PageTable = std::move(pages);
    // What the file leaves out of a page, worked out again under the set
    // in use, so that the pages show as they were typeset.
    if (g_CurrentParaSet)
        CurrentTypesetEdition().RestoreUsedSizes(g_PageTable, g_CurrentParaSet->styles);
    return FileRead::Whole;
}
