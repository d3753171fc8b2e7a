#include "app/frame/AppLook.h"

#include <array>

#include <QApplication>
#include <QPalette>
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

QPalette PaletteOf(const Look& look, QStyle& style)
{
    QPalette palette = style.standardPalette();
    if (!look.window.isValid())
        return palette;
    palette.setColor(QPalette::Window, look.window);
    palette.setColor(QPalette::Button, look.window);
    palette.setColor(QPalette::WindowText, look.text);
    palette.setColor(QPalette::ButtonText, look.text);
    return palette;
}

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
    QApplication::setStyle(style);  // the application takes it
    QApplication::setPalette(PaletteOf(look, *style));
}
