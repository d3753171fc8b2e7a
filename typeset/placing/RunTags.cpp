// The tags a run piece is written with: its font and spacing opened where
// the column has not opened them, special-format pieces collected and
// wrapped, circled text as one token.
#include "typeset/TypesetEdition.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/placing/Placing.h"

namespace {

namespace In = MarkupTagsInternal;

}  // namespace

void TLayoutContext::OpenRunTags(QStringView piece) { CurrentTypesetEdition().OpenRunTags(*this, piece); }

void TypesetEdition::OpenRunTags(TLayoutContext& context, QStringView piece) const
{
    TRunCursor& cursor = context.cursor;
    if (cursor.kind == TRunGroup::Circled) {
        context.lineBuffer += OpenTag(In::CircleOpen, cursor.param);
        context.lineBuffer += piece;
        context.lineBuffer += In::CircleClose;
        return;
    }
    QString& target = cursor.kind == TRunGroup::SpecialFormat ? context.pendingSpecialText : context.lineBuffer;
    if (!cursor.fontName.isEmpty() && !cursor.fontOpen) {
        target += OpenTag(In::FontOpen, cursor.fontName);
        cursor.fontOpen = true;
    }
    if (!cursor.spacing.isEmpty() && !cursor.spacingOpen) {
        target += OpenTag(In::SpacingOpen, cursor.spacing);
        cursor.spacingOpen = true;
    }
    target += piece;
}

void TLayoutContext::FlushRunText(const QString& param, TRunEnd end)
{
    if (cursor.kind != TRunGroup::SpecialFormat || pendingSpecialText.isEmpty())
        return;
    if (cursor.spacingOpen)
        pendingSpecialText += In::SpacingClose;
    if (cursor.fontOpen)
        pendingSpecialText += In::FontClose;
    cursor.spacingOpen = false;
    cursor.fontOpen = false;
    const int32_t type = int32_t(end) + (cursor.specialOpened ? 0 : 1);
    lineBuffer += WrapSpecialFormat(pendingSpecialText, param, type);
    pendingSpecialText.clear();
}

// type: bit 0 the first piece of the group, bit 1 the piece that ends it.
QString TLayoutContext::WrapSpecialFormat(QStringView text, const QString& param, int32_t type)
{
    cursor.specialOpened = true;
    const int32_t part = cursor.part;
    const bool continuesEarlier = part == 1 || part == 3 || type == 0 || type == 2;
    const bool endsStretch = (part == 0 || part == 1) && (type == 2 || type == 3);
    QString out = In::SpecialFormatOpen.toString();
    if (continuesEarlier)
        out += In::SpecialFormatContinuation;
    out += param + u'>';
    out += text;
    out += endsStretch ? In::SpecialFormatClose : In::SpecialFormatContinues;
    return out;
}
