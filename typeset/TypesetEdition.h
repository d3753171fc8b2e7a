#pragma once
// The typesetting operations that an edition does its own way. Each virtual's
// body is the woodblock form, defined beside the rest of its concern
// (typesetter/, layout/, cells/, runs/, placing/, notes/); an edition that
// sets some of them differently returns its own subclass from
// Edition::Typesetting() (the vertical forms in editions/vertical, the
// horizontal ones, derived from the vertical, in editions/horizontal) and
// calls the base form for the steps it shares. The engine reaches every
// such operation through CurrentTypesetEdition() (the layout context's and
// typesetter's members of the same names), never by asking which edition
// runs.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include <QString>
#include <QStringView>

#include "typeset/sourcemap/SourceMap.h"

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
    // One free range per column of the page (LinesPerPage entries).
    virtual void ResetOccupancy(TLayoutContext& context) const;
    // The usable length of the box's column, or the part of it above (upper
    // pass, or a picture at the foot) or below (lower pass, or a picture at
    // the top) a picture: L × cells ÷ TEXT_PER_LINE in floating point, + 0.5,
    // truncated. A column the table does not hold is free.
    virtual int32_t AvailableLength(const TLayoutContext& context) const;
    // The same for a column whose whole usable length is length.
    int32_t AvailableLengthIn(const TLayoutContext& context, int64_t length) const;
    // Places the picture on the first run of free columns of the page from
    // the current column on, within the box's columns and the occupancy
    // table; false when there is none.
    virtual bool ReserveBlockLines(TLayoutContext& context, const TPendingPicture& picture) const;
    // Stores the line buffer as the next column (body, head-box or collected
    // line by mode), leaving the page first when it is full. In the upper
    // pass the column is only held: it is stored once, joined to its lower
    // part.
    virtual void EmitLine(TLayoutContext& context) const;
    // Moves to the next page of the table (appended when there is none) and
    // places the pending pictures in order until one does not fit; a
    // picture that does not fit the still free page is dropped (no page of
    // the box could take it).
    virtual void NewPage(TLayoutContext& context) const;

    // Cells and lengths of text under the current punctuation mode
    // (typeset/cells).
    virtual int32_t CountCells(QStringView text) const;
    virtual int32_t MeasureCells(QStringView text, int32_t advance) const;
    // A book-title opener (〈《︽︿) that ends the fitted part is given back,
    // and a book-title closer (〉》︾﹀) right after it is taken in; length
    // and cells keep the values of the walk.
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

    // Cutting a source line into segments and runs (typeset/runs). The
    // woodblock form of stripping turns every horizontal bracket and
    // quotation mark into its vertical form, so that all measuring sees the
    // vertical forms.
    virtual QString StripNonLayoutTags(QStringView text) const;
    virtual void LayoutInputLine(TLayoutContext& context, QStringView text) const;
    // A line's emphasis spans as the layout takes them: the woodblock form
    // gives each character a span of its own and adds the span's mark set
    // to the style's list.
    virtual QString ExpandEmphasisRuns(TLayoutContext& context, QStringView text) const;

    // Placing runs into columns (typeset/placing).
    virtual void WriteLineHead(TLayoutContext& context) const;
    virtual void IndentLine(TLayoutContext& context) const;
    virtual void PlaceTextSegment(TLayoutContext& context) const;
    virtual void PlaceRuns(TLayoutContext& context, int32_t available, const std::vector<TRunGroup>& groups,
                           bool mayBreak) const;
    virtual void OpenRunTags(TLayoutContext& context, QStringView piece) const;

    // Notes (typeset/notes), set inside the column in the box's note font.
    virtual void PlaceNoteSegment(TLayoutContext& context) const;
    // ZHINENG, single-line notes: the cells and length left measured again,
    // giving back half a cell where a run that ends with 。 meets a mark.
    virtual void MeasureRemainingRuns(TLayoutContext& context) const;

    // Page sizes that the volume-data file does not store, worked out again
    // for a table read from it under the styles of its set (nothing in the
    // woodblock edition).
    virtual void RestoreUsedSizes(TPageTable& table, const TStyleList& styles) const;

    // --- Page-to-source map (typeset/sourcemap) ---
    // How the edition's typeset text is matched against its source, which
    // follows how it writes punctuation and bracket tags.
    virtual TSourceMapForm SourceMapForm() const;
    // Where each page ends in the source (its lines joined with CR LF), and
    // the matching and key forms it uses, under SourceMapForm().
    void MapPagesToSource(QStringView source, std::vector<int32_t>& map) const;
    int32_t FindInTypesetText(int32_t start, QStringView text, QStringView key) const;
    QString StripTagsForDisplay(QStringView line) const;

    // --- What measuring asks of a unit (typeset/cells) ---
    // The punctuation classes above that decide a unit's room, as bits,
    // looked up in a table built from them on first use: an edition's
    // classes never change, and measuring asks for every character.
    enum RoomClass : uint8_t { kPunctClass = 1, kRoomlessClass = 2, kHalfCellClass = 4, kSentenceEndClass = 8 };
    uint8_t RoomClassesOf(char16_t c) const
    {
        // Built once; afterwards a plain load, no call_once per character.
        const RoomTable* table = roomTable_.load(std::memory_order_acquire);
        return (table ? *table : BuildRoomClasses())[c];
    }

private:
    using RoomTable = std::array<uint8_t, 0x10000>;
    const RoomTable& BuildRoomClasses() const;

    mutable std::once_flag roomClassesBuilt_;
    mutable std::unique_ptr<RoomTable> roomClasses_;
    mutable std::atomic<const RoomTable*> roomTable_{nullptr};
};

// The forms of the edition the program runs as (g_Edition).
const TypesetEdition& CurrentTypesetEdition();
