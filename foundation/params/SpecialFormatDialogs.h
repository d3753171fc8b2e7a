#pragma once
// The dialogs of the special formats, circled texts and emphasis-mark sets
// live in the application layer; the edit operations reach them through this
// interface, which the application installs. Without one installed an edit
// changes nothing and reports so.
#include "foundation/params/CirclePara.h"
#include "foundation/params/QuanDian.h"
#include "foundation/params/Technique.h"

class SpecialFormatDialogs {
public:
    virtual ~SpecialFormatDialogs() = default;
    // Each shows its dialog modally, filled from values; true when the user
    // confirmed, values then holding the dialog's fields.
    virtual bool EditTechniqueValues(TTechnique& values) = 0;  // TYPE, WIDTH_TYPE, LINES_WIDTH, COLOR
    virtual bool EditCircleValues(TCirclePara& values) = 0;    // TYPE, line width, COLOR, font, USE_TEXT_FONT
    virtual bool EditQuanDianValues(TQuanDian& values) = 0;    // marks, QD_MARK, index
};

// The dialogs in force, or null.
SpecialFormatDialogs* CurrentSpecialFormatDialogs();
// Installs dialogs (not owned); null removes them. Returns the ones before.
SpecialFormatDialogs* InstallSpecialFormatDialogs(SpecialFormatDialogs* dialogs);

// True when the user confirmed; the four values are then taken back.
bool EditTechnique(TTechnique& technique);
// The values are taken back when the user confirms; true only when one of
// them (the font compared by FontStyleEquals) changed.
bool EditCirclePara(TCirclePara& circle);
// True when the user confirmed; the set then takes the dialog's marks, name
// and index.
bool EditQuanDian(TQuanDian& set);
