#pragma once
// The working state and rules of the woodblock layout-parameter dialog,
// without widgets: a private deep copy of the style, the side effects of
// each edit, the change check, the apply step and the enabled and shown
// state of the controls. 取消 leaves the style as it was; only Apply and
// Confirm write into it.
#include <cstdint>
#include <functional>

#include <QString>

#include "foundation/params/Style.h"

// The edits whose side effects the dialog runs.
enum class LayoutField {
    OutBorder, InBorder, Space,
    TextWidth, TextHeight, TextTop, TextBottom, TextLines, TextPerLine, ZhuPerLine, TextDoubleLineZhu,
    HeadHeight, HeadTop, HeadBottom, HeadLines, HeadPerLine, HeadZhuPerLine,
    MidWidth, MidUpHeight, MidMidHeight, MidLine, UpFish, DownFish, ShowMidDown,
    ShowStamp, BorderColor, BackColor,
    UseTexture, Texture,
    PunctuationMode, PunctuationUseTextColor, PunctuationColor, PunctuationBold,
    Font,  // a box or centre font, or an entry of a list
};

// The style's parameter lists that have a combo and a 設置 button.
enum class LayoutList { AttachText, AttachZhu, Technique, Circle, QuanDian, CePi };

// The background textures the dialog offers.
struct TGroundChoice {
    TImageRefList textures;
    int32_t selected = -1;
    bool useTexture = false;
    // The user chose a radio or a texture: only then is the background
    // compared and written (a style whose texture is not listed, or a
    // missing texture folder, must not change it on its own).
    bool touched = false;
};

// Enabled (and, where it says so, shown) state of the controls.
struct TLayoutControlState {
    bool textBoxGridEnabled = true;  // 頁內框寬 … 小字雙行 of the text box; off with a book open
    bool textureRadioEnabled = true;
    bool backColorPickEnabled = true;
    bool texturePickEnabled = false;
    bool punctuationExtrasShown = false;  // 正文色, swatch, its 選擇, 粗體
    bool punctuationColorPickEnabled = false;
    bool applyEnabled = false;
};

class LayoutDialogModel {
public:
    // LoadStyleIntoDialog: the working copy of style, the texture list of the
    // grounds folder, the derived pitches. display: for the page size on apply.
    LayoutDialogModel(TStyle& style, bool bookOpen, const TDisplayMode& display);

    // The working copy; the view binds its edits to the fields and reports
    // each edit through Edited.
    TStyle& Work() { return work_; }
    const TStyle& Work() const { return work_; }
    TGroundChoice& Ground() { return ground_; }
    bool BookOpen() const { return bookOpen_; }

    // The working field behind an integer or a flag edit; null for others.
    int32_t* Field(LayoutField field);
    bool* Flag(LayoutField field);
    // The field or count (below 1: refused, false) takes value, then Edited.
    bool Set(LayoutField field, int32_t value);
    // Runs the side effects of an edit already stored in the working copy,
    // then UpdateDialogControls.
    void Edited(LayoutField field);

    // The font behind a font button, and the flags its dialog gets.
    bool EditBoxFont(bool headBox, bool noteFont);
    bool EditCentreFont(int part, bool noteFont);  // part 0 upper, 1 middle, 2 lower
    // 設置 of a list: edits entry index; false when there is none.
    bool EditListEntry(LayoutList list, int32_t index);
    // "+" of an attached list: a copy of the box's text or note font under
    // code. Refused (false) for an empty code, a code with "," (the parameter
    // file cannot hold it), and a code the list already has (told).
    bool AddAttachedFont(bool zhu, const QString& code);
    // The entries of a list as its combo shows them.
    QStringList ListLabels(LayoutList list) const;

    // The change check; enables 應用.
    bool CheckStyleChanged();
    bool Changed() const { return changed_; }
    // Writes the working state into the style.
    void ApplyDialogToStyle();
    // Whether every working value lies in its range; the first outside is
    // told to the user, by its caption and range. The rule between columns
    // is the inner frame line's in the woodblock dialog, kept in the others.
    bool WorkInRange(bool ruleIsInnerFrame) const;
    // 應用: applies when changed, checks again and refreshes. False, and
    // nothing written, when a value is outside its range.
    bool Apply();
    // 確定: applies when changed; the changed flag stays as computed. False,
    // and nothing written, when a value is outside its range.
    bool Confirm();
    // Something was written into the style by 應用.
    bool AppliedOnce() const { return appliedOnce_; }
    // Runs after each 應用 (RefreshAfterSettings on the active view).
    void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    TLayoutControlState Controls() const;

private:
    void UpdateDialogControls();
    void UpdateTextBoxLineWidth();
    void UpdateTextBoxPitches();
    void UpdateHeadBoxPitches();
    void UpdateHeadBoxLineWidth();
    bool GroundDiffers() const;

    TStyle& style_;
    TStyle work_;
    TGroundChoice ground_;
    bool bookOpen_;
    TDisplayMode display_;
    bool changed_ = false;
    bool appliedOnce_ = false;
    std::function<void()> refresh_;
};

// Field order of the woodblock box grid that the dialog compares (the
// derived pitches are not compared).
bool BoxSizeDiffers(const TBoxSize& a, const TBoxSize& b);
// Different modes differ; equal modes other than 句讀 and 句點 never differ;
// in those two, the flags, and the colour when the text colour is not used.
bool BiaoDianDiffers(const TBiaoDianPara& a, const TBiaoDianPara& b);
