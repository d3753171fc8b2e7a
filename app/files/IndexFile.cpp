#include "app/files/IndexFile.h"

#include "app/files/CompanionPaths.h"
#include "app/files/FileFrame.h"
#include "foundation/io/BinFile.h"
#include "typeset/book/Book.h"

namespace {

bool ReadVolumeIndexEntry(TBinFile& file, TFile& volume)
{
    return ReadBookmarkTree(file, volume.contents) && ReadNameNumberList(volume.sections, file) &&
           file.ReadInt32(volume.pageCount) && file.ReadInt32(volume.coverPages) && file.ReadInt32(volume.backPages);
}

bool ReadIndex(TBinFile& file, TBook& book)
{
    int32_t count = 0;
    if (!file.ReadInt32(count) || count != book.volumes.Size())
        return false;
    for (TFile& volume : book.volumes)
        if (!ReadVolumeIndexEntry(file, volume))
            return false;
    // An entry cut short is rebuilt like a missing one.
    return !file.AtEnd();
}

}  // namespace

int32_t WriteVolumeIndexEntry(TBinFile& file, const TFile& volume)
{
    return WriteBookmarkTree(volume.contents, file) + WriteNameNumberList(file, volume.sections) +
           file.WriteInt32(volume.pageCount) + file.WriteInt32(volume.coverPages) + file.WriteInt32(volume.backPages);
}

bool WriteIndexFile(const TBook& book)
{
    const QString path = GetCompanionPath(&book, kIndexCompanion);
    if (path.isEmpty())
        return false;
    return SaveBinFile(path, [&book](TBinFile& file) {
        file.WriteInt32(book.volumes.Size());
        for (const TFile& volume : book.volumes)
            WriteVolumeIndexEntry(file, volume);
    }, OverwriteCheck::None);
}

bool ReadIndexFile(TBook& book)
{
    TBinFile file;
    return file.OpenRead(GetCompanionPath(&book, kIndexCompanion)) && ReadIndex(file, book);
}

bool ReadIndexFile(const QByteArray& bytes, TBook& book)
{
    TBinFile file;
    return file.OpenReadBuffer(bytes) && ReadIndex(file, book);
}
