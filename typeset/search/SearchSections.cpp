#include "typeset/search/SearchSections.h"

#include <algorithm>
#include <tuple>

#include "foundation/params/Style.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "typeset/pages/PageRecord.h"

namespace {

// A line as the search sees it: its text, its title tags and its glyph tags.
QString ReducedText(QStringView line)
{
    QString kept = line.toString();
    KeepTitleTags(kept);
    return kept;
}

// The first "<JM" or "<BT" at or after from; -1 when there is none.
qsizetype FirstTitleTag(QStringView line, qsizetype from)
{
    if (from >= line.size())
        return -1;
    const qsizetype jm = line.indexOf(u"<JM", from);
    const qsizetype bt = line.indexOf(u"<BT", from);
    if (jm < 0 || bt < 0)
        return std::max(jm, bt);
    return std::min(jm, bt);
}

// Adds a piece of line j of a page to the section; its display length.
int32_t AppendToSection(TSearchSection& section, int32_t page, QStringView piece, int32_t line, int32_t startOffset)
{
    if (section.text.isEmpty()) {
        section.firstPage = page;
        section.firstLine = line;
        section.startOffset = startOffset;
        section.pieces.clear();
    }
    const QString kept = ReducedText(piece);
    const int32_t length = CountCodePoints(kept);
    section.text += kept;
    section.pieces.push_back({page, length});
    return length;
}

TSearchSection& LastSection(TPageTable& table)
{
    TSearchSection* last = table.sections.Last();
    return last ? *last : *table.sections.AddNew();
}

void SplitLineIntoSections(TPageTable& table, QStringView line, int32_t page, int32_t j)
{
    qsizetype at = FirstTitleTag(line, 0);
    if (at < 0) {
        AppendToSection(LastSection(table), page, line, j, 0);
        return;
    }
    int32_t shown = 0;  // display length of the line appended so far
    if (at > 0)
        shown += AppendToSection(LastSection(table), page, line.left(at), j, 0);
    while (at >= 0) {
        const qsizetype next = FirstTitleTag(line, at + 2);
        const QStringView piece = next < 0 ? line.mid(at) : line.mid(at, next - at);
        shown += AppendToSection(*table.sections.AddNew(), page, piece, j, shown);
        at = next;
    }
}

}  // namespace

void BuildSectionIndex(TPageTable& table)
{
    table.sections.Clear();
    for (int32_t p = 0; p < table.pages.Size(); ++p) {
        const TPageRec& page = table.pages[p];
        if (IsCoverName(page.styleName))
            continue;
        for (size_t j = 0; j < page.lines.size(); ++j)
            SplitLineIntoSections(table, page.lines[j].text, p, int32_t(j));
    }
}

int32_t DisplayLength(QStringView line) { return CountCodePoints(ReducedText(line)); }

int32_t SectionOfPosition(const TPageTable& table, int32_t page, int32_t line, int32_t column)
{
    if (table.sections.IsEmpty())
        return -1;
    const auto at = std::tie(page, line, column);
    int32_t found = 0;
    for (int32_t i = 1; i < table.sections.Size(); ++i) {
        const TSearchSection& s = table.sections[i];
        if (std::tie(s.firstPage, s.firstLine, s.startOffset) > at)
            break;
        found = i;
    }
    return found;
}

int32_t SectionOffsetOf(const TSearchSection& section, int32_t page, int32_t line, int32_t column)
{
    const std::vector<TSectionPiece>& pieces = section.pieces;
    if (page < section.firstPage)
        return -1;
    size_t first = 0;  // the piece of the cursor's page's first line in the section
    int32_t lineInSection = line - section.firstLine;
    int32_t offset = 0;
    if (page > section.firstPage) {
        while (first < pieces.size() && pieces[first].page < page)
            offset += pieces[first++].length;
        if (first == pieces.size() || pieces[first].page != page)
            return offset;
        lineInSection = line;
    } else if (lineInSection < 0) {
        return -1;
    }
    const size_t cursorPiece = first + size_t(std::max(lineInSection, 0));
    for (size_t i = first; i < cursorPiece && i < pieces.size(); ++i)
        offset += pieces[i].length;
    if (cursorPiece >= pieces.size())
        return offset;
    if (cursorPiece == 0)
        return offset + std::max(column - section.startOffset, 0);
    return offset + std::max(column, 0);
}

SectionWalker::SectionWalker(const TSearchSection& section)
    : section_(section), page_(section.firstPage), line_(section.firstLine), base_(section.startOffset)
{
}

void SectionWalker::NextPiece()
{
    pieceStart_ += section_.pieces[piece_].length;
    ++piece_;
    ++line_;
    base_ = 0;
    if (piece_ < section_.pieces.size() && section_.pieces[piece_].page != page_) {
        page_ = section_.pieces[piece_].page;
        line_ = 0;
    }
}

void SectionWalker::AddPositions(int32_t start, int32_t count, std::vector<THitPosition>& positions)
{
    const std::vector<TSectionPiece>& pieces = section_.pieces;
    while (piece_ < pieces.size() && start >= pieceStart_ + pieces[piece_].length)
        NextPiece();
    // Within the hit, each later line is taken from its start.
    int32_t e = std::max(start - pieceStart_, 0);
    int32_t added = 0;
    while (piece_ < pieces.size() && added < count) {
        for (; e < pieces[piece_].length && added < count; ++e, ++added)
            positions.push_back({page_, line_, base_ + e});
        if (added < count)
            NextPiece();
        e = 0;
    }
}

void AddHitPositions(int32_t e, const TSearchSection& section, QStringView key, THitRecord& record)
{
    SectionWalker(section).AddPositions(e, CountCodePoints(key), record.positions);
}
