// A file given to the program opens by what it is: a typeset book (its
// typeset file) as 打開排版文件 opens it, a project file as 打開項目文件
// does, anything else as a pre-processed text. The editions' extensions of
// one kind differ in their last letter only, so another edition's book or
// project is taken for what it is and refused by its reader's message
// rather than typeset as a text.
#include "app/books/BookOpening.h"
#include "app/files/SavePrompts.h"
#include "app/files/TypesetFile.h"
#include "app/frame/MainWindow.h"
#include "app/text/TextCommands.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"

namespace {

// The extension is of this kind in some edition.
bool IsOfKind(const QString& path, FileKind kind)
{
    const QString ext = GetFileExtPart(path).toLower();
    const QString ours = g_Edition->Extension(kind);
    return ext.size() == ours.size() && ext.chopped(1) == ours.chopped(1);
}

}  // namespace

bool MainWindow::OpenFile(const QString& path)
{
    if (IsOfKind(path, FileKind::Typeset)) {
        if (!IsTypesetFileOfEdition(path) || !AskSaveBeforeReplacing())
            return false;
        return OpenTypesetFile(*view_, path, [this] { ShowBookPanes(); });
    }
    if (IsOfKind(path, FileKind::Project))
        return OpenProjectPath(view_->Data, path);
    return OpenText(path);
}
