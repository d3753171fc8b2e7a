#include "editions/vertical/VerticalDrawing.h"

#include <algorithm>

#include <QStringList>

#include "foundation/params/LayoutRanges.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "platform/TextNumbers.h"
#include "render/PageRenderer.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

int32_t VerticalDrawing::RaisedHeadLift(const TStyle&) const { return 0; }

void VerticalDrawing::UpdateFrameMetrics(PageRenderer& view) const
{
    RenderEdition::UpdateFrameMetrics(view);
    view.InnerLinePx = view.ScaledStyle.IN_BORDER / 100;
}

QString VerticalDrawing::ParseLineTags(PageRenderer& view, QStringView piece) const
{
    QString text = RenderEdition::ParseLineTags(view, piece);
    view.RaisedColumn = false;
    return text;
}

QString SmallNumberToChinese(int32_t n)
{
    if (n < 0 || n >= 1000)
        return QString();
    return DigitsToChinese(QString::number(n));
}

QString SideBoxTitle(const std::vector<QString>& leafTexts, int32_t page, const QString& textName)
{
    const int32_t leaf = (page - g_CoverPages) / 2;
    const bool odd = !PageRenderer::IsEvenPage(page);
    QString title;
    if (leaf >= 0 && leaf < int32_t(leafTexts.size())) {
        // The entry ends in "|" and the leaf number, which is no part of
        // the centre text.
        const QString& entry = leafTexts[size_t(leaf)];
        const QStringView centre = QStringView(entry).left(std::max<qsizetype>(0, entry.lastIndexOf(u'|')));
        title = centre.split(u'|').value(odd ? 0 : 1).toString();
    }
    return title.isEmpty() ? textName : title;
}

int32_t ColumnGap(const TPageRec& page, int32_t boxWidth)
{
    const int32_t n = int32_t(page.lines.size());
    if (n == 0)
        return 0;
    int64_t free = 0;
    if (page.usedSize > 0) {
        free = int64_t(boxWidth) - page.usedSize;
    } else {
        const QString& last = page.lines.back().text;
        if (last.indexOf(u"<V="_s) > 0)
            free = ParseIntLikeAtoi(GetTagValue(last, u"V="));
    }
    // A column wider than the box, or a negative "<V=", would set columns
    // over each other.
    return int32_t(std::clamp<int64_t>(free / n, 0, kMaxLayoutLength));
}

int64_t LineStep(const TPageRec& page, size_t i, int32_t gap, int32_t fallback)
{
    return int64_t(gap) + (i < page.lines.size() ? ColumnWidth(page.lines[i], fallback) : fallback);
}

int32_t ColumnWidth(const TPageLine& line, int32_t fallback)
{
    if (line.size != 0)
        return std::clamp(line.size, 0, kMaxLayoutLength);
    if (line.text.contains(u"<W="_s))
        return std::clamp(ParseIntLikeAtoi(GetTagValue(line.text, u"W=")), 0, kMaxLayoutLength);
    // Files before version 32 store no widths: without a "<W=" the column
    // takes the width the typesetter gives a column of plain text.
    return fallback;
}
