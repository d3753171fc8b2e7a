#include "foundation/FoundationGlobals.h"

#include "foundation/Edition.h"

namespace {
const WoodblockEdition kDefaultEdition;
}

const Edition* g_Edition = &kDefaultEdition;

QString g_ProgramPath;
QString g_ProgramFolder;
QString g_ProjectFolder;

OwningList<TTechnique>* g_CurTechList = nullptr;
OwningList<TCirclePara>* g_CurCircleList = nullptr;
OwningList<TQuanDian>* g_CurQuanDianList = nullptr;
OwningList<TFontStyle>* g_CurCePiList = nullptr;
TBiaoDianPara* g_CurBiaoDian = nullptr;
TAttachFontGroup* g_CurAttachFonts = nullptr;

ServiceSlot<FontDialogs> g_InstalledFontDialogs;
ServiceSlot<SpecialFormatDialogs> g_InstalledSpecialFormatDialogs;

const Edition* InstallEdition(const Edition* edition)
{
    const Edition* previous = g_Edition;
    g_Edition = edition ? edition : &kDefaultEdition;
    return previous;
}

void ResetFoundationGlobals()
{
    // The edition is chosen by the program (or the test fixture), not reset.
    g_ProgramPath.clear();
    g_ProgramFolder.clear();
    g_ProjectFolder.clear();
    g_CurTechList = nullptr;
    g_CurCircleList = nullptr;
    g_CurQuanDianList = nullptr;
    g_CurCePiList = nullptr;
    g_CurBiaoDian = nullptr;
    g_CurAttachFonts = nullptr;
    g_InstalledFontDialogs.Reset();
    g_InstalledSpecialFormatDialogs.Reset();
}
