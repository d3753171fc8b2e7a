// The index file of a book: per volume its contents tree, sections, page
// count and cover counts, for a book of up to three volumes.
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/files/CompanionPaths.h"
#include "app/files/IndexFile.h"
#include "typeset/book/Book.h"

namespace {

constexpr uint8_t kMostVolumes = 3;

void AddVolumes(TBook& book, uint8_t count)
{
    for (uint8_t v = 0; v < count; ++v)
        book.volumes.AddNew()->name = QStringLiteral("/nowhere/v%1.sjk").arg(v);
}

}  // namespace

// edition selector · volume count (mod 4) · the file
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    TBook book;
    AddVolumes(book, input.TakeByte() % (kMostVolumes + 1));
    ReadIndexFile(input.RestBytes(), book);
}

void WriteSeeds(SeedWriter& seeds)
{
    const QTemporaryDir folder;
    InstallFuzzEdition(0);
    for (uint8_t count = 0; count <= kMostVolumes; ++count) {
        TBook book;
        book.bookFolder = folder.filePath(QStringLiteral("book%1").arg(count));
        QDir().mkpath(book.bookFolder);
        AddVolumes(book, count);
        for (TFile& volume : book.volumes) {
            volume.pageCount = 12;
            volume.coverPages = 1;
            TBookmarkNode* title = volume.contents.AddNew();
            title->title = QStringLiteral("卷第一");
            title->page = 1;
            title->children.AddNew()->title = QStringLiteral("學而第一");
            volume.sections = {{QStringLiteral("卷第一"), 10}};
        }
        if (!WriteIndexFile(book))
            continue;
        QFile file(GetCompanionPath(&book, kIndexCompanion));
        if (file.open(QIODevice::ReadOnly))
            seeds.Add(QStringLiteral("index-%1").arg(count), QByteArray(1, 0) + QByteArray(1, char(count)) + file.readAll());
    }
}
