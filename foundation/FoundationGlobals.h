#pragma once
// Working state of the foundation layer. Every process-wide variable of this
// layer is declared here; ResetFoundationGlobals puts them back for tests.
#include <QString>

#include "platform/ServiceSlot.h"

class Edition;
class FontDialogs;
class SpecialFormatDialogs;

// The edition the program runs as; set by main() before anything else.
extern const Edition* g_Edition;

// Installs an edition (not owned) and returns the previous one.
const Edition* InstallEdition(const Edition* edition);

// The program's own file and folder, found once by InitAppFolder.
extern QString g_ProgramPath;
extern QString g_ProgramFolder;
// The folder of the open project: the base of the project's picture folders.
extern QString g_ProjectFolder;

template <class T>
class OwningList;
struct TTechnique;
struct TCirclePara;
struct TQuanDian;
struct TFontStyle;
struct TBiaoDianPara;
struct TAttachFontGroup;

// The current style's parameter lists and punctuation, pointed at by the
// typesetter while it works on a style; the look-up-or-add operations of the
// special formats, circled texts, emphasis marks and side-note fonts append
// to these lists. Null when no style is current.
extern OwningList<TTechnique>* g_CurTechList;
extern OwningList<TCirclePara>* g_CurCircleList;
extern OwningList<TQuanDian>* g_CurQuanDianList;
extern OwningList<TFontStyle>* g_CurCePiList;
extern TBiaoDianPara* g_CurBiaoDian;
// The current style's attached font group, which 【ZT…】 runs look fonts up in.
extern TAttachFontGroup* g_CurAttachFonts;

// The dialogs the application installs for the font and special-format
// records; empty: an edit changes nothing.
extern ServiceSlot<FontDialogs> g_InstalledFontDialogs;
extern ServiceSlot<SpecialFormatDialogs> g_InstalledSpecialFormatDialogs;

void ResetFoundationGlobals();
