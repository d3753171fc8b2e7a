// The line interpreter: the leading bracket tag of a source line, tested
// against the rules in order (exact names first, prefixes after, "…BK"
// last), then the laying out of what the rule leaves as text.
#include <algorithm>
#include <iterator>

#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/StringUtils.h"
#include "platform/TextNumbers.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/markup/BracketTags.h"
#include "typeset/markup/CentreColumnText.h"
#include "typeset/markup/MarkedSpans.h"
#include "typeset/typesetter/LineSteps.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

using Handler = TLineStep (*)(TTypesetter&, TLineTag&);

enum class Match { Equal, Prefix, ContainsBK };

struct TTagRule {
    QStringView name;
    Match match;
    Handler handle;
};

TLayoutContext& Current(TTypesetter& t) { return *t.current; }

// Pages with pictures still waiting are left until every picture found a
// place (a picture no page can take is dropped by NewPage).
void PageOutPendingPictures(TLayoutContext& context)
{
    while (!context.pendingPictures.empty()) {
        context.NewPage();
        context.column = 1;
    }
}

bool HasPlacedColumn(const TLayoutContext& context) { return context.column > 0 || !context.heldColumns.empty(); }

TLineStep Justify(TTypesetter& t, TLineTag&)
{
    Current(t).justified = true;
    return TLineStep::Finished();
}

TLineStep Unjustify(TTypesetter& t, TLineTag&)
{
    Current(t).justified = false;
    return TLineStep::Finished();
}

TLineStep CoverStart(TTypesetter& t, TLineTag& tag)
{
    t.insideCover = true;
    const bool firstPage = !g_TypesetTable || g_TypesetTable->pages.Size() <= 1;
    if (!firstPage || HasPlacedColumn(Current(t)) || !t.paraSet)
        return TLineStep::Finished();
    t.cover = GetCoverPara(*t.paraSet);
    if (g_TypesetPage)
        g_TypesetPage->styleName = kCoverName;
    g_CoverPages = 1;
    if (tag.line.mid(tag.pos, 1) == u"【")
        return TLineStep::Reprocess(tag.Rest());
    return TLineStep::Text(tag.Rest());
}

TLineStep CoverEnd(TTypesetter& t, TLineTag&)
{
    t.insideCover = false;
    Current(t).NewPage();
    return TLineStep::Finished();
}

TLineStep BackCover(TTypesetter& t, TLineTag& tag)
{
    t.StartOnOddPage();
    if (t.paraSet) {
        t.cover = GetBackCoverPara(*t.paraSet);
        if (g_TypesetPage)
            g_TypesetPage->styleName = t.cover->NAME;
    }
    g_BackPages = 1;
    AddPagePicture(tag.Argument(2));
    return TLineStep::Finished();
}

TLineStep StyleSwitch(TTypesetter& t, TLineTag& tag)
{
    TLayoutContext& context = Current(t);
    PageOutPendingPictures(context);
    t.SelectStyle(tag.Argument(2));
    if (!t.StartOnOddPage() && g_TypesetPage && t.style)
        g_TypesetPage->styleName = t.style->NAME;
    context.ResetOccupancy();
    context.remainingLength = context.AvailableLength();
    return TLineStep::ReprocessRest(tag.Rest());
}

TLineStep StyleFile(TTypesetter& t, TLineTag& tag)
{
    if (g_LoadingText && t.paraSet) {
        t.LoadStyleFile(tag.Argument(2));
        t.PointEngineAt(t.paraSet->styles.First());
        // A page with nothing on it yet is set in the style now current; it
        // would otherwise name a style the file replaced.
        if (g_TypesetPage && t.style && !HasPlacedColumn(Current(t)))
            g_TypesetPage->styleName = t.style->NAME;
    }
    return TLineStep::ReprocessRest(tag.Rest());
}

TLineStep CentreText(TTypesetter& t, TLineTag& tag)
{
    QString text = tag.Rest();
    ToVerticalPunct(text);
    SetCentreColumnText(text);
    Current(t).freshColumn = true;
    return TLineStep::Finished();
}

