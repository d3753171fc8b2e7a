#include "app/files/CompanionPaths.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "typeset/book/Book.h"

namespace {

struct CompanionRow {
    int32_t kind;
    FileKind file;
    bool insideFolder;
};

constexpr CompanionRow kCompanions[] = {
    {kTypesetCompanion, FileKind::Typeset, false},
    {kIndexCompanion, FileKind::Index, true},
    {kFourInOneCompanion, FileKind::FourInOne, true},
    {kFourthCompanion, FileKind::FourthCompanion, true},
};

QString WithoutTrailingSeparators(QString path)
{
    while (path.endsWith(u'/') || path.endsWith(u'\\'))
        path.chop(1);
    return path;
}

}  // namespace

QString GetCompanionPath(const TBook* book, int32_t kind)
{
    if (!book)
        return {};
    const QString folder = WithoutTrailingSeparators(book->bookFolder);
    if (folder.isEmpty())
        return {};
    for (const CompanionRow& row : kCompanions) {
        if (row.kind != kind)
            continue;
        const QString ext = g_Edition->Extension(row.file);
        if (!row.insideFolder)
            return folder + u'.' + ext;
        return folder + u'/' + GetFileNamePart(folder) + u'.' + ext;
    }
    return {};
}
