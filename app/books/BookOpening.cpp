#include "app/books/BookOpening.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/books/BookGeneration.h"
#include "app/files/SavePrompts.h"
#include "app/files/TypesetFile.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/state/WorkingState.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Chooser.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/Bookmarks.h"
#include "typeset/pages/PageRecord.h"

namespace {

using namespace Qt::StringLiterals;

QString TypesetExtension() { return g_Edition->Extension(FileKind::Typeset); }

// "排版文件 (*.pak)"
QString TypesetFilter() { return u"排版文件 (*."_s + TypesetExtension() + u')'; }


// What indexing a book reads its volumes into: kept aside while a book is
// indexed before it replaces what is open, and put back afterwards, so that
// a volume found damaged leaves the open book or text as it was.
class VolumeGlobalsAside {
public:
    VolumeGlobalsAside()
        : pages_(std::move(g_PageTable)), contents_(std::move(g_VolumeContents)), sections_(std::move(g_SectionList)),
          textName_(g_TextName), currentPages_(g_CurrentPages), currentSet_(g_CurrentParaSet), style_(g_CurrentStyle),
          covers_(g_CoverPages), backs_(g_BackPages)
    {
        g_PageTable = TPageTable();
    }
    ~VolumeGlobalsAside()
    {
        g_PageTable = std::move(pages_);
        g_VolumeContents = std::move(contents_);
        g_SectionList = std::move(sections_);
        g_TextName = textName_;
        g_CurrentPages = currentPages_;
        g_CurrentParaSet = currentSet_;
        g_CurrentStyle = style_;
        g_CoverPages = covers_;
        g_BackPages = backs_;
    }
    VolumeGlobalsAside(const VolumeGlobalsAside&) = delete;
    VolumeGlobalsAside& operator=(const VolumeGlobalsAside&) = delete;

private:
    TPageTable pages_;
    OwningList<TBookmarkNode> contents_;
    TNameNumberList sections_;
    QString textName_;
    TPageTable* currentPages_;
    TParaSet* currentSet_;
    TStyle* style_;
    int32_t covers_;
    int32_t backs_;
};

// Reads the book's index, rebuilding what is stale from its volumes, with
// what is open untouched. False, after the damaged volume was told, when
// one cannot be read.
bool IndexBookAside(TBook& book, int32_t version)
{
    const VolumeGlobalsAside aside;
    return UseTypesetBook(book, version) == kTypesetRead;
}

}  // namespace

void OnFileOpenTypeset(CollatorView& view, const ShowBookPanes& showBookPanes)
{
    const QString start = g_LastTypesetFolder.isEmpty() ? GetAppFolder() : g_LastTypesetFolder;
    const QString path = CurrentChooser().OpenFile(TypesetFilter(), start);
    if (path.isEmpty() || !AskSaveBeforeReplacing())
        return;
    OpenTypesetFile(view, path, showBookPanes);
}

bool OpenTypesetFile(CollatorView& view, const QString& path, const ShowBookPanes& showBookPanes)
{
    int32_t version = 0;
    std::unique_ptr<TBook> read = ReadTypesetBookAside(path, version);
    // Every volume an index rebuild needs is read before anything is
    // replaced: what was open stays open when one is damaged.
    if (!read || !IndexBookAside(*read, version))
        return false;
    ResetProjectState(view);
    if (LoadTypesetBook(view, path, std::move(read), version) != 0)
        return false;
    Frame().RebuildParaMenu();
    if (showBookPanes)
        showBookPanes();
    TBook* book = view.Data.books.First();
    ActivateBook(*book, view.Data);
    g_CurrentPages = &g_PageTable;
    g_CurrentVolume = -1;
    const bool shown = GoToVolumePage(0, view.Data, book, 0);
    // The view is laid out for the book before its first volume is read, and
    // a view without pages empties the tree: it is filled once the volume is
    // shown.
    Frame().FillBookTree();
    return shown;
}

std::unique_ptr<TBook> ReadTypesetBookAside(const QString& path, int32_t& version)
{
    auto book = std::make_unique<TBook>();
    book->LoadFolder(StripExtension(path), g_Edition->Extension(FileKind::VolumeData));
    if (book->volumes.Size() == 0) {
        TellUser(u"没有找到豎排文件！"_s);
        return nullptr;
    }
    if (ReadTypesetParameters(path, *book, version) != FileRead::Whole)
        return nullptr;
    return book;
}

int32_t LoadTypesetBook(CollatorView& view, const QString& path, std::unique_ptr<TBook> read, int32_t version)
{
    const QString base = StripExtension(path);
    g_LastTypesetFolder = GetFolderPart(base);
    g_ProjectFolder = base;
    ClearBooks(view.Data.books);
    TBook* book = view.Data.books.Append(std::move(read));
    if (UseTypesetBook(*book, version) == kTypesetRead)
        return 0;
    // Nothing may keep pointing into the book that goes.
    LeaveBook(*book);
    RemoveBook(view.Data.books, book);
    return kTypesetFailed;
}
