#include "app/printing/PreviewSheets.h"

#include <algorithm>
#include <climits>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// Room around and between the sheets, and the sheets' shadow.
constexpr int kGap = 12;
constexpr int kShadow = 3;
// The images kept beyond those in view (a few screens' worth at most).
constexpr qsizetype kCacheBytes = 96LL * 1024 * 1024;
constexpr double kInchesPerMetre = 1 / 0.0254;

}  // namespace

PreviewSheets::PreviewSheets(int32_t count, QSizeF paperInches, DrawSheet draw, QWidget* parent)
    : QAbstractScrollArea(parent), count_(std::max(count, 1)), paper_(paperInches), draw_(std::move(draw))
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(24);
    horizontalScrollBar()->setSingleStep(24);
    setFocusPolicy(Qt::StrongFocus);
}

QSize PreviewSheets::SheetSize() const
{
    const double dpi = logicalDpiX() * zoom_;
    return {std::max(1, int(paper_.width() * dpi)), std::max(1, int(paper_.height() * dpi))};
}

int64_t PreviewSheets::SheetTop(int32_t sheet) const
{
    return kGap + int64_t(sheet - 1) * (SheetSize().height() + kGap);
}

QRect PreviewSheets::SheetPlace(int32_t sheet) const
{
    const QSize size = SheetSize();
    const int x = std::max(kGap, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    const int64_t y = SheetTop(sheet) - verticalScrollBar()->value();
    return {x, int(std::clamp<int64_t>(y, INT_MIN / 2, INT_MAX / 2)), size.width(), size.height()};
}

int32_t PreviewSheets::CurrentSheet() const { return current_; }

void PreviewSheets::NoteCurrent()
{
    const int64_t middle = int64_t(verticalScrollBar()->value()) + viewport()->height() / 2;
    const int32_t sheet = int32_t(std::clamp<int64_t>(middle / (SheetSize().height() + kGap) + 1, 1, count_));
    if (sheet == current_)
        return;
    current_ = sheet;
    emit CurrentSheetChanged(sheet);
}

void PreviewSheets::GoToSheet(int32_t sheet)
{
    sheet = std::clamp(sheet, 1, count_);
    verticalScrollBar()->setValue(int(std::min<int64_t>(SheetTop(sheet) - kGap, INT_MAX)));
    // The middle of a short view may still lie in the sheet before.
    if (current_ != sheet) {
        current_ = sheet;
        emit CurrentSheetChanged(sheet);
    }
    viewport()->update();
}

void PreviewSheets::SetZoom(double zoom)
{
    fitting_ = false;
    ApplyZoom(zoom);
}

void PreviewSheets::FitInView()
{
    fitting_ = true;
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    const double dpi = logicalDpiX();
    if (paper_.isEmpty() || dpi <= 0)
        return;
    ApplyZoom(std::min(room.width() / (paper_.width() * dpi), room.height() / (paper_.height() * dpi)));
}

void PreviewSheets::ApplyZoom(double zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const int32_t sheet = current_;
    if (zoom != zoom_) {
        zoom_ = zoom;
        cache_.clear();
        emit ZoomChanged(zoom_);
    }
    Relayout();
    GoToSheet(sheet);
}

void PreviewSheets::Relayout()
{
    const QSize sheet = SheetSize();
    const int64_t height = SheetTop(count_ + 1);
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, int(std::clamp<int64_t>(height - viewport()->height(), 0, INT_MAX)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, sheet.width() + 2 * kGap - viewport()->width()));
}

void PreviewSheets::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (fitting_)
        FitInView();
    else
        Relayout();
}

void PreviewSheets::scrollContentsBy(int, int)
{
    NoteCurrent();
    viewport()->update();
}

const QImage& PreviewSheets::Image(int32_t sheet)
{
    const auto held = std::find_if(cache_.begin(), cache_.end(), [sheet](const Held& h) { return h.sheet == sheet; });
    if (held != cache_.end()) {
        cache_.splice(cache_.begin(), cache_, held);
        return cache_.front().image;
    }
    const qreal ratio = devicePixelRatioF();
    QImage image(SheetSize() * ratio, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The image is the paper at this scale: the drawing fits it as it fits
    // the printer's page.
    image.setDotsPerMeterX(int(image.width() / paper_.width() * kInchesPerMetre));
    image.setDotsPerMeterY(int(image.height() / paper_.height() * kInchesPerMetre));
    {
        QPainter painter(&image);
        draw_(painter, sheet);
    }
    image.setDevicePixelRatio(ratio);
    ++drawn_;
    cache_.push_front({sheet, std::move(image)});
    return cache_.front().image;
}

void PreviewSheets::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QSize size = SheetSize();
    const int64_t top = verticalScrollBar()->value();
    const int32_t first = int32_t(std::clamp<int64_t>(top / (size.height() + kGap) + 1, 1, count_));
    int32_t shown = 0;
    for (int32_t sheet = first; sheet <= count_; ++sheet) {
        const QRect place = SheetPlace(sheet);
        if (place.top() >= viewport()->height())
            break;
        painter.fillRect(place.translated(kShadow, kShadow), palette().color(QPalette::Shadow));
        painter.drawImage(place.topLeft(), Image(sheet));
        ++shown;
    }
    // Beyond what is in view, keep what the budget allows.
    qsizetype bytes = 0;
    int32_t kept = 0;
    for (auto it = cache_.begin(); it != cache_.end(); ++kept) {
        bytes += it->image.sizeInBytes();
        it = kept >= shown && bytes > kCacheBytes ? cache_.erase(it) : std::next(it);
    }
}
