// Picture and cover-text lines: 【TP…】 pictures placed in the columns or
// on a cover, and the 【WZ…】 text lines of a cover page.
#include <algorithm>

#include "foundation/params/Box.h"
#include "foundation/text/StringUtils.h"
#include "platform/TextNumbers.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/markup/BracketTags.h"
#include "typeset/typesetter/LineSteps.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

// The picture waits for room when others wait before it; otherwise it takes
// room on this page, or waits for the next.
void PlacePicture(TLayoutContext& context, const TPendingPicture& picture)
{
    if (!context.pendingPictures.empty()) {
        context.pendingPictures.push_back(picture);
    } else if (!context.ReserveBlockLines(picture)) {
        context.pendingPictures.push_back(picture);
        context.NewPage();
    }
}

void AppendCoverLine(QString text)
{
    if (!g_TypesetPage)
        return;
    text.replace(u'【', u'<');
    text.replace(u'】', u'>');
    g_TypesetPage->lines.push_back({text, 0});
}

}  // namespace

TPendingPicture ParsePictureSpec(QStringView spec, int32_t columns, int32_t cells)
{
    TPendingPicture picture;
    picture.columns = columns;
    picture.height = cells;
    std::vector<QString> parts;
    SplitByChar(spec, '*', parts);
    if (!parts.empty())
        picture.columns = std::min(ParseIntLikeAtoi(parts[0]), columns);
    if (parts.size() == 2) {
        std::vector<QString> range;
        SplitByChar(parts[1], '-', range);
        if (!range.empty())
            picture.height = std::min(ParseIntLikeAtoi(range[0]), cells);
        if (range.size() >= 2)
            picture.start = ParseIntLikeAtoi(range[1]);
    }
    // A picture takes at least one cell of one column, inside the column.
    picture.columns = std::max(picture.columns, 1);
    picture.height = std::max(picture.height, 1);
    if (int64_t(picture.start) + picture.height > cells)
        picture.start = cells - picture.height;
    picture.start = std::max(picture.start, 0);
    return picture;
}

TLineStep PictureTag(TTypesetter& typesetter, TLineTag& tag)
{
    ConvertInlineTitles(tag.line);
    const QString& text = tag.tag;
    // "+" copies the picture; without one, "&" multiplies it.
    const qsizetype plus = text.indexOf(u'+');
    const bool multiplied = plus < 0 && text.contains(u'&');
    const qsizetype k = multiplied ? text.indexOf(u'&') : plus;
    const QString rest = tag.Rest();
    if (typesetter.insideCover) {
        if (k > 0)
            AddPagePicture(text.mid(k + 1));
        return rest.size() > 4 && rest.startsWith(u"【WZ") ? TLineStep::Reprocess(rest) : TLineStep::Finished();
    }
    TLayoutContext& context = *typesetter.current;
    if (k > 0 && context.box) {
        const QStringView spec = QStringView(text).mid(2, k - 2);
        TPendingPicture picture = ParsePictureSpec(spec, context.LinesPerPage(), context.box->size.TEXT_PER_LINE);
        picture.name = text.mid(k + 1);
        picture.multiplied = multiplied;
        PlacePicture(context, picture);
    }
    // A picture line with nothing after its tag makes no empty column.
    return TLineStep::ReprocessRest(rest);
}

TLineStep CoverTextTag(TTypesetter& typesetter, TLineTag& tag)
{
    if (!typesetter.insideCover)
        return TLineStep::Finished();
    ConvertInlineTitles(tag.line);
    const QString& line = tag.line;
    qsizetype end = line.indexOf(u"D】");
    if (end < 0)
        end = line.indexOf(u"X】");
    const qsizetype next = end > 0 ? line.indexOf(u'【', end + 1) : -1;
    if (next > end && end > 0) {
        AppendCoverLine(line.left(next));
        return TLineStep::Reprocess(line.mid(next));
    }
    AppendCoverLine(line);
    return TLineStep::Finished();
}
