#include "foundation/params/SpecialFormatDialogs.h"

#include "foundation/FoundationGlobals.h"

SpecialFormatDialogs* CurrentSpecialFormatDialogs() { return g_InstalledSpecialFormatDialogs.Get(); }

SpecialFormatDialogs* InstallSpecialFormatDialogs(SpecialFormatDialogs* dialogs)
{
    return g_InstalledSpecialFormatDialogs.Install(dialogs);
}

bool EditTechnique(TTechnique& technique)
{
    TTechnique values = technique;
    SpecialFormatDialogs* installed = CurrentSpecialFormatDialogs();
    if (!installed || !installed->EditTechniqueValues(values))
        return false;
    technique.TYPE = values.TYPE;
    technique.WIDTH_TYPE = values.WIDTH_TYPE;
    technique.LINES_WIDTH = values.LINES_WIDTH;
    technique.COLOR = values.COLOR;
    return true;
}

bool EditCirclePara(TCirclePara& circle)
{
    TCirclePara values = circle;
    SpecialFormatDialogs* installed = CurrentSpecialFormatDialogs();
    if (!installed || !installed->EditCircleValues(values))
        return false;
    const bool changed = values.TYPE != circle.TYPE || values.LINES_WIDTH != circle.LINES_WIDTH ||
                         values.COLOR != circle.COLOR || values.USE_TEXT_FONT != circle.USE_TEXT_FONT ||
                         !FontStyleEquals(values.font, circle.font);
    circle.TYPE = values.TYPE;
    circle.LINES_WIDTH = values.LINES_WIDTH;
    circle.COLOR = values.COLOR;
    circle.font = values.font;
    circle.USE_TEXT_FONT = values.USE_TEXT_FONT;
    return changed;
}

bool EditQuanDian(TQuanDian& set)
{
    TQuanDian values = set;
    SpecialFormatDialogs* installed = CurrentSpecialFormatDialogs();
    if (!installed || !installed->EditQuanDianValues(values))
        return false;
    set.marks = values.marks;
    set.QD_MARK = values.QD_MARK;
    set.index = values.index;
    return true;
}
