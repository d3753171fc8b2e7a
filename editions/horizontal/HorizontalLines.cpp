// Lines as tall as their tallest characters, measured along the box's width.
#include "editions/horizontal/HorizontalTypesetting.h"

#include <QRegularExpression>

#include "foundation/params/Box.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/Spans.h"
#include "typeset/runs/Runs.h"

using namespace Qt::StringLiterals;

namespace {

// The engine steps its line-head offsets and indents by the text font's
// WORD_HEIGHT, the cell along a column; along a horizontal line the cell is
// its WORD_WIDTH. Held for one step.
class CellAlongLine {
public:
    explicit CellAlongLine(TLayoutContext& context)
        : font_(context.box ? &context.box->MFONT_GROUP.TEXT_FONT : nullptr), height_(font_ ? font_->WORD_HEIGHT : 0)
    {
        if (font_)
            font_->WORD_HEIGHT = font_->WORD_WIDTH;
    }
    ~CellAlongLine()
    {
        if (font_)
            font_->WORD_HEIGHT = height_;
    }
    CellAlongLine(const CellAlongLine&) = delete;
    CellAlongLine& operator=(const CellAlongLine&) = delete;

private:
    TFontStyle* font_;
    int32_t height_;
};

// The note tags of a line: the notes are read in their place.
QString InlineNotes(QString line)
{
    static const QRegularExpression kNoteTags(u"【-?(CP|MP)[^】]*】"_s);
    return line.remove(kNoteTags);
}

}  // namespace

void HorizontalTypesetting::ProcessLine(TTypesetter& typesetter, const QString& line) const
{
    TypesetEdition::ProcessLine(typesetter, InlineNotes(line));
}

int32_t HorizontalTypesetting::AvailableLength(const TLayoutContext& context) const
{
    if (!context.box)
        return 0;
    const TBoxSize& size = context.box->size;
    return AvailableLengthIn(context, int64_t(size.BOX_WIDTH) - size.LEFT_SPACE - size.RIGHT_SPACE);
}

void HorizontalTypesetting::WriteLineHead(TLayoutContext& context) const
{
    const CellAlongLine cell(context);
    VerticalTypesetting::WriteLineHead(context);
}

void HorizontalTypesetting::IndentLine(TLayoutContext& context) const
{
    // A raised first line ("<TT>") starts where every line starts, so it
    // gains no room: given back, the room let it take a character more
    // than the line holds. Every indent cell takes a character's width.
    const bool raisedFirst = context.lineHeadMode == TLineHeadMode::Raised && context.firstColumn && context.raise < 0;
    if (raisedFirst && context.box) {
        context.firstColumn = false;
        return;
    }
    const CellAlongLine cell(context);
    VerticalTypesetting::IndentLine(context);
}

QString HorizontalTypesetting::StripNonLayoutTags(QStringView text) const
{
    return ::RemoveNonLayoutTags(text);
}

QString HorizontalTypesetting::ExpandEmphasisRuns(TLayoutContext&, QStringView text) const { return text.toString(); }

int32_t HorizontalTypesetting::RunLineSize(const TZtSpan& run) const { return run.charHeight; }

int32_t HorizontalTypesetting::PlainLineSize(const TBoxPara& box) const
{
    return box.MFONT_GROUP.TEXT_FONT.WORD_HEIGHT;
}

int32_t HorizontalTypesetting::PageLength(const TBoxSize& size) const { return size.BOX_HEIGHT; }
