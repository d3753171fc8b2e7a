// A segment's text cut into plain, special-format and circled groups.
#include "foundation/params/Box.h"
#include "foundation/params/CirclePara.h"
#include "foundation/params/Technique.h"
#include "typeset/cells/Cells.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"
#include "typeset/markup/RunAdvance.h"
#include "typeset/runs/Runs.h"

namespace {

namespace In = MarkupTagsInternal;

const TFontStyle& BoxFont(const TLayoutContext& context)
{
    static const TFontStyle none;
    if (!context.box)
        return none;
    const TFontPair& fonts = context.box->MFONT_GROUP;
    return context.segmentKind == TZwSpan::Note ? fonts.ZHU_FONT : fonts.TEXT_FONT;
}

// The first special-format or circled-text opener of text, whichever comes
// first (so that a stretch keeps its format wherever it stands); -1 when
// there is none.
qsizetype FirstOpener(QStringView text, bool& circled)
{
    const qsizetype circle = text.indexOf(In::CircleOpen);
    const qsizetype special = text.indexOf(In::SpecialFormatOpen);
    circled = circle >= 0 && (special < 0 || circle < special);
    return circled ? circle : special;
}

struct StretchEnd {
    qsizetype at = -1;  // the closer; -1: the stretch runs to the end
    bool continuesLater = false;
    qsizetype closerSize = 0;
};

StretchEnd FindStretchEnd(QStringView text, qsizetype from, bool circled)
{
    if (circled)
        return {text.indexOf(In::CircleClose, from), false, In::CircleClose.size()};
    const qsizetype close = text.indexOf(In::SpecialFormatClose, from);
    const qsizetype continues = text.indexOf(In::SpecialFormatContinues, from);
    if (continues >= 0 && (close < 0 || continues < close))
        return {continues, true, In::SpecialFormatContinues.size()};
    return {close, false, In::SpecialFormatClose.size()};
}

}  // namespace

void TLayoutContext::BuildRunGroups(QStringView input, std::vector<TRunGroup>& groups)
{
    auto addPlain = [&](QStringView text) {
        const QString plain = StripNonLayoutTags(text);
        if (!plain.isEmpty())
            AddRunGroup(TRunGroup::Plain, 0, QString(), plain, groups);
    };
    QString text = input.toString();
    // Every turn takes one opener off the text, so the loop ends.
    for (;;) {
        bool circled = false;
        const qsizetype open = FirstOpener(text, circled);
        if (open < 0) {
            addPlain(text);
            return;
        }
        const qsizetype openerSize = (circled ? In::CircleOpen : In::SpecialFormatOpen).size();
        const qsizetype paramFrom = open + openerSize;
        const qsizetype close = text.indexOf(In::TagEnd, paramFrom);
        if (close < 0) {
            text.remove(open, openerSize);  // an opener without ">" is no tag
            continue;
        }
        QString param = text.mid(paramFrom, close - paramFrom);
        int32_t part = 0;
        if (!circled && param.startsWith(In::SpecialFormatContinuation)) {
            part |= TRunGroup::ContinuesEarlier;
            param.remove(0, 1);
        }
        if (param.isEmpty())
            param = QStringLiteral("0");
        if (circled)
            GetCirclePara(param, BoxFont(*this));
        else
            FindOrAddTechnique(param);
        addPlain(QStringView(text).left(open));
        const StretchEnd end = FindStretchEnd(text, close + 1, circled);
        if (end.continuesLater)
            part |= TRunGroup::ContinuesLater;
        const qsizetype stop = end.at < 0 ? text.size() : end.at;
        const QString stretch = StripNonLayoutTags(QStringView(text).mid(close + 1, stop - close - 1));
        if (!stretch.isEmpty())
            AddRunGroup(circled ? TRunGroup::Circled : TRunGroup::SpecialFormat, part, param, stretch, groups);
        if (end.at < 0)
            return;
        text = text.mid(end.at + end.closerSize);
    }
}

void TLayoutContext::AddRunGroup(int32_t kind, int32_t part, const QString& param, QStringView text,
                                 std::vector<TRunGroup>& groups)
{
    TRunGroup group{BuildSpacingRuns(text), kind, part, param};
    if (group.runs.empty())
        return;  // only tags that set nothing: no room, nothing to place
    int64_t cells = 0;
    int64_t length = 0;
    if (kind == TRunGroup::Circled) {
        const TFontStyle& boxFont = BoxFont(*this);
        const TCirclePara* circle = GetCirclePara(param, boxFont);
        const int32_t height = circle && !circle->USE_TEXT_FONT ? circle->font.WORD_HEIGHT : boxFont.WORD_HEIGHT;
        group.runs.front().charHeight = height;
        cells = 1;
        length = height;
    } else {
        for (const TZtSpan& run : group.runs) {
            cells += CountCells(run.text);
            length += MeasureCells(run.text, ScaleByRatioText(run));
        }
    }
    groups.push_back(std::move(group));
    cellsLeft = SaturateToInt32(cellsLeft + cells);
    lengthLeft = SaturateToInt32(lengthLeft + length);
}

std::vector<TZtSpan> TLayoutContext::BuildSpacingRuns(QStringView text)
{
    std::vector<TZtSpan> runs;
    for (const TZtSpan& fontRun : SplitFontRuns(text, segmentKind == TZwSpan::Note))
        SplitSpacingRuns(fontRun, runs);
    return runs;
}
