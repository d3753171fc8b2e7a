#include "app/dialogs/RecordDialogParts.h"
#include "platform/Chooser.h"

#include <QPushButton>

#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/DialogServices.h"
#include "foundation/params/FontStyle.h"

using namespace Qt::StringLiterals;

QPushButton* NewFontButton(QWidget* parent, const QString& caption, const QString& name, TFontStyle* font,
                           FontEditFlags flags, std::function<void()> edited)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, parent, [font, flags, edited] {
        if (EditFontStyle(*font, flags.wordHeight, flags.doubleLine, flags.wordWidth) && edited)
            edited();
    });
    return button;
}

QPushButton* NewColorPick(QWidget* parent, const QString& name, ColorRef* color, ColorSwatch* swatch,
                          std::function<void()> chosen)
{
    auto* button = new QPushButton(u"選擇"_s, parent);
    button->setObjectName(name);
    swatch->SetColor(*color);
    swatch->SetPick(button);
    QObject::connect(button, &QPushButton::clicked, parent, [color, swatch, chosen] {
        const bool picked = CurrentChooser().Colour(*color);
        swatch->SetColor(*color);
        if (picked && chosen)
            chosen();
    });
    return button;
}
