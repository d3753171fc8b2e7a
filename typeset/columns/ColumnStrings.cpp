#include "typeset/columns/ColumnStrings.h"

#include "typeset/columns/TagStretch.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

constexpr StretchForm kNoteForms[] = {{In::ColumnNoteOpen, In::ColumnNoteClose, {}}};
constexpr StretchForm kFontForms[] = {{In::FontOpen, In::FontClose, {}}};
constexpr StretchForm kSpacingForms[] = {{In::SpacingOpen, In::SpacingClose, {}}};
constexpr StretchForm kEmphasisForms[] = {{In::EmphasisOpen, In::EmphasisClose, {}}};

enum : int32_t { SpecialFormatForm = 0, CircleForm = 1 };
enum : int32_t { EndedByClose = 0, EndedByContinues = 1 };
constexpr StretchForm kTokenForms[] = {
    {In::SpecialFormatOpen, In::SpecialFormatClose, In::SpecialFormatContinues},
    {In::CircleOpen, In::CircleClose, {}},
};

TTsSpan SpecialFormatToken(const TagStretch& stretch)
{
    const bool continuation = stretch.param.startsWith(In::SpecialFormatContinuation);
    int32_t kind = continuation ? 0 : TTsSpan::BeginsHere;
    if (stretch.closer != EndedByContinues)
        kind += TTsSpan::EndsHere;  // closed here, or running to the end
    return {kind, stretch.body.toString(), stretch.param.mid(continuation ? 1 : 0).toString()};
}

void AppendRun(std::vector<TZtSpan>& runs, QStringView text, const QString& fontName, const TFontStyle& font)
{
    TZtSpan run;
    run.text = text.toString();
    run.fontName = fontName;
    run.charHeight = font.WORD_HEIGHT;
    run.charWidth = font.WORD_WIDTH;
    for (TZtSpan& part : SplitZjSpans(run))
        runs.push_back(std::move(part));
}

void AppendSpacedParts(std::vector<TZtSpan>& runs, const TZtSpan& source, QStringView text, QStringView spacing)
{
    for (const TQdSpan& part : SplitQdSpans(text)) {
        TZtSpan run = source;  // keeps its font
        run.text = part.text;
        run.spacing = spacing.toString();
        run.emphasisName = part.name;
        runs.push_back(std::move(run));
    }
}

}  // namespace

QString HeadOffsetTag(int32_t offset)
{
    return OpenTag(In::HeadOffsetOpen, QString::number(offset));
}

QString CountTag(int32_t mainCells, int32_t noteCells, int32_t footLength)
{
    QString counts = QString::number(mainCells);
    counts += u',';
    counts += QString::number(noteCells);
    counts += u',';
    counts += QString::number(footLength);
    return OpenTag(In::CountOpen, counts);
}

QString OpenTag(QStringView opener, QStringView param)
{
    QString tag = opener.toString();
    tag += param;
    tag += In::TagEnd;
    return tag;
}

std::vector<QString> SplitAtLineTags(QStringView column)
{
    if (column.isEmpty())
        return {QString()};
    const QStringView marker = column.contains(In::HeadOffsetOpen) ? In::HeadOffsetOpen : In::PieceOffsetOpen;
    std::vector<QString> pieces;
    qsizetype start = 0;
    while (start < column.size()) {
        // A marker at the very start opens the first piece rather than ending it.
        qsizetype next = column.indexOf(marker, start + 1);
        if (next < 0)
            next = column.size();
        pieces.push_back(column.mid(start, next - start).toString());
        start = next;
    }
    return pieces;
}

std::vector<TZwSpan> SplitZwSpans(QStringView text)
{
    std::vector<TZwSpan> spans;
    ScanStretches(
        text, kNoteForms, [&](QStringView plain) { spans.push_back({TZwSpan::MainText, plain.toString(), {}}); },
        [&](const TagStretch& note) { spans.push_back({TZwSpan::Note, note.body.toString(), {}}); });
    return spans;
}

std::vector<TTsSpan> SplitTsYqSpans(QStringView text)
{
    std::vector<TTsSpan> tokens;
    ScanStretches(
        text, kTokenForms, [&](QStringView plain) { tokens.push_back({TTsSpan::Plain, plain.toString(), {}}); },
        [&](const TagStretch& stretch) {
            if (stretch.form == CircleForm)
                tokens.push_back({TTsSpan::Circled, stretch.body.toString(), stretch.param.toString()});
            else
                tokens.push_back(SpecialFormatToken(stretch));
        });
    return tokens;
}

std::vector<TZtSpan> SplitZtSpans(QStringView text, const TFontStyle& boxFont, TFontStyleList& attachedFonts)
{
    std::vector<TZtSpan> runs;
    ScanStretches(
        text, kFontForms, [&](QStringView plain) { AppendRun(runs, plain, QString(), boxFont); },
        [&](const TagStretch& stretch) {
            if (stretch.param.isEmpty()) {
                AppendRun(runs, stretch.body, QString(), boxFont);
                return;
            }
            const QString name = stretch.param.toString();
            const TFontStyle* font = FindOrAddFontStyle(attachedFonts, name, boxFont);
            AppendRun(runs, stretch.body, name, *font);
        });
    return runs;
}

std::vector<TZtSpan> SplitZtSpans(QStringView text, bool note, const TFontPair& boxFonts,
                                  TAttachFontGroup& attachedFonts)
{
    if (note)
        return SplitZtSpans(text, boxFonts.ZHU_FONT, attachedFonts.ATTACH_ZHU_FONT);
    return SplitZtSpans(text, boxFonts.TEXT_FONT, attachedFonts.ATTACH_TEXT_FONT);
}

std::vector<TZtSpan> SplitZjSpans(const TZtSpan& run)
{
    std::vector<TZtSpan> runs;
    ScanStretches(
        run.text, kSpacingForms, [&](QStringView plain) { AppendSpacedParts(runs, run, plain, {}); },
        [&](const TagStretch& stretch) { AppendSpacedParts(runs, run, stretch.body, stretch.param); });
    return runs;
}

std::vector<TQdSpan> SplitQdSpans(QStringView text)
{
    std::vector<TQdSpan> spans;
    ScanStretches(
        text, kEmphasisForms, [&](QStringView plain) { spans.push_back({plain.toString(), QString()}); },
        [&](const TagStretch& stretch) { spans.push_back({stretch.body.toString(), stretch.param.toString()}); });
    return spans;
}
