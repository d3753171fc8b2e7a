#pragma once
// What the layout dialogs of the vertical and horizontal programs share,
// without widgets. Each holds the woodblock dialog's model for the controls
// all three dialogs have (background, stamp, punctuation, the attached,
// special-format and circled lists, 小字雙行) and adds its edition's text
// box and its side box or page bar, with the new-volume rule both have.
// 取消 leaves the style as it was; only Apply and Confirm write.
#include <cstdint>
#include <functional>

#include "app/dialogs/LayoutDialogModel.h"

class ModernLayoutModel {
public:
    ModernLayoutModel(TStyle& style, bool bookOpen, const TDisplayMode& display);
    virtual ~ModernLayoutModel() = default;
    ModernLayoutModel(const ModernLayoutModel&) = delete;
    ModernLayoutModel& operator=(const ModernLayoutModel&) = delete;

    TStyle& Work() { return shared_.Work(); }
    const TStyle& Work() const { return shared_.Work(); }
    // The woodblock model for the shared controls; after an edit through it,
    // run CheckStyleChanged.
    LayoutDialogModel& Shared() { return shared_; }
    bool BookOpen() const { return bookOpen_; }

    // A shared edit, then this dialog's change check.
    bool SetShared(LayoutField field, int32_t value);
    // The new-volume radio pair: NEXT_PAGE or NEXT_SINGLAR_PAGE.
    bool SetNewVolume(int32_t type);

    // 正文字體, 注文字體 (word width editable, double line not); 設置 of an
    // attached list likewise, the other lists as the woodblock dialog.
    bool EditBoxFont(bool note);
    bool EditListEntry(LayoutList list, int32_t index);

    bool CheckStyleChanged();
    bool Changed() const { return changed_; }
    void ApplyDialogToStyle();
    // Both false, writing nothing, when a value is outside its range (told).
    bool Apply();
    bool Confirm();
    bool AppliedOnce() const { return appliedOnce_; }
    void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

protected:
    // The edition's own part: whether it differs from the style, and its
    // writing into the style (before the page size is set).
    virtual bool OwnPartDiffers(const TStyle& work, const TStyle& style) const = 0;
    virtual void ApplyOwnPart(TStyle& work, TStyle& style) = 0;
    const TStyle& Style() const { return style_; }

private:
    TStyle& style_;
    LayoutDialogModel shared_;
    bool bookOpen_;
    TDisplayMode display_;
    bool changed_ = false;
    bool appliedOnce_ = false;
    std::function<void()> refresh_;
};

// A field of an edition's part of the dialog and the values it takes.
struct TModernField {
    int32_t field;  // the edition's enum
    int32_t* (*of)(TStyle&);
    int32_t low, high;
};
// The entry for field, or null.
const TModernField* FindModernField(const TModernField* begin, const TModernField* end, int32_t field);
// Stores value when the field takes it; false otherwise.
bool StoreModernField(const TModernField* spec, TStyle& work, int32_t value);
