#include "app/dialogs/SheetAndCoverEdits.h"

#include "app/dialogs/CDlgSetPara4in1.h"
#include "app/dialogs/CDlgSetupCover.h"
#include "app/dialogs/DialogServices.h"

bool EditFourInOneParams(TPara4in1& para, QString& splitText)
{
    CDlgSetPara4in1 dialog(para, splitText);
    if (!Dialogs().RunModal(dialog))
        return false;
    para = dialog.Values();
    splitText = dialog.SplitText();
    return true;
}

bool EditCoverFonts(TCoverPara* cover, bool& fontsChanged)
{
    fontsChanged = false;
    if (!cover)
        return false;
    CDlgSetupCover dialog(cover->COVER_FONT);
    if (!Dialogs().RunModal(dialog))
        return false;
    const TFontPair& fonts = dialog.Values();
    fontsChanged = !FontStyleEquals(fonts.TEXT_FONT, cover->COVER_FONT.TEXT_FONT) ||
                   !FontStyleEquals(fonts.ZHU_FONT, cover->COVER_FONT.ZHU_FONT);
    cover->COVER_FONT = fonts;
    return true;
}
