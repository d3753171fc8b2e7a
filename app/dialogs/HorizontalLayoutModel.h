#pragma once
// The working state and rules of 橫排排印本版式參數, the horizontal layout
// dialog, without widgets: the text box with side blanks, line counts and
// advances along the line, and the header and footer bands.
#include <cstdint>

#include <QStringList>

#include "app/dialogs/ModernLayoutModel.h"

// The edits this dialog gives its own side effects.
enum class HorizontalField {
    TextWidth, TextHeight, LeftSpace, RightSpace, TextPerLine, ZhuPerLine, WordLines, ZhuLines,
    HeadHeight, FootHeight, ShowHeadLine, ShowFootLine, TitlePos, PagePos,
};

class HorizontalLayoutModel : public ModernLayoutModel {
public:
    HorizontalLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display);

    // The field behind an edit.
    int32_t Value(HorizontalField field);
    // Stores value and runs the edit's side effects and the change check.
    // Counts below 1 and positions outside the five are refused (false).
    bool Set(HorizontalField field, int32_t value);

    // Shown values (lengths / 100): the advances along the line and the
    // heights of the lines of large and small characters (0 for a count of 0).
    double ShownTextAdvance() const;
    double ShownNoteAdvance() const;
    double ShownWordLineHeight() const;
    double ShownZhuLineHeight() const;

    // 標題字體, 頁碼字體: neither word width nor double line editable.
    bool EditBarFont(bool pageNumber);

    // 頁內框寬, 頁內框高, 每行大字, 每行小字 and 小字雙行 close with a book
    // open; the blanks and the line counts stay open.
    bool BoxGridEnabled() const { return !BookOpen(); }

protected:
    bool OwnPartDiffers(const TStyle& work, const TStyle& style) const override;
    void ApplyOwnPart(TStyle& work, TStyle& style) override;

private:
    void BandHeightEdited(bool header);
};

// The texts of the punctuation combo and of the two position combos.
QStringList HorizontalPunctuationLabels();
QStringList BarPositionLabels();
