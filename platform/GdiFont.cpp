#include "platform/GdiFont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontMetrics>

namespace {

constexpr int32_t kDefaultEmHeight = 16;
// QFont's stretch range.
constexpr int kMinStretch = 1;
constexpr int kMaxStretch = 4000;

QFont::Weight WeightOf(int32_t weight)
{
    return QFont::Weight(std::clamp(weight, 1, 1000));
}

}  // namespace

int32_t EmHeightOf(const DcFont& font)
{
    return font.height == 0 ? kDefaultEmHeight : std::abs(font.height);
}

QFont MakeGdiFont(const DcFont& request, bool antialias)
{
    QFont font(request.face);
    font.setPixelSize(std::max(1, EmHeightOf(request)));
    font.setWeight(WeightOf(request.weight));
    font.setItalic(request.italic);
    font.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    if (request.width != 0) {
        const int average = QFontMetrics(font).averageCharWidth();
        if (average > 0) {
            const long stretch = std::lround(100.0 * std::abs(request.width) / average);
            font.setStretch(int(std::clamp<long>(stretch, kMinStretch, kMaxStretch)));
        }
    }
    return font;
}
