#pragma once
// VellumorHorz: horizontal print with header and footer bars. Uses the
// vertical edition's forms wherever it has none of its own.
#include "editions/vertical/VerticalEdition.h"

class HorizontalEdition : public VerticalEdition {
public:
    EditionKind Kind() const override { return EditionKind::Horizontal; }
    QString ProgramName() const override;
    QString Title() const override;
    const TypesetEdition* Typesetting() const override;
    const RenderEdition* Drawing() const override;

    // --- The style record (HorizontalStyle.cpp) ---
    // Kind 2, the defaults of a horizontal page; the page is the text box
    // between the header and footer bands.
    void SetStyleDefaults(TStyle& style, const TDisplayMode& display) const override;
    void ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const override;
    TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom) const override;

    // --- The box grid (HorizontalBoxSize.cpp) ---
    // Advances along the line from the width less the side blanks, the line
    // pitch from the height.
    void DeriveBoxSize(TBoxSize& size) const override;
    int32_t WriteBoxSize(TBinFile& file, const TBoxSize& size) const override;
    bool ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version) const override;
    void BoxSizeToText(TTextFile& file, const TBoxSize& size) const override;
    void BoxSizeFromText(QStringView block, TBoxSize& size) const override;

protected:
    QString MagicSuffix() const override;
    QChar ExtensionLetter() const override;

    // --- The text box and the page bar in the style's forms (HorizontalStyleForms.cpp) ---
    int32_t WriteStyleBoxes(const TStyle& style, TBinFile& file) const override;
    bool ReadStyleBoxes(TBinFile& file, TStyle& style, int32_t version) const override;
    void StyleBoxesToText(TTextFile& file, const TStyle& style) const override;
    void StyleBoxesFromText(QStringView text, TStyle& style, int32_t version) const override;
    // Every readable version stores the punctuation.
    int32_t PunctuationFromVersion() const override;
};
