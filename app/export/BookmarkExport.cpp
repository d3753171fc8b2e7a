#include "app/export/BookmarkExport.h"
#include "platform/Chooser.h"


#include "app/AppGlobals.h"
#include "app/dialogs/DialogServices.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "foundation/io/TextFile.h"
#include "platform/Prompter.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

const QString kCancelled = u"用戶取消生成書籤文件！"_s;
const QString kWriteFailed = u"打開文件寫出錯！"_s;
const QString kDone = u"生成書籤文件成功！"_s;

TShownPageRule RuleInForce() { return {g_CoverPages, g_TwoPageMode != 0, g_FourInOneMode != 0}; }

}  // namespace

int32_t BookmarkPageNumber(int32_t textPage, const TShownPageRule& rule)
{
    const int32_t a = rule.coverPages;
    if (textPage == 0)
        return 1;
    if (rule.fourInOne)
        return a + (textPage - a) / 4 + 1;
    if (rule.twoPage)
        return a + (textPage - a) / 2 + 1;
    return textPage + 1;
}

void WriteBookmarkLine(const TBookmarkNode& node, TTextFile& file, int32_t depth, const TShownPageRule& rule)
{
    file.WriteLine(QString(depth, u'\t') + node.title + u'\t' + QString::number(BookmarkPageNumber(node.page, rule)));
    for (const TBookmarkNode& child : node.children)
        WriteBookmarkLine(child, file, depth + 1, rule);
}

bool WriteBookmarkFile(const QString& path, const QString& title, const TBookmarkTree& contents,
                       const TShownPageRule& rule)
{
    TTextFile file;
    if (!file.OpenWrite(path))
        return false;
    file.WriteLine(title);
    for (const TBookmarkNode& node : contents)
        WriteBookmarkLine(node, file, 1, rule);
    return file.Close();
}

QString BookmarkFileName(const QString& title) { return title + u"Text"_s + u"Mark.txt"_s; }

void ExportTextBookmarks(const QString& textName, const TBookmarkTree& contents, const QString& startFolder,
                         const TShownPageRule& rule)
{
    const QString path =
        CurrentChooser().SaveFile(u"書籤文件 (*.txt)"_s, u"txt"_s, textName + u"TextMark"_s, startFolder);
    if (path.isEmpty()) {
        TellUser(kCancelled);
        return;
    }
    TellUser(WriteBookmarkFile(path, textName, contents, rule) ? kDone : kWriteFailed);
}

void ExportBookBookmarks(const QString& bookFolder, const std::vector<TVolumeBookmarks>& volumes,
                         const TShownPageRule& rule)
{
    const QString folder = CurrentChooser().Folder(bookFolder, u"選擇目録："_s);
    if (folder.isEmpty()) {
        TellUser(kCancelled);
        return;
    }
    const TBookmarkTree none;
    for (const TVolumeBookmarks& volume : volumes) {
        const QString path = folder + u'/' + BookmarkFileName(volume.title);
        if (!WriteBookmarkFile(path, volume.title, volume.contents ? *volume.contents : none, rule)) {
            TellUser(kWriteFailed);
            return;
        }
    }
    TellUser(kDone);
}

void ExportBookmarkFiles()
{
    if (!g_VolumeShown || g_CellEditing)
        return;
    if (!g_CurrentBook) {
        ExportTextBookmarks(g_TextName, g_VolumeContents, GetAppFolder(), RuleInForce());
        return;
    }
    std::vector<TVolumeBookmarks> volumes;
    for (const TFile& volume : g_CurrentBook->volumes)
        volumes.push_back({GetFileTitlePart(volume.name), &volume.contents});
    ExportBookBookmarks(g_CurrentBook->bookFolder, volumes, RuleInForce());
}