TLineStep LinesOverride(TTypesetter& t, TLineTag& tag)
{
    TLayoutContext& context = Current(t);
    context.linesOverride = 0;
    if (tag.tag.size() > 2) {
        context.linesOverride = ParseIntLikeAtoi(tag.Argument(2));
        if (context.box)
            context.linesOverride = std::min(context.linesOverride, MaxColumnsOf(context.box->size));
        if (g_TypesetPage)
            g_TypesetPage->linesOverride = context.linesOverride;
    }
    context.ResetOccupancy();
    return TLineStep::Finished();
}

// "name-left-top-right-bottom"; missing numbers are 0.
TLineStep Seal(TTypesetter&, TLineTag& tag)
{
    std::vector<QString> parts;
    SplitByChar(tag.Argument(2), '-', parts);
    parts.resize(std::max<size_t>(parts.size(), 5));
    auto number = [&](size_t i) { return ParseIntLikeAtoi(parts[i]); };
    AddPageSeal(parts[0], number(1), number(3), number(2), number(4));
    return TLineStep::ReprocessRest(tag.Rest());
}

TLineStep BookTitle(TTypesetter& t, TLineTag& tag)
{
    if (tag.tag.size() > 2)
        t.title = tag.Argument(2);
    return TLineStep::Finished();
}

TLineStep VolumeName(TTypesetter& t, TLineTag& tag)
{
    TLineStep step = TLineStep::Text(tag.Rest());
    if (tag.tag.size() <= 2)
        return step;
    TLayoutContext& context = Current(t);
    step.volumeName = tag.Argument(2);
    context.lineHeadMode = TLineHeadMode::VolumeName;
    context.FlushPendingLines();
    PageOutPendingPictures(context);
    return step;
}

TLineStep Title(TTypesetter& t, TLineTag& tag)
{
    const QString title = MakeTitleTag(tag.Argument(2));
    if (!title.isEmpty())
        Current(t).pendingParts.push_back(title);
    return TLineStep::ReprocessRest(tag.Rest());
}

void OpenParagraphHead(TTypesetter& t, int32_t raise, int32_t blank)
{
    TLayoutContext& context = Current(t);
    context.raise = raise;
    context.blank = blank;
    context.lineHeadMode = TLineHeadMode::Raised;
    context.firstColumn = true;
    if (raise < 0 && t.style)
        t.style->raisedHead = true;
}

TLineStep RaisedHead(TTypesetter& t, TLineTag& tag)
{
    OpenParagraphHead(t, -1, 0);
    return TLineStep::Text(tag.Rest());
}

// "raise-blankBK" or "raiseBK".
TLineStep Indent(TTypesetter& t, TLineTag& tag)
{
    const QStringView head = QStringView(tag.tag).left(tag.tag.indexOf(u"BK", 1));
    const qsizetype dash = head.indexOf(u'-', 1);
    if (head.size() > 1 && dash > 0)
        OpenParagraphHead(t, ParseIntLikeAtoi(head.left(dash)), ParseIntLikeAtoi(head.mid(dash + 1)));
    else
        OpenParagraphHead(t, ParseIntLikeAtoi(head), 0);
    return TLineStep::Text(tag.Rest());
}

constexpr TTagRule kTagRules[] = {
    {u"DH", Match::Equal, Justify},        {u"-DH", Match::Equal, Unjustify},
    {u"TP", Match::Prefix, PictureTag},    {u"WZ", Match::Prefix, CoverTextTag},
    {u"FM", Match::Equal, CoverStart},     {u"-FM", Match::Equal, CoverEnd},
    {u"FD", Match::Prefix, BackCover},     {u"BS", Match::Prefix, StyleSwitch},
    {u"CS", Match::Prefix, StyleFile},     {u"BX", Match::Equal, CentreText},
    {u"HS", Match::Prefix, LinesOverride}, {u"YZ", Match::Prefix, Seal},
    {u"SM", Match::Prefix, BookTitle},     {u"JM", Match::Prefix, VolumeName},
    {u"BT", Match::Prefix, Title},         {u"TT", Match::Prefix, RaisedHead},
    {u"", Match::ContainsBK, Indent},
};

