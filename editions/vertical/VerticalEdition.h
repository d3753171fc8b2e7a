#pragma once
// VellumorVert: vertical print with a head box and a side box.
#include "foundation/Edition.h"

class VerticalEdition : public WoodblockEdition {
public:
    EditionKind Kind() const override { return EditionKind::Vertical; }
    QString ProgramName() const override;
    QString Title() const override;
    QString ParaBlockName() const override;
    int32_t MinParaFileVersion() const override;
    int32_t MinStyleListFileVersion() const override;
    // 'D' alone switches two-page display; see Edition.
    bool HasTwoPageCommand() const override { return false; }
    const TypesetEdition* Typesetting() const override;
    const RenderEdition* Drawing() const override;

    // --- The style record (VerticalStyle.cpp) ---
    // Kind 1, the defaults of a vertical page; the page is the text box and
    // the side box side by side, below the head box.
    void SetStyleDefaults(TStyle& style, const TDisplayMode& display) const override;
    void ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const override;
    // The stored page size is scaled, not recomputed; the emphasis-mark and
    // side-note lists are not carried.
    TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom) const override;

    // --- Its binary form (VerticalStyleBinary.cpp) ---
    // Nothing is read from a file before version 28.
    int32_t WriteStyle(const TStyle& style, TBinFile& file) const override;
    bool ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const override;

    // --- Its "<STYLE>" body in the layout-parameter file (VerticalStyleText.cpp) ---
    void StyleToText(TTextFile& file, const TStyle& style) const override;
    void StyleFromText(QStringView text, TStyle& style, int32_t version, const TDisplayMode& display) const override;
    // The items of the "<FRAME>" block this edition knows.
    void ParseFrameKeys(TStyle& style, QStringView frame) const;

protected:
    QString MagicSuffix() const override;
    QChar ExtensionLetter() const override;

    // The parts of the style's forms between its frame items and its lists,
    // which the horizontal edition gives its own way: the head box and side
    // box here.
    virtual int32_t WriteStyleBoxes(const TStyle& style, TBinFile& file) const;
    virtual bool ReadStyleBoxes(TBinFile& file, TStyle& style, int32_t version) const;
    virtual void StyleBoxesToText(TTextFile& file, const TStyle& style) const;
    virtual void StyleBoxesFromText(QStringView text, TStyle& style, int32_t version) const;
    // The first file version whose styles store their punctuation.
    virtual int32_t PunctuationFromVersion() const;
    // The text box in the form of the file's version.
    static bool ReadTextBox(TBinFile& file, TStyle& style, int32_t version);
    // The defaults both modern editions give the frame items, the
    // punctuation and the new-volume rule.
    static void SetFrameDefaults(TStyle& style);
};
