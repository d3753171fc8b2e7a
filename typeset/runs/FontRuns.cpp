// A group's text cut into runs of one font and one spacing.
#include <algorithm>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/Box.h"
#include "platform/TextNumbers.h"
#include "typeset/cells/Cells.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

// Calls each(opener position, param, body) for every opener…">"…closer
// stretch of text and plain(text) for the text between. An opener without
// ">" after it is dropped; a stretch without its closer runs to the end.
// An empty param drops the opener alone (plain text goes on after it).
template <class Plain, class Stretch>
void ScanParamStretches(QStringView text, QStringView opener, QStringView closer, Plain plain, Stretch each)
{
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(opener, from);
        if (open < 0)
            break;
        if (open > from)
            plain(text.mid(from, open - from));
        const qsizetype paramFrom = open + opener.size();
        const qsizetype close = text.indexOf(In::TagEnd, paramFrom);
        if (close < 0) {
            from = paramFrom;
            continue;
        }
        const QStringView param = text.mid(paramFrom, close - paramFrom);
        if (param.isEmpty()) {
            from = close + 1;
            continue;
        }
        const qsizetype end = text.indexOf(closer, close + 1);
        const qsizetype stop = end < 0 ? text.size() : end;
        each(param, text.mid(close + 1, stop - close - 1));
        from = end < 0 ? text.size() : end + closer.size();
    }
    if (from < text.size())
        plain(text.mid(from));
}

// "p" as the spacing's second number: a decimal with one digit after "."
// gives tenths (the cells then count tenfold).
QString SpacingOf(int32_t cells, QStringView param)
{
    const qsizetype dot = param.indexOf(u'.');
    if (dot < 0)
        return QString::number(cells) + u'-' + param.toString();
    const int64_t whole = ParseIntLikeAtoi(param.left(dot));
    const QChar digit = dot + 1 < param.size() ? param[dot + 1] : QChar();
    const int64_t tenth = digit.isDigit() ? digit.digitValue() : 0;
    return QString::number(SaturateToInt32(int64_t(cells) * 10)) + u'-'
        + QString::number(SaturateToInt32(whole * 10 + tenth));
}

// The run text without any spacing tags (justified lines space every run).
QString WithoutSpacingTags(QStringView text)
{
    QString out;
    ScanParamStretches(
        text, In::SpacingOpen, In::SpacingClose, [&](QStringView plain) { out += plain; },
        [&](QStringView, QStringView body) { out += body; });
    return out.remove(In::SpacingClose.toString());
}

}  // namespace

std::vector<TZtSpan> TLayoutContext::SplitFontRuns(QStringView text, bool note)
{
    std::vector<TZtSpan> runs;
    ScanParamStretches(
        text, In::FontOpen, In::FontClose, [&](QStringView plain) { runs.push_back(AddFontRun({}, plain, note)); },
        [&](QStringView name, QStringView body) { runs.push_back(AddFontRun(name.toString(), body, note)); });
    return runs;
}

TZtSpan TLayoutContext::AddFontRun(const QString& name, QStringView text, bool note)
{
    static const TFontStyle none;
    const TFontStyle* font = &none;
    if (box)
        font = note ? &box->MFONT_GROUP.ZHU_FONT : &box->MFONT_GROUP.TEXT_FONT;
    if (!name.isEmpty() && g_CurAttachFonts) {
        TFontStyleList& list = note ? g_CurAttachFonts->ATTACH_ZHU_FONT : g_CurAttachFonts->ATTACH_TEXT_FONT;
        font = FindOrAddFontStyle(list, name, *font);
    }
    return {text.toString(), name, font->WORD_HEIGHT, font->WORD_WIDTH, {}, {}};
}

void TLayoutContext::SplitSpacingRuns(const TZtSpan& run, std::vector<TZtSpan>& runs)
{
    auto add = [&](QStringView text, const QString& spacing) {
        TZtSpan piece = run;
        piece.text = text.toString();
        piece.spacing = spacing;
        runs.push_back(std::move(piece));
    };
    if (JustifiedLineMode()) {
        const QString text = WithoutSpacingTags(run.text);
        if (!text.isEmpty())
            add(text, QStringLiteral("%1-%2").arg(lineNaturalLength).arg(AvailableLength()));
        return;
    }
    // An enclosed text without its "<-ZJ>" runs to the end of the run, as an
    // unclosed font does, rather than being lost.
    ScanParamStretches(
        run.text, In::SpacingOpen, In::SpacingClose, [&](QStringView plain) { add(plain, QString()); },
        [&](QStringView param, QStringView body) { add(body, SpacingOf(CountCells(body), param)); });
}
