// The typeset file of a book: frame, cover counts and the book's parameter
// set; its index is then looked for beside it (none here, so it is built
// again from the book's volumes, of which it has none).
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/TypesetFile.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

// edition selector · the file
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    {
        TBook book;
        ReadTypesetFile(input.RestBytes(), book);
        g_CurrentParaSet = nullptr;
        g_CurrentStyle = nullptr;
    }
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
}

void WriteSeeds(SeedWriter& seeds)
{
    const QTemporaryDir folder;
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        TBook book;
        book.bookFolder = folder.filePath(QStringLiteral("book%1").arg(int(edition)));
        QDir().mkpath(book.bookFolder);
        book.parameters = SeedParaSet();
        book.coverPages = 1;
        book.backPages = 1;
        if (!WriteTypesetFile(book))
            continue;
        QFile file(book.bookFolder + u'.' + g_Edition->Extension(FileKind::Typeset));
        if (file.open(QIODevice::ReadOnly))
            seeds.Add(QStringLiteral("typeset-%1").arg(int(edition)), QByteArray(1, edition) + file.readAll());
    }
}
