// The settings menu (the cover's fonts, each style's layout dialog), the
// 4-in-1 sheet editor, the exports, and the settings archive read at start
// and written at close.
#include <QFont>

#include "app/AppGlobals.h"
#include "app/commands/CommandIds.h"
#include "app/dialogs/CDlgSetParaHP.h"
#include "app/dialogs/CDlgSetParaSP.h"
#include "app/dialogs/CDlgSetUp.h"
#include "app/dialogs/SheetAndCoverEdits.h"
#include "app/export/BookmarkExport.h"
#include "app/export/ParamExport.h"
#include "app/files/BookLayoutCommands.h"
#include "app/frame/MainWindow.h"
#include "app/navigation/PageNavigation.h"
#include "app/panes/EditView.h"
#include "app/panes/TextView.h"
#include "app/text/TextCommands.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"

namespace {

// Each edition edits its styles in its own layout dialog.
using LayoutDialogRunner = TLayoutDialogResult (*)(TStyle&, bool, const TDisplayMode&, std::function<void()>);

LayoutDialogRunner LayoutDialogOf(EditionKind kind)
{
    switch (kind) {
    case EditionKind::Vertical:
        return RunVerticalLayoutDialog;
    case EditionKind::Horizontal:
        return RunHorizontalLayoutDialog;
    case EditionKind::Woodblock:
        break;
    }
    return RunLayoutDialog;
}

// The rich edit's effect bits the archive keeps.
enum TextEffects : int32_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
constexpr int32_t kTwipsPerPoint = 20;

QFont FontOfFormat(const TTextPaneFormat& format, QFont font)
{
    if (!format.face.isEmpty())
        font.setFamily(format.face);
    if (format.height > 0)
        font.setPointSizeF(double(format.height) / kTwipsPerPoint);
    font.setBold(format.effects & Bold);
    font.setItalic(format.effects & Italic);
    font.setUnderline(format.effects & Underline);
    font.setStrikeOut(format.effects & StrikeOut);
    return font;
}

void FormatOfFont(const QFont& font, TTextPaneFormat& format)
{
    format.face = font.family();
    format.height = int32_t(font.pointSizeF() * kTwipsPerPoint + 0.5);
    format.effects = (font.bold() ? Bold : 0) | (font.italic() ? Italic : 0) | (font.underline() ? Underline : 0) |
                     (font.strikeOut() ? StrikeOut : 0);
}

}  // namespace

void MainWindow::AddSettingsCommands()
{
    commands_.Add({
        {Cmd::SettingsFirst, Cmd::SettingsLast, [this](int id) { SettingsCommand(id); }},
        {Cmd::EditFourInOne,
         [this](int) {
             OnEditFourInOne(view_->Renderer().Para4in1, [](TPara4in1& para) {
                 QString splits = Get4in1SplitText();
                 if (!EditFourInOneParams(para, splits))
                     return false;
                 Parse4in1Splits(g_4in1Data, splits);
                 return true;
             });
         }},
        {Cmd::ExportParams, [this](int) { OnExportParams(view_->Data.volumeDataPath); },
         [](int) { return g_VolumeShown && !g_CellEditing; }},
        {Cmd::ExportBookmarks, [](int) { ExportBookmarkFiles(); }, [](int) { return g_VolumeShown && !g_CellEditing; }},
    });
}

// A confirmed change of a style or cover: with a book its layout is
// modified; with a text the project is, and the text is typeset again, so
// that no change is lost without a question. Changes applied with 應用
// count whatever the dialog ended with.
void MainWindow::SettingsCommand(int id)
{
    if (!g_CurrentParaSet)
        return;
    bool changed = false;
    if (id == Cmd::SettingsCover) {
        TCoverPara* cover = g_CurrentParaSet->covers.FindByName(&TCoverPara::NAME, kCoverName);
        if (!cover)
            return;  // nothing to edit without a cover record
        EditCoverFonts(cover, changed);
    } else if (id >= Cmd::SettingsStyles) {
        TStyle* style = g_CurrentParaSet->styles.GetAtOrNull(id - Cmd::SettingsStyles);
        if (!style)
            return;
        const TDisplayMode display{g_TwoPageMode != 0, g_FourInOneMode != 0};
        const LayoutDialogRunner run = LayoutDialogOf(g_Edition->Kind());
        changed = LayoutNeedsSaving(
            run(*style, g_CurrentBook != nullptr, display, [this] { RefreshAfterSettings(view_->Data); }));
    }
    if (!changed)
        return;
    g_LayoutDirty = true;
    if (!g_CurrentBook)
        g_ProjectDirty = true;
    RefreshAfterSettings(view_->Data);
    view_->Refresh();
}

void MainWindow::SettingsFromState()
{
    settings_.marginLeft = g_PrintMargins.left;
    settings_.marginTop = g_PrintMargins.top;
    settings_.marginRight = g_PrintMargins.right;
    settings_.marginBottom = g_PrintMargins.bottom;
    settings_.orientation = g_PrintOrientation;
    settings_.zoomIndex = g_ZoomIndex;
    settings_.projectFolder = g_ProjectFolder;
    settings_.twoPage = g_TwoPageMode;
    settings_.lastBookFolder = g_LastTypesetFolder;
    settings_.editFont = editView_->Font();
    FormatOfFont(textView_->Editor().font(), settings_.textFormat);
}

// What the file does not hold keeps the working state's value.
void MainWindow::LoadSettings()
{
    SettingsFromState();
    // Read and written at one place, whatever the session asks later.
    settingsPath_ = FrameSettingsPath();
    LoadFrameSettings(settings_, settingsPath_);
    g_PrintMargins = {settings_.marginLeft, settings_.marginTop, settings_.marginRight, settings_.marginBottom};
    g_PrintOrientation = settings_.orientation;
    g_ZoomIndex = settings_.zoomIndex;
    g_ProjectFolder = settings_.projectFolder;
    g_TwoPageMode = settings_.twoPage;
    g_LastTypesetFolder = settings_.lastBookFolder;
    textView_->Editor().setFont(FontOfFormat(settings_.textFormat, textView_->Editor().font()));
    editView_->Font() = settings_.editFont;
    editView_->ApplyFont();
}

bool MainWindow::SaveSettings()
{
    SettingsFromState();
    return SaveFrameSettings(settings_, settingsPath_);
}
