#pragma once
// The working state and rules of 橫排排印本版式參數, the horizontal layout
// dialog, without widgets. It holds the woodblock dialog's model for what
// both share (background, stamp, punctuation, the attached, special-format
// and circled lists, 小字雙行) and adds the horizontal text box (side
// blanks, line counts, advances along the line) and the header and footer
// bands. 取消 leaves the style as it was; only Apply and Confirm write.
#include <cstdint>
#include <functional>

#include <QStringList>

#include "app/dialogs/LayoutDialogModel.h"

// The edits this dialog gives its own side effects.
enum class HorizontalField {
    TextWidth, TextHeight, LeftSpace, RightSpace, TextPerLine, ZhuPerLine, WordLines, ZhuLines,
    HeadHeight, FootHeight, ShowHeadLine, ShowFootLine, TitlePos, PagePos, NewVolume,
};

struct THorizontalControlState {
    bool boxGridEnabled = true;  // 頁內框寬, 頁內框高, 每行大字, 每行小字, 小字雙行; off with a book open
    bool applyEnabled = false;
};

class HorizontalLayoutModel {
public:
    HorizontalLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display);

    TStyle& Work() { return shared_.Work(); }
    const TStyle& Work() const { return shared_.Work(); }
    // The woodblock model for the shared controls; after an edit through it,
    // run CheckStyleChanged.
    LayoutDialogModel& Shared() { return shared_; }

    // The field behind an edit.
    int32_t Value(HorizontalField field);
    // Stores value and runs the edit's side effects and the change check.
    // Counts below 1 and positions outside the five are refused (false).
    bool Set(HorizontalField field, int32_t value);
    // A shared edit, then this dialog's change check.
    bool SetShared(LayoutField field, int32_t value);

    // Shown values (lengths / 100): the advances along the line and the
    // heights of the lines of large and small characters (0 for a count of 0).
    double ShownTextAdvance() const;
    double ShownNoteAdvance() const;
    double ShownWordLineHeight() const;
    double ShownZhuLineHeight() const;

    // 正文字體, 注文字體 (word width editable); 標題字體, 頁碼字體 (neither
    // word width nor double line); 設置 of an attached list (word width).
    bool EditBoxFont(bool note);
    bool EditBarFont(bool pageNumber);
    bool EditListEntry(LayoutList list, int32_t index);

    bool CheckStyleChanged();
    bool Changed() const { return changed_; }
    void ApplyDialogToStyle();
    void Apply();
    void Confirm();
    bool AppliedOnce() const { return appliedOnce_; }
    void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    THorizontalControlState Controls() const;

private:
    void UpdateTextBoxPitches();
    void BandHeightEdited(bool header);

    TStyle& style_;
    LayoutDialogModel shared_;
    bool bookOpen_;
    TDisplayMode display_;
    bool changed_ = false;
    bool appliedOnce_ = false;
    std::function<void()> refresh_;
};

// The texts of the punctuation combo and of the two position combos.
QStringList HorizontalPunctuationLabels();
QStringList BarPositionLabels();
