#pragma once
// The typesetting rules of VellumorHorz: the vertical rules turned by a
// quarter. Lines run left to right and stack downward, each as tall as its
// tallest characters, a page full when its lines fill the box's height;
// punctuation keeps its horizontal forms, with classes of its own, and side
// and head notes are set inline.
#include "editions/vertical/VerticalTypesetting.h"

class HorizontalTypesetting : public VerticalTypesetting {
public:
    // A spacing stretches along the line, that is the character width.
    int32_t ScaleByRatioText(const TZtSpan& run) const override;

    // --- Lines (HorizontalLines.cpp) ---
    // 【CP…】 and 【MP…】 lose their tags and stay in the line as text.
    void ProcessLine(TTypesetter& typesetter, const QString& line) const override;
    // The box's width less the side blanks, or the part of it a picture
    // leaves.
    int32_t AvailableLength(const TLayoutContext& context) const override;
    // The offset behind a picture, and the indent cells, step by the text
    // font's WORD_WIDTH along the line; a raised first line still gains
    // its WORD_HEIGHT back.
    void WriteLineHead(TLayoutContext& context) const override;
    void IndentLine(TLayoutContext& context) const override;
    // Punctuation stays horizontal.
    QString StripNonLayoutTags(QStringView text) const override;
    // Emphasis spans pass through whole, their tags kept like the others;
    // the style gains no mark sets.
    QString ExpandEmphasisRuns(TLayoutContext& context, QStringView text) const override;
    int32_t RunLineSize(const TZtSpan& run) const override;
    int32_t PlainLineSize(const TBoxPara& box) const override;
    int32_t PageLength(const TBoxSize& size) const override;

    // --- Punctuation classes (HorizontalPunctuation.cpp) ---
    bool IsOpeningMark(char16_t c) const override;
    bool IsClosingMark(char16_t c) const override;
    // Half a cell in ZHINENG.
    bool IsQuoteBracketPause(char16_t c) const override;
    // 。？！
    bool IsSentenceEnd(char16_t c) const override;
    // None: dots and book-title marks take cells like other marks.
    bool IsRoomlessMark(char16_t c) const override;

    // --- Page-to-source map (HorizontalSourceMap.cpp) ---
    // Punctuation stays horizontal: the source is matched as it is, with its
    // 【…】 tags, and keys take the last lines whole.
    TSourceMapForm SourceMapForm() const override;
};
