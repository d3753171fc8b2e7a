#include "app/dialogs/AppDialogHooks.h"

#include "app/dialogs/CDlgFont.h"
#include "app/dialogs/CDlgQuanDian.h"
#include "app/dialogs/CDlgSetCircle.h"
#include "app/dialogs/CDlgSetTechnique.h"
#include "app/dialogs/DialogServices.h"
#include "app/dialogs/MDlgFont.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/FontDialogs.h"
#include "foundation/params/SpecialFormatDialogs.h"

namespace {

// Runs a dialog built on the values; on 確定 the values take its result.
template <class Dialog, class Values, class... Args>
bool RunOn(Values& values, Args&&... args)
{
    Dialog dialog(values, std::forward<Args>(args)...);
    if (!Dialogs().RunModal(dialog))
        return false;
    values = dialog.Values();
    return true;
}

// The horizontal program's lines run across: its font dialog speaks of top
// and bottom, line height and spacing.
MDlgFontLabels FontLabelsOfEdition()
{
    if (g_Edition->Kind() != EditionKind::Horizontal)
        return {};
    return {QStringLiteral("靠上"), QStringLiteral("靠下"), QStringLiteral("行高"), QStringLiteral("間距")};
}

class AppFontDialogs final : public FontDialogs {
public:
    bool EditLayoutFont(TFontStyle& values, const FontStyleDialogFlags& flags) override
    {
        return RunOn<MDlgFont>(values, flags, FontLabelsOfEdition());
    }
    bool EditEditorFont(TFontAndColor& values) override { return RunOn<CDlgFont>(values); }
};

class AppSpecialFormatDialogs final : public SpecialFormatDialogs {
public:
    bool EditTechniqueValues(TTechnique& values) override { return RunOn<CDlgSetTechnique>(values); }
    bool EditCircleValues(TCirclePara& values) override { return RunOn<CDlgSetCircle>(values); }
    bool EditQuanDianValues(TQuanDian& values) override { return RunOn<CDlgQuanDian>(values); }
};

AppFontDialogs fontDialogs;
AppSpecialFormatDialogs specialFormatDialogs;

}  // namespace

void InstallAppDialogs()
{
    InstallFontDialogs(&fontDialogs);
    InstallSpecialFormatDialogs(&specialFormatDialogs);
}

void UninstallAppDialogs()
{
    InstallFontDialogs(nullptr);
    InstallSpecialFormatDialogs(nullptr);
}
