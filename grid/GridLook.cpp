// Colours that follow the system palette, and the grid font with the sizes
// that come from it.
#include <QFontMetrics>
#include <QPalette>

#include "grid/GridCtrl.h"
#include "platform/GdiFont.h"

CGridCtrl::SystemColours CGridCtrl::ReadSystemColours(const QPalette& palette)
{
    return {FromQColor(palette.color(QPalette::Text)), FromQColor(palette.color(QPalette::Base)),
            FromQColor(palette.color(QPalette::Button)), FromQColor(palette.color(QPalette::Dark))};
}

void CGridCtrl::FollowSystemColours()
{
    const SystemColours now = ReadSystemColours(palette());
    const struct {
        ColorRef& colour;
        ColorRef seen;
        ColorRef current;
    } followers[] = {
        {colours_.text, seen_.windowText, now.windowText},
        {colours_.background, seen_.window, now.window},
        {colours_.outside, seen_.buttonShadow, now.buttonShadow},
        {colours_.fixedText, seen_.windowText, now.windowText},
        {colours_.fixedBackground, seen_.buttonFace, now.buttonFace},
    };
    for (const auto& f : followers)
        if (f.colour == f.seen)
            f.colour = f.current;
    seen_ = now;
}

GridDc::EdgeColours CGridCtrl::EdgeColours() const
{
    const QPalette& p = palette();
    return {FromQColor(p.color(QPalette::Midlight)), FromQColor(p.color(QPalette::Light)),
            FromQColor(p.color(QPalette::Dark)), FromQColor(p.color(QPalette::Shadow))};
}

QFont CGridCtrl::GridQFont() const { return MakeGdiFont(gridFont_, true).font; }

void CGridCtrl::SetGridFont(const DcFont& font)
{
    gridFont_ = font;
    for (auto& row : rows_)
        for (auto& cell : row)
            if (cell)
                cell->font = font;
    const QFontMetrics metrics(GridQFont());
    margin_ = metrics.horizontalAdvance(QLatin1Char(' '));
    defaultRowHeight_ = metrics.ascent() + metrics.descent() + metrics.leading() + 2 * margin_;
    defaultColWidth_ = 12 * metrics.averageCharWidth() + 2 * margin_;
    viewport()->update();
}
