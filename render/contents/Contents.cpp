// The contents tree, section list and leaf texts of the shown volume.
#include "render/contents/Contents.h"

#include <algorithm>

#include <QStringView>

#include "foundation/params/Style.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"
#include "typeset/pages/PageRecord.h"

namespace {

// The titles open above the next one: index 0 the volume's node, a title of
// level L at index L + 1. Padding entries are null.
using LevelStack = std::vector<TBookmarkNode*>;

TBookmarkNode* AddNode(TBookmarkTree& list, const QString& title, int32_t page)
{
    TBookmarkNode* node = AddBookmarkNode(list);
    node->title = title;
    node->page = page;
    return node;
}

// The nearest open title at or below index level.
TBookmarkNode* ParentAt(const LevelStack& stack, size_t level)
{
    for (size_t i = std::min(level, stack.size() - 1) + 1; i-- > 0;)
        if (stack[i])
            return stack[i];
    return nullptr;
}

void AddTitle(LevelStack& stack, const QString& title, int32_t page)
{
    if (g_VolumeContents.Size() == 0)
        stack = {AddNode(g_VolumeContents, QString(), page)};
    const qsizetype dash = title.indexOf(u'-');
    if (dash < 0) {
        AddNode(stack.front()->children, title, page);
        return;
    }
    // The level comes from the text: clamped, so that a huge or negative one
    // neither allocates nor indexes outside the stack.
    const size_t level = size_t(std::clamp(ParseIntLikeAtoi(QStringView(title).left(dash)), 0, kMaxTitleLevel));
    if (stack.size() < level + 1)
        stack.resize(level + 1, nullptr);
    TBookmarkNode* parent = ParentAt(stack, level);
    stack.resize(level + 1);
    stack.push_back(AddNode(parent->children, title.mid(dash + 1), page));
}

// Every "<BT…>" of the line in turn; an empty one is passed over.
void AddLineTitles(LevelStack& stack, QStringView line, int32_t page)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = line.indexOf(u"<BT", from);
        if (open < 0)
            return;
        const qsizetype close = line.indexOf(u'>', open + 3);
        if (close < 0)
            return;
        const QString title = line.mid(open + 3, close - open - 3).toString();
        if (!title.isEmpty())
            AddTitle(stack, title, page);
        from = close + 1;
    }
}

}  // namespace

void RebuildContents(std::vector<QString>& leafTexts, bool makeLeafTexts, bool flatList)
{
    ClearBookmarkTree(g_VolumeContents);
    leafTexts.clear();
    g_SectionList.clear();
    g_CoverPages = 0;
    g_BackPages = 0;
    if (!g_CurrentPages)
        return;
    OwningList<TPageRec>& pages = g_CurrentPages->pages;
    const int32_t n = pages.Size();
    if (n > 0) {
        g_CoverPages = pages.GetAtOrNull(0)->styleName == kCoverName ? 1 : 0;
        g_BackPages = pages.GetAtOrNull(n - 1)->styleName == kBackCoverName ? 1 : 0;
    }

    LevelStack stack;
    QString previousName;
    QString centreText;
    // Leaves and sections count from the first body page until a volume
    // name starts a section, so a cover never takes a leaf number.
    int32_t start = g_CoverPages;
    for (int32_t p = g_CoverPages; p < n; ++p) {
        TPageRec& page = *pages.GetAtOrNull(p);
        const QString vol = page.lines.empty() ? QString() : GetVolumeNameTag(page.lines.front().text);
        if (!vol.isEmpty()) {
            page.volumeName = vol;
            stack = {AddNode(g_VolumeContents, vol, p)};
        }
        for (const TPageLine& line : page.lines)
            AddLineTitles(stack, line.text, p);
        if (!page.centreText.isEmpty())
            centreText = page.centreText;
        if (!vol.isEmpty() && vol != previousName) {
            if (!previousName.isEmpty())
                g_SectionList.push_back({previousName, p - start});
            previousName = vol;
            start = p;
        }
        if (makeLeafTexts && (p - start) % 2 == 0)
            leafTexts.push_back(centreText + u'|' + NumberToChinese((p - start) / 2 + 1));
    }
    g_SectionList.push_back({previousName, n - g_BackPages - start});

    if (flatList) {
        ClearFlatBookmarkList();
        g_CurrentBookmark = -2;
        FlattenBookmarkTree(g_VolumeContents);
        g_CurrentBookmark = -g_CoverPages;
    }
}
