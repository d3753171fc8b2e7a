#pragma once
// The font-style edit of the vertical and horizontal layout dialogs: the
// woodblock edit with the cell height always editable, and the arguments
// in the order these dialogs pass them.
#include "foundation/params/FontStyle.h"

// True when the user confirmed; WORD_WIDTH and DOUBLE_LINE are kept unless
// their flags let the dialog change them.
inline bool EditFontStyle(bool editWordWidth, TFontStyle& style, bool editDoubleLine)
{
    return EditFontStyle(style, true, editDoubleLine, editWordWidth);
}