bool Matches(const TTagRule& rule, const QString& tag)
{
    switch (rule.match) {
    case Match::Equal:
        return tag == rule.name;
    case Match::Prefix:
        return tag.startsWith(rule.name);
    case Match::ContainsBK:
        return tag.indexOf(u"BK", 1) >= 1;
    }
    return false;
}

// The line with its leading tag read. A side or head note at the very start
// of a line keeps its opener: it is text, not a line tag.
TLineTag ReadLineTag(const QString& line)
{
    TLineTag tag{NormalizeBracketTags(line), {}, 0};
    if (!tag.line.startsWith(u"【"))
        return tag;
    qsizetype pos = 0;
    QString text = ExtractBracketTag(tag.line, pos);
    if (text.startsWith(u"CP") || text.startsWith(u"MP"))
        return tag;
    tag.tag = std::move(text);
    tag.pos = pos;
    return tag;
}

TLineStep ApplyLineTag(TTypesetter& t, TLineTag& tag)
{
    if (tag.pos > 0) {
        const auto rule = std::find_if(std::begin(kTagRules), std::end(kTagRules),
                                       [&](const TTagRule& r) { return Matches(r, tag.tag); });
        if (rule != std::end(kTagRules))
            return rule->handle(t, tag);
    }
    // No tag, or one no rule knows (dropped): the rest is text.
    return TLineStep::Text(tag.Rest());
}

void LayOutText(TTypesetter& t, TLineStep& step)
{
    TLayoutContext& context = Current(t);
    QString& text = step.text;
    if (context.lineHeadMode == TLineHeadMode::VolumeName) {
        t.StartOnOddPage();
        context.remainingLength = context.AvailableLength();
        if (g_TypesetPage)
            g_TypesetPage->volumeName = step.volumeName;
        context.pendingParts.push_back(QStringLiteral("<JM") + step.volumeName + u'>');
    }
    PrepareLineText(context, text);
    if (!t.style || t.style->TEXT_BOX.size.BOX_HEIGHT <= 0)
        return;
    std::vector<QString> sideSpans;
    std::vector<QString> headSpans;
    text = ExtractMarkedSpans(text, u"CP", sideSpans);
    text = ExtractMarkedSpans(text, u"MP", headSpans);
    context.ResetLineState();
    context.LayoutInputLine(text);
    const std::vector<TSideNoteMark> sideMarks = context.sideNoteMarks;
    SetHeadNotes(t, headSpans, context.headNoteMarks);
    SetSideNotes(t, sideSpans, sideMarks);
}

}  // namespace

bool BeginSourceLine(TLayoutContext& context, const QString& line)
{
    if (line.isEmpty()) {
        context.FinishLine();
        return false;
    }
    if (context.freshColumn && context.column >= context.LinesPerPage())
        context.NewPage();
    context.lineHeadMode = TLineHeadMode::None;
    return true;
}

void PrepareLineText(TLayoutContext& context, QString& text)
{
    ConvertInlineTitles(text);
    if (!context.justified || text.isEmpty())
        return;
    constexpr QStringView kExempt = u"【HH】";
    context.exempt = text.size() > kExempt.size() && text.endsWith(kExempt);
    if (context.exempt)
        text.chop(kExempt.size());
}

void TypesetEdition::ProcessLine(TTypesetter& typesetter, const QString& source) const
{
    // Rules that leave the rest of a line to be interpreted as a line of its
    // own end here with it; the loop stands for that tail call, so a line of
    // many leading tags needs no deep recursion.
    QString line = source;
    for (;;) {
        if (!BeginSourceLine(Current(typesetter), line))
            return;
        TLineTag tag = ReadLineTag(line);
        TLineStep step = ApplyLineTag(typesetter, tag);
        if (step.kind == TLineStep::Again) {
            line = std::move(step.text);
            continue;
        }
        if (step.kind == TLineStep::LayOut)
            LayOutText(typesetter, step);
        return;
    }
}
