// Cover and back-cover pages: a whole-page picture and texts placed
// vertically from the points of a grid ("<WZ ax*ay-px+pyK>text" lines).
#include <QFileInfo>

#include "foundation/params/Style.h"
#include "foundation/text/StringUtils.h"
#include "platform/Dc.h"
#include "platform/TextNumbers.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/pictures/DrawPicture.h"
#include "render/pictures/PagePictures.h"
#include "typeset/pages/PageRecord.h"

namespace {

// A cover text line: the grid, the cell of the grid its text starts at, the
// font kind and the text.
struct CoverText {
    int32_t ax = 1, ay = 1, px = 0, py = 0;
    bool large = false;
    QString text;
};

// A grid count of 0 counts as 1, so that the division below stays finite.
int32_t GridCount(QStringView text)
{
    const int32_t n = ParseIntLikeAtoi(text);
    return n == 0 ? 1 : n;
}

// False for a line that is not a well-formed "<WZ…>" line.
bool ParseCoverText(QStringView line, CoverText& out)
{
    const qsizetype start = line.indexOf(u"<WZ");
    if (start < 0)
        return false;
    const qsizetype close = line.indexOf(u'>', start + 3);
    if (close <= start + 3)
        return false;
    out.large = line[close - 1] == u'D';
    const QStringView grid = line.mid(start + 3, close - start - 3);
    const qsizetype dash = grid.indexOf(u'-');
    const QStringView size = dash < 0 ? grid : grid.left(dash);
    const qsizetype star = size.indexOf(u'*');
    out.ax = GridCount(star < 0 ? size : size.left(star));
    out.ay = star < 0 ? out.ax : GridCount(size.mid(star + 1));
    if (dash >= 0) {
        const QStringView cell = grid.mid(dash + 1);
        const qsizetype plus = cell.indexOf(u'+');
        if (plus < 0)
            return false;
        out.px = ParseIntLikeAtoi(cell.left(plus));
        out.py = ParseIntLikeAtoi(cell.mid(plus + 1));
    }
    out.text = line.mid(close + 1).toString();
    return true;
}

void DrawCoverText(PageRenderer& view, Dc& dc, const WinRect& r, const CoverText& t)
{
    TFontStyle& font = t.large ? view.ScaledCover.COVER_FONT.TEXT_FONT : view.ScaledCover.COVER_FONT.ZHU_FONT;
    const DcFont oldFont = dc.SelectFont(PageRenderer::MakeFontFromStyle(font, dc));
    const ColorRef oldColor = dc.SetTextColor(font.COLOR);
    const int32_t x = r.left + int32_t(double(r.right - r.left) / t.ax * t.px);
    const int32_t y = r.top + int32_t(double(r.bottom - r.top) / t.ay * t.py);
    const int32_t step = font.WORD_HEIGHT / 100;
    int32_t i = 0;
    for (qsizetype at = 0; at < t.text.size(); at = NextCodePointIndex(t.text, at), ++i) {
        const qsizetype next = NextCodePointIndex(t.text, at);
        dc.TextOut(x, y + i * step, QStringView(t.text).mid(at, next - at));
    }
    dc.SetTextColor(oldColor);
    dc.SelectFont(oldFont);
}

}  // namespace

void DrawCoverPage(PageRenderer& view, WinRect rect, Dc& dc)
{
    const TPageRec* page = view.CurrentPageRec;
    if (!page)
        return;
    if (g_TwoPageMode && !g_FourInOneMode)
        rect.right = rect.left + (rect.right - rect.left) / 2;
    if (const TPageItem* first = page->pictures.GetAtOrNull(0)) {
        const QString path = ExistingPictureFile(first->name, first->kind);
        TPicture picture;
        if (!path.isEmpty() && LoadPicture(path, picture))
            DrawPictureCopy(rect, picture, dc);
    }
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    for (const TPageLine& line : page->lines) {
        CoverText text;
        if (ParseCoverText(line.text, text))
            DrawCoverText(view, dc, rect, text);
    }
    dc.SetBkMode(oldMode);
}
