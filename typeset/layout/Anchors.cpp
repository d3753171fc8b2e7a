// What a column leaves on its page besides its text: the anchors of head
// and side notes, placed pictures, and the last column for moving closing
// punctuation back.
#include <algorithm>
#include <limits>

#include "foundation/params/Box.h"
#include "foundation/params/SideNoteFonts.h"
#include "platform/TextNumbers.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"

namespace {

constexpr QStringView kHeadNoteAnchor = u"<MP";
constexpr QStringView kSideNoteAnchor = u"<CP";

int32_t FilledPageIndex() { return g_TypesetPage ? g_TypesetPage->index : -1; }

// Calls take(argument) for every anchor opener…">" of text from the left and
// removes the anchor. An opener without ">" after it is left as text.
template <class Take>
void TakeAnchors(QString& text, QStringView opener, Take take)
{
    qsizetype at = 0;
    while ((at = text.indexOf(opener, at)) >= 0) {
        const qsizetype close = text.indexOf(u'>', at + opener.size());
        if (close < 0)
            return;
        take(QStringView(text).mid(at + opener.size(), close - at - opener.size()).toString());
        text.remove(at, close - at + 1);
    }
}

TPageRec* PageWithLastLine()
{
    TPageRec* page = g_TypesetPage;
    if ((!page || page->lines.empty()) && g_TypesetTable)
        page = g_TypesetTable->pages.Last();
    return page && !page->lines.empty() ? page : nullptr;
}

}  // namespace

void TLayoutContext::TakeHeadNoteAnchors()
{
    const int64_t step = box ? HeadNoteStep(*box) : 0;
    const int32_t position = int32_t(std::clamp<int64_t>(step * column, std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max()));
    TakeAnchors(lineBuffer, kHeadNoteAnchor, [&](const QString& offset) {
        headNoteMarks.push_back({FilledPageIndex(), position, ParseIntLikeAtoi(offset)});
    });
}

void TLayoutContext::TakeSideNoteAnchors()
{
    size_t taken = 0;
    TakeAnchors(lineBuffer, kSideNoteAnchor, [&](const QString& argument) {
        const QString name = argument.isEmpty() ? QStringLiteral("0") : argument;
        if (box) {
            // The side-note font is sized by the note font's cell height.
            const TFontStyle& noteFont = box->MFONT_GROUP.ZHU_FONT;
            GetSideCommentFont(name, noteFont.NAME, noteFont.WORD_HEIGHT);
        }
        // Anchors of a held upper part lost their offsets at its emission.
        const int32_t offset = taken < SideNoteOffsets.size() ? SideNoteOffsets[taken] : 0;
        ++taken;
        sideNoteMarks.push_back({name, FilledPageIndex(), column, offset});
    });
}

int32_t HeadNoteStep(const TBoxPara& box)
{
    // The pitch from the grid, not from a derived value that may be stale.
    TBoxSize size = box.size;
    DeriveBoxSize(size);
    return SaturateToInt32(int64_t(size.pitch) + size.SPLIT_LINE_WIDTH);
}

void AddPlacedPicture(int32_t lastCell, const QString& name, int32_t firstColumn, int32_t lastColumn,
                      int32_t startCell, bool multiplied)
{
    if (!g_TypesetPage)
        return;
    TPageItem* item = g_TypesetPage->pictures.AddNew();
    item->kind = multiplied ? TPageItemKind::PlacedMultiplied : TPageItemKind::PlacedCopy;
    item->name = name;
    item->SetPlacement(firstColumn, lastColumn, startCell, lastCell);
}

TPageLine GetLastPageLine()
{
    const TPageRec* page = PageWithLastLine();
    return page ? page->lines.back() : TPageLine{};
}

void SetLastPageLine(const TPageLine& line)
{
    if (TPageRec* page = PageWithLastLine())
        page->lines.back() = line;
}
