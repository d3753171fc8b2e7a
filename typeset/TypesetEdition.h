#pragma once
// The typesetting operations that an edition does its own way. The base
// class holds the woodblock forms; an edition that sets some of them
// differently returns its own subclass from Edition::Typesetting() (the
// vertical forms in editions/vertical, the horizontal ones, derived from
// the vertical, in editions/horizontal). The engine reaches every such
// operation through CurrentTypesetEdition(), never by asking which edition
// runs.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

struct TPageTable;
struct TStyle;
template <class T>
class OwningList;
using TStyleList = OwningList<TStyle>;
struct TZtSpan;
struct TLayoutContext;
struct TPendingPicture;
struct TRunGroup;
class TTypesetter;

class TypesetEdition {
public:
    virtual ~TypesetEdition() = default;

    // The advance of one cell of a run along its column: the character
    // height, scaled by the run's spacing.
    virtual int32_t ScaleByRatioText(const TZtSpan& run) const;

    // The typesetter's pass over the source lines, its line interpreter
    // and its odd-page start (typeset/typesetter).
    virtual void Run(TTypesetter& typesetter) const;
    virtual void ProcessLine(TTypesetter& typesetter, const QString& line) const;
    virtual bool StartOnOddPage(TTypesetter& typesetter) const;

    // The layout context's page and column operations (typeset/layout).
    // The columns a page of the context takes: the 【HS n】 override when
    // positive, else the box's LINES.
    virtual int32_t LinesPerPage(const TLayoutContext& context) const;
    virtual void ResetOccupancy(TLayoutContext& context) const;
    virtual int32_t AvailableLength(const TLayoutContext& context) const;
    virtual bool ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture) const;
    virtual void EmitLine(TLayoutContext& context) const;
    virtual void NewPage(TLayoutContext& context) const;

    // Cells and lengths of text under the current punctuation mode
    // (typeset/cells).
    virtual int32_t CountCells(QStringView text) const;
    virtual int32_t MeasureCells(QStringView text, int32_t advance) const;
    virtual int32_t FitChars(QStringView text, int32_t advance, int32_t& length, int32_t& cells) const;

    // The punctuation classes of line breaking: marks kept off the end of a
    // column, marks kept off its start, marks set in half a cell, and the
    // sentence ends that may give half a cell back.
    virtual bool IsOpeningMark(char16_t c) const;
    virtual bool IsClosingMark(char16_t c) const;
    virtual bool IsQuoteBracketPause(char16_t c) const;
    virtual bool IsSentenceEnd(char16_t c) const;
    // Marks that take no cell where marks take room: the dot and book-title
    // marks (typeset/cells).
    virtual bool IsRoomlessMark(char16_t c) const;

    // Cutting a source line into segments and runs (typeset/runs).
    virtual QString StripNonLayoutTags(QStringView text) const;
    virtual void LayoutInputLine(TLayoutContext& context, QStringView text) const;

    // Placing runs into columns (typeset/placing).
    virtual void WriteLineHead(TLayoutContext& context) const;
    virtual void IndentLine(TLayoutContext& context) const;
    virtual void PlaceTextSegment(TLayoutContext& context) const;
    virtual void PlaceRuns(TLayoutContext& context, int32_t available, const std::vector<TRunGroup>& groups,
                           bool mayBreak) const;
    virtual void OpenRunTags(TLayoutContext& context, QStringView piece) const;

    // Notes (typeset/notes).
    virtual void PlaceNoteSegment(TLayoutContext& context) const;
    virtual void MeasureRemainingRuns(TLayoutContext& context) const;

    // Page sizes that the volume-data file does not store, worked out again
    // for a table read from it under the styles of its set (nothing in the
    // woodblock edition).
    virtual void RestoreUsedSizes(TPageTable& table, const TStyleList& styles) const;

    // --- Page-to-source map (typeset/sourcemap) ---
    // Where each page ends in the source (its lines joined with CR LF), and
    // the matching and key forms it uses, which follow how the edition
    // writes punctuation and bracket tags.
    virtual void MapPagesToSource(QStringView source, std::vector<int32_t>& map) const;
    virtual int32_t FindInTypesetText(int32_t start, QStringView text, QStringView key) const;
    virtual QString StripTagsForDisplay(QStringView line) const;
};

// The forms of the edition the program runs as (g_Edition).
const TypesetEdition& CurrentTypesetEdition();
