#include "grid/GridDc.h"

#include <QFontMetrics>
#include <QPainter>

#include "grid/DrawTextFormat.h"
#include "platform/GdiFont.h"

namespace {

// A grid uses a few fonts (its own, bold headers, the odd cell font).
constexpr size_t kMostMadeFonts = 16;

}  // namespace

GridDc::GridDc(QPainter& painter, bool printing) : PainterDc(painter, Options{printing, true}), painter_(painter) {}

const QFont& GridDc::SelectedQFont()
{
    const DcFont& request = State().font;
    for (const MadeFont& made : fonts_)
        if (made.request == request)
            return made.font;
    if (fonts_.size() >= kMostMadeFonts)
        fonts_.clear();
    fonts_.push_back({request, MakeGdiFont(request, true).font});
    return fonts_.back().font;
}

TextMetrics GridDc::GetTextMetrics()
{
    const QFontMetrics metrics(SelectedQFont());
    TextMetrics tm;
    tm.height = metrics.ascent() + metrics.descent();
    tm.internalLeading = tm.height - EmHeightOf(State().font);
    tm.externalLeading = metrics.leading();
    return tm;
}

QSize GridDc::GetTextExtent(QStringView text)
{
    const QFontMetrics metrics(SelectedQFont());
    return QSize(metrics.horizontalAdvance(text.toString()), metrics.ascent() + metrics.descent());
}

void GridDc::TextOut(int32_t x, int32_t y, QStringView text)
{
    const QSize extent = GetTextExtent(text);
    WinRect rect{x, y, x + extent.width(), y + extent.height()};
    DrawText(text, rect, DT_SINGLELINE | DT_NOCLIP);
}

int32_t GridDc::DrawText(QStringView text, WinRect& rect, uint32_t format)
{
    const QFont& font = SelectedQFont();
    const QString s = text.toString();
    const int flags = QtTextFlags(format);
    const QRect box = rect.ToQRect();
    if (format & DT_CALCRECT) {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(box.topLeft(), QSize(box.width(), 0)),
                                                              flags & ~Qt::AlignVertical_Mask, s);
        rect.right = rect.left + needed.width();
        rect.bottom = rect.top + needed.height();
        return needed.height();
    }
    painter_.setFont(font);
    QRect drawn;
    if (State().bkMode == BkMode::Opaque) {
        drawn = QFontMetrics(font).boundingRect(box, flags, s);
        FillRect(WinRect::FromQRect(drawn.intersected(box)), State().bkColor);
    }
    painter_.setPen(ToQColor(State().textColor));
    painter_.drawText(box, flags, s, &drawn);
    return drawn.height();
}

void GridDc::FillRect(const WinRect& rect, ColorRef colour)
{
    if (!rect.IsEmpty())
        painter_.fillRect(rect.ToQRect(), ToQColor(colour));
}

void GridDc::DrawEdgeRaised(const WinRect& r, const EdgeColours& colours)
{
    const auto frame = [this](const WinRect& box, ColorRef topLeft, ColorRef bottomRight) {
        FillRect({box.left, box.bottom - 1, box.right, box.bottom}, bottomRight);
        FillRect({box.right - 1, box.top, box.right, box.bottom}, bottomRight);
        FillRect({box.left, box.top, box.right - 1, box.top + 1}, topLeft);
        FillRect({box.left, box.top, box.left + 1, box.bottom - 1}, topLeft);
    };
    frame(r, colours.light, colours.darkShadow);
    frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colours.highlight, colours.shadow);
}

void GridDc::SaveDC() { saved_.push_back(State()); }

void GridDc::RestoreDC()
{
    if (saved_.empty())
        return;
    Reselect(saved_.back());
    saved_.pop_back();
}

void GridDc::Reselect(const DcState& state)
{
    SelectPen(state.pen);
    SelectBrush(state.brush);
    if (!(State().font == state.font))
        SelectFont(state.font);
    SetTextColor(state.textColor);
    SetBkMode(state.bkMode);
}
