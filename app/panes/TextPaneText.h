#pragma once
// The text pane's copy of the pre-processed text: the lines joined with
// CR LF, where each page ends in it, and which part the pane shows. Edits
// come back as the shown part's new text and are spliced into the range the
// pane last showed, whatever page the view has moved to since.
#include <cstdint>
#include <vector>

#include <QString>

class TextPaneText {
public:
    // The part of the full text a page range covers: units start..end,
    // both inclusive; empty when end < start.
    struct Range {
        int32_t start = 0;
        int32_t end = -1;
        int32_t lastPage = -1;  // the last page of the range; -1 the whole text
    };

    // The lines joined with CR LF, and the page end offsets mapped anew.
    void Load(const std::vector<QString>& lines);
    void Clear();

    const QString& FullText() const { return full_; }
    std::vector<int32_t>& PageEnds() { return pageEnds_; }
    const std::vector<int32_t>& PageEnds() const { return pageEnds_; }

    // The range of text pages first..max(first, second); an offset the
    // table lacks gives an empty range.
    Range PagesRange(int32_t first, int32_t second) const;
    Range WholeRange() const { return {0, int32_t(full_.size()) - 1, -1}; }
    QString TextOf(const Range& range) const;

    // Puts text in place of the range's part. Page ends from the range's
    // last page on move by the change in length; with the whole text they
    // are mapped anew. False when nothing changed.
    bool Replace(const Range& range, const QString& text);

    // The full text split at each CR LF.
    std::vector<QString> Lines() const;

private:
    void MapPages();

    QString full_;
    std::vector<int32_t> pageEnds_;
};
