#include "foundation/params/FontDialogs.h"

namespace {

FontDialogs* installed = nullptr;

}  // namespace

FontDialogs* CurrentFontDialogs() { return installed; }

FontDialogs* InstallFontDialogs(FontDialogs* dialogs)
{
    FontDialogs* previous = installed;
    installed = dialogs;
    return previous;
}
