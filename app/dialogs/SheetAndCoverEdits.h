#pragma once
// The edit operations of the view's 4-in-1 sheet parameters and of a
// cover's fonts. Both copy in, run their dialog and copy back on 確定.
#include <QString>

#include "foundation/params/Style.h"

// Edits the sheet and the split text (the group ends as text); true on
// 確定, both then taking the dialog's values. The caller parses the text.
bool EditFourInOneParams(TPara4in1& para, QString& splitText);
// Edits the two fonts of cover; true on 確定. fontsChanged tells whether
// either font differs (FontStyleEquals). A null cover does nothing.
bool EditCoverFonts(TCoverPara* cover, bool& fontsChanged);
