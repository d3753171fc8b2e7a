#pragma once
// The working state and rules of 豎排排印本版式參數, the vertical layout
// dialog, without widgets: the text box with its top and bottom blanks and
// the side box (標題框) with the running title and the page number.
#include <cstdint>

#include <QStringList>

#include "app/dialogs/ModernLayoutModel.h"

enum class VerticalField {
    TextWidth, TextHeight, TopSpace, BottomSpace, TextPerLine, ZhuPerLine, SideWidth, TitlePos, PagePos,
};

class VerticalLayoutModel : public ModernLayoutModel {
public:
    VerticalLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display);

    // The working field behind an edit.
    int32_t* Field(VerticalField field);
    int32_t Value(VerticalField field);
    // Stores value and runs the edit's side effects and the change check;
    // counts below 1 are refused (false).
    bool Set(VerticalField field, int32_t value);

    // The character pitches down the column, / 100.
    double ShownTextPitch() const;
    double ShownNotePitch() const;

    // 標題字體, 頁碼字體: neither word width nor double line editable.
    bool EditSideFont(bool pageNumber);

    // 頁內框寬, 頁內框高, 每行大字, 每行小字, the pitches and 小字雙行 close
    // with a book open; the blanks stay open.
    bool BoxGridEnabled() const { return !BookOpen(); }

protected:
    bool OwnPartDiffers(const TStyle& work, const TStyle& style) const override;
    void ApplyOwnPart(TStyle& work, TStyle& style) override;
};

QStringList VerticalPunctuationLabels();
