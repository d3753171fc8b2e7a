#include "app/frame/AppLook.h"

#include <array>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

#include "app/AppGlobals.h"

namespace {

struct Look {
    const char* style;
    QColor window;  // invalid: the style's own palette
    QColor text;
};

// 210 the old plain look, 211 to 214 light, 215 to 218 the four tinted ones.
const std::array<Look, 9> kLooks = {{
    {"Windows", {}, {}},
    {"Fusion", {}, {}},
    {"Fusion", {}, {}},
    {"Fusion", {}, {}},
    {"Fusion", {}, {}},
    {"Fusion", QColor(0xD5, 0xE4, 0xF2), Qt::black},
    {"Fusion", QColor(0x35, 0x35, 0x35), QColor(0xF0, 0xF0, 0xF0)},
    {"Fusion", QColor(0xE2, 0xE5, 0xEA), Qt::black},
    {"Fusion", QColor(0xD7, 0xEE, 0xEC), Qt::black},
}};

// How much of the text colour a disabled text keeps, the rest being the
// window's; and how opaque a disabled icon is drawn.
constexpr double kDisabledTextShare = 0.45;
constexpr double kDisabledIconOpacity = 0.35;

QColor Mixed(const QColor& a, const QColor& b, double shareOfA)
{
    const auto mix = [shareOfA](int x, int y) { return int(x * shareOfA + y * (1 - shareOfA) + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QPalette PaletteOf(const Look& look, QStyle& style)
{
    QPalette palette = style.standardPalette();
    if (!look.window.isValid())
        return palette;
    palette.setColor(QPalette::Window, look.window);
    palette.setColor(QPalette::Button, look.window);
    palette.setColor(QPalette::WindowText, look.text);
    palette.setColor(QPalette::ButtonText, look.text);
    // Set after the others: the colours above went to every group.
    const QColor faint = Mixed(look.text, look.window, kDisabledTextShare);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, faint);
    return palette;
}

// The look's style with disabled icons drawn faint: the style's own grey
// ramp keeps them as bright as enabled ones on a dark window.
class FaintDisabledIcons : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const override
    {
        const QPixmap base = QProxyStyle::generatedIconPixmap(mode, pixmap, option);
        if (mode != QIcon::Disabled || base.isNull())
            return base;
        QPixmap faint(base.size());
        faint.setDevicePixelRatio(base.devicePixelRatio());
        faint.fill(Qt::transparent);
        QPainter painter(&faint);
        painter.setOpacity(kDisabledIconOpacity);
        painter.drawPixmap(0, 0, base);
        return faint;
    }
};

}  // namespace

void ApplyAppLook(int id)
{
    const size_t index = id >= 210 && id <= 218 ? size_t(id - 210) : size_t(kDefaultAppLook - 210);
    const Look& look = kLooks[index];
    QStyle* style = QStyleFactory::create(QString::fromLatin1(look.style));
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style)
        return;
    const QPalette palette = PaletteOf(look, *style);
    QApplication::setStyle(new FaintDisabledIcons(style));  // the application takes it, and it the base
    QApplication::setPalette(palette);
}
