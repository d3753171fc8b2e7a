#include "platform/GdiFont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontDatabase>
#include <QFontInfo>
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

constexpr int kBoldWeight = QFont::DemiBold;
// The emboldening stroke, a part of the em: an outline grows by half of it
// on every side, as FreeType emboldens.
constexpr double kEmPerEmboldenStroke = 24.0;

bool HasBoldMember(const QString& family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [&](const QString& style) { return QFontDatabase::weight(family, style) >= kBoldWeight; });
}

}  // namespace

int32_t EmHeightOf(const DcFont& font)
{
    return font.height == 0 ? kDefaultEmHeight : std::abs(font.height);
}

GdiFont MakeGdiFont(const DcFont& request, bool antialias)
{
    GdiFont made;
    QFont& font = made.font;
    font.setFamily(request.face);
    font.setPixelSize(std::max(1, EmHeightOf(request)));
    font.setWeight(WeightOf(request.weight));
    font.setItalic(request.italic);
    font.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    if (WeightOf(request.weight) >= kBoldWeight && !HasBoldMember(QFontInfo(font).family())) {
        font.setWeight(QFont::Normal);
        made.emboldenStroke = EmHeightOf(request) / kEmPerEmboldenStroke;
    }
    if (request.width != 0) {
        const int average = QFontMetrics(font).averageCharWidth();
        if (average > 0) {
            const long stretch = std::lround(100.0 * std::abs(request.width) / average);
            font.setStretch(int(std::clamp<long>(stretch, kMinStretch, kMaxStretch)));
        }
    }
    return made;
}

WinRect InkBoxOf(const QFont& font, int32_t ascent, double emboldenStroke, QStringView text)
{
    // One unit's own box; the tight box of a string reaches too low for
    // some marks.
    const QFontMetrics metrics(font);
    const QRect ink = text.size() == 1 ? metrics.boundingRect(text[0]) : metrics.tightBoundingRect(text.toString());
    if (ink.isEmpty())
        return {};
    const int32_t grow = int32_t(std::lround(emboldenStroke / 2));
    return {ink.left() - grow, ink.top() + ascent - grow, ink.right() + 1 + grow, ink.bottom() + 1 + ascent + grow};
}
