// Columns as wide as their widest characters, pages full when the columns
// fill the box's width.
#include "editions/vertical/VerticalTypesetting.h"

#include "foundation/params/Box.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/placing/RunCursor.h"

namespace {

// The character width of the run the cursor stands on. A note's given left
// half is placed with the cursor moved onto its own list; its runs are
// taken from the right half's list at the same place, which holds the same
// note fonts unless the halves name different attached fonts.
int32_t CurrentRunWidth(const VerticalTypesetting& rules, const TLayoutContext& context)
{
    const TZtSpan* run = CurrentRun(context.cursor, context.runGroups);
    if (!run)
        run = CurrentRun(context.cursor, context.leftRunGroups);
    return run ? rules.RunLineSize(*run) : 0;
}

bool PageHoldsAColumn() { return g_TypesetPage && !g_TypesetPage->lines.empty(); }

}  // namespace

int32_t VerticalTypesetting::RunLineSize(const TZtSpan& run) const { return run.charWidth; }

int32_t VerticalTypesetting::PlainLineSize(const TBoxPara& box) const { return box.MFONT_GROUP.TEXT_FONT.WORD_WIDTH; }

int32_t VerticalTypesetting::PageLength(const TBoxSize& size) const { return size.BOX_WIDTH; }

int32_t VerticalTypesetting::LinesPerPage(const TLayoutContext&) const { return kColumnSlots; }

void VerticalTypesetting::WriteLineHead(TLayoutContext& context) const
{
    if (context.freshColumn)
        context.columnSize = 0;
    TypesetEdition::WriteLineHead(context);
}

void VerticalTypesetting::OpenRunTags(TLayoutContext& context, QStringView piece) const
{
    context.columnSize = std::max(context.columnSize, CurrentRunWidth(*this, context));
    TypesetEdition::OpenRunTags(context, piece);
}

void VerticalTypesetting::EmitLine(TLayoutContext& context) const
{
    if (context.columnSize == 0 && context.box)
        context.columnSize = PlainLineSize(*context.box);
    const int32_t width = context.columnSize;
    const bool stored = context.pass != TOccupancyPass::Upper;
    // The column as the woodblock form will store it, before it collapses
    // the emphasis marks and takes the note anchors out.
    QString text = context.lineBuffer;
    if (context.pass == TOccupancyPass::Lower && !context.heldColumns.empty())
        text.prepend(context.heldColumns.front());

    // Columns set around a picture keep to the picture's page: leaving it
    // there would part them from the picture (and its move to a new page
    // releases the held columns, which would come back here). A column
    // wider than the box on a page that holds none stays: a new page would
    // be left empty.
    const int64_t boxWidth = context.box ? PageLength(context.box->size) : 0;
    const bool besidePicture = context.pass == TOccupancyPass::Upper || !context.heldColumns.empty();
    if (!besidePicture && PageHoldsAColumn() && int64_t(context.usedSize) + width > boxWidth) {
        g_TypesetPage->usedSize = context.usedSize;
        context.NewPage();
    }
    const TPageRec* page = g_TypesetPage;
    const size_t before = page ? page->lines.size() : 0;
    TypesetEdition::EmitLine(context);
    // The woodblock form may have moved to a new page (the 150th column).
    if (stored && g_TypesetPage && (g_TypesetPage != page || g_TypesetPage->lines.size() > before)) {
        g_TypesetPage->lines.back() = {text, width};
        context.usedSize += width;
    }
    context.columnSize = 0;
}

void VerticalTypesetting::NewPage(TLayoutContext& context) const
{
    TypesetEdition::NewPage(context);
    context.columnSize = 0;
    context.usedSize = 0;
}
