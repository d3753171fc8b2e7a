#pragma once
// The sheets of the print preview, one above the other on a grey ground,
// each drawn when it comes into view and kept in a small cache: a volume of
// ten thousand sheets opens at once and holds only what is shown. A sheet
// is drawn as an image of the paper at the shown scale, by the caller's
// drawing (the print cycle's page drawing).
#include <cstdint>
#include <functional>
#include <list>

#include <QAbstractScrollArea>
#include <QImage>
#include <QSizeF>

class PreviewSheets : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Draws sheet (1-based) on a painter open on a white image of the paper.
    using DrawSheet = std::function<void(QPainter& painter, int32_t sheet)>;

    PreviewSheets(int32_t count, QSizeF paperInches, DrawSheet draw, QWidget* parent = nullptr);

    int32_t Count() const { return count_; }
    // The sheet at the middle of the view (1-based).
    int32_t CurrentSheet() const;
    // Where sheet lies in the viewport now (it may be out of view).
    QRect SheetPlace(int32_t sheet) const;
    // Brings sheet's top into view.
    void GoToSheet(int32_t sheet);
    // 1.0 is the paper's size on the screen.
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    // A whole sheet fits the view, and keeps fitting as the view resizes.
    void FitInView();
    bool Fitting() const { return fitting_; }
    // Sheets drawn so far and sheets held now: drawing stays on demand.
    int32_t SheetsDrawn() const { return drawn_; }
    int32_t SheetsHeld() const { return int32_t(cache_.size()); }

    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 4.0;

signals:
    void CurrentSheetChanged(int32_t sheet);
    void ZoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Held {
        int32_t sheet = 0;
        QImage image;
    };
    // The sheet's size on the screen, in device-independent pixels.
    QSize SheetSize() const;
    int64_t SheetTop(int32_t sheet) const;
    const QImage& Image(int32_t sheet);
    void Relayout();
    void ApplyZoom(double zoom);
    void NoteCurrent();

    int32_t count_ = 0;
    QSizeF paper_;
    DrawSheet draw_;
    double zoom_ = 1.0;
    bool fitting_ = true;
    int32_t current_ = 1;
    int32_t drawn_ = 0;
    std::list<Held> cache_;  // most recently shown first
};
