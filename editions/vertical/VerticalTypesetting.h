#pragma once
// The typesetting rules of VellumorVert: columns as wide as their widest
// characters, a page full when its columns fill the box's width, a fixed
// 150 column slots in place of the box's LINES and 【HS n】, side and head
// notes cut out and dropped (their anchors kept), emphasis marks kept per
// character, and a new volume on an odd page only when the style asks for
// it. Every other operation is the woodblock form.
#include "typeset/TypesetEdition.h"

struct TBoxPara;
struct TBoxSize;

class VerticalTypesetting : public TypesetEdition {
public:
    // The most columns a page of this edition takes.
    static constexpr int32_t kColumnSlots = 150;

    // --- The typesetter (VerticalTypesetter.cpp) ---
    // The line's side and head notes are cut out and dropped before the
    // woodblock interpreter sees the line.
    void ProcessLine(TTypesetter& typesetter, const QString& line) const override;
    // A new page when the current one holds a column, or when the style
    // starts volumes on odd pages and the next page would be even.
    bool StartOnOddPage(TTypesetter& typesetter) const override;

    // --- Columns and pages (VerticalColumnLayout.cpp) ---
    // 150, whatever the box's LINES or a 【HS n】 line say.
    int32_t LinesPerPage(const TLayoutContext& context) const override;
    // A fresh column's width is not known yet.
    void WriteLineHead(TLayoutContext& context) const override;
    // The column widens to the character width of each run placed in it.
    void OpenRunTags(TLayoutContext& context, QStringView piece) const override;
    // A column that does not fit the width the page has left moves to the
    // next page (the closed page keeps the width it used); the stored column
    // keeps its width, its emphasis marks per character and its note anchors.
    void EmitLine(TLayoutContext& context) const override;
    void NewPage(TLayoutContext& context) const override;

    // --- Used widths of pages read back (VerticalUsedWidths.cpp) ---
    // A page whose next page (of the same style) begins with a column that
    // would not have fitted beside its columns was closed for want of
    // width: its used width is their sum, so that it is drawn spread as it
    // was when typeset.
    void RestoreUsedSizes(TPageTable& table, const TStyleList& styles) const override;

    // --- Page-to-source map (VerticalSourceMap.cpp) ---
    // A page's key takes its last columns whole.
    TSourceMapForm SourceMapForm() const override;

    // --- The measures a column is sized by (VerticalColumnLayout.cpp) ---
    // The horizontal edition sizes its lines by heights instead.
    // How wide a run makes its column.
    virtual int32_t RunLineSize(const TZtSpan& run) const;
    // The width of a column of plain text: the text font's WORD_WIDTH.
    virtual int32_t PlainLineSize(const TBoxPara& box) const;
    // The length the columns of a page fill: the box's width.
    virtual int32_t PageLength(const TBoxSize& size) const;
};
