// The line tags of a piece of a column string: title tags, the punctuation
// mode, the raised head, the head offset and the spacing of the count tag.
#include <algorithm>
#include <climits>

#include "foundation/params/LayoutRanges.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"
#include "render/PageRenderer.h"
#include "render/RenderEdition.h"
#include "render/interpreter/DroppedMarks.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr QStringView kTagEnd = u">";
constexpr QStringView kDropTagOpen = u"<D=";

// The value of the first tag opened by opener ("<P=" …), as an integer.
int32_t TagNumber(QStringView text, QStringView opener)
{
    return ParseIntLikeAtoi(GetTagValue(text, opener.mid(1)));
}

// "<T=a,b,c>": the length c left at the foot, spread over the gaps between
// the a + b characters of the column. 0 unless the tag holds three numbers.
int32_t SpacingOfCountTag(QStringView text, double zoom)
{
    std::vector<QString> parts;
    SplitByChar(GetTagValue(text, In::CountOpen.mid(1)), ',', parts);
    if (parts.size() != 3)
        return 0;
    const int64_t a = ParseIntLikeAtoi(parts[0]);
    const int64_t b = ParseIntLikeAtoi(parts[1]);
    // Nothing left at the foot spreads nothing, whatever a file says.
    const double spread = std::clamp(ParseIntLikeAtoi(parts[2]) * zoom, 0.0, double(INT32_MAX));
    return a + b < 2 ? int32_t(spread) : int32_t(int64_t(spread) / (a + b - 1));
}

}  // namespace

QString PageRenderer::StripTitleTags(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView rest = text.mid(i);
        if (rest.startsWith(In::VolumeNameOpen) || rest.startsWith(In::TitleOpen)) {
            const qsizetype end = text.indexOf(kTagEnd, i);
            if (end >= 0) {
                i = end;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

int32_t PageRenderer::LongestPageLength() const
{
    return int32_t(kMaxLayoutLength * std::clamp(ZoomFactor, 0.0, 100.0));
}

int32_t PageRenderer::HeldToPage(int64_t length) const
{
    const int64_t longest = LongestPageLength();
    return int32_t(std::clamp(length, -longest, longest));
}

QString RenderEdition::ParseLineTags(PageRenderer& view, QStringView piece) const
{
    view.HeadOffset = 0;
    QString text = ReducePunctuation(PageRenderer::StripTitleTags(piece), PageRenderer::PunctuationMode());

    view.RaisedColumn = false;
    const qsizetype raised = text.indexOf(In::RaisedColumn);
    if (raised >= 0) {
        view.RaisedColumn = true;
        text = text.mid(raised + In::RaisedColumn.size());
    }

    const int32_t cell = view.CurFontPair ? view.CurFontPair->TEXT_FONT.WORD_HEIGHT : 0;
    if (text.contains(In::PieceOffsetOpen)) {
        view.HeadOffset = view.HeldToPage(int64_t(TagNumber(text, In::PieceOffsetOpen)) * cell);
        RemoveMarkedSpans(text, In::PieceOffsetOpen, kTagEnd);
    } else if (text.contains(In::HeadOffsetOpen)) {
        view.HeadOffset = view.HeldToPage(int64_t(TagNumber(text, In::HeadOffsetOpen) * view.ZoomFactor));
        RemoveMarkedSpans(text, In::HeadOffsetOpen, kTagEnd);
    }

    // Read and removed wherever it stands, the start of the piece included:
    // left in the text its letters would be drawn.
    view.ExtraSpacing = view.HeldToPage(SpacingOfCountTag(text, view.ZoomFactor));
    RemoveMarkedSpans(text, In::CountOpen, kTagEnd);
    RemoveMarkedSpans(text, kDropTagOpen, kTagEnd);
    return text;
}
