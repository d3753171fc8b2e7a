#pragma once
// Where each typeset page ends in the pre-processed text, so that the text
// pane can keep the source in step with the pages. Each body page's last few
// shown characters (its key) are looked for in the source from where the
// previous page ended, skipping the source's tags and blanks.
//
// The forms differ by edition (reached through TypesetEdition): the
// woodblock and vertical editions match against the source in vertical
// punctuation forms, whose bracket tags read ︻…︼, and the horizontal one
// against the source as it is, with 【…】; the woodblock key takes only the
// last piece of each line.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

struct TSourceMapForm {
    char16_t tagOpen;   // the bracket tags of the text matched against
    char16_t tagClose;
    bool verticalSource;   // match against ToVerticalPunctOutsideTags(source)
    bool lastPieceOfLine;  // a key line gives only its last piece (cut at "<M=" or "<P=")
};

inline constexpr TSourceMapForm kWoodblockSourceMap{u'\uFE3B', u'\uFE3C', true, true};

namespace SourceMap {

// Rebuilds map from the source and g_CurrentPages: the cover's entry (the
// last unit of the cover-end tag "-FM", when the source has one after its
// first unit), one entry per body page (the index of its last unit), and
// the source's last unit for the back cover when g_BackPages is set.
void MapPagesToSource(QStringView source, std::vector<int32_t>& map, const TSourceMapForm& form);

// The index of the last unit of the first match of key in text at or after
// start; -1 when there is none. Blanks, line breaks and layout tags of the
// text are skipped while matching, head- and side-note blocks ("MP", "CP")
// skipped whole, and glyph and picture tags ("TZ", "TP") matched as text.
int32_t FindInTypesetText(int32_t start, QStringView text, QStringView key, const TSourceMapForm& form);

// One step of that scan at unit i with depth layout tags open: the unit to
// look at next, and whether unit i is compared with the key (it is then
// the unit after i). depth is updated.
struct ScanStep {
    qsizetype next;
    bool compared;
};
ScanStep StepScan(QStringView text, qsizetype i, int32_t& depth, const TSourceMapForm& form);

// A typeset line reduced to what it shows, in the form of the matched text:
// layout tags go, a glyph tag is written inside the form's brackets, other
// tags stay.
QString StripTagsForDisplay(QStringView line, const TSourceMapForm& form);

}  // namespace SourceMap

// From the unit after index, skips closing bracket tags ("【-…】"), CR and LF
// of the source; the index of the last unit skipped, index itself when none
// is (never beyond the source's last unit).
int32_t SkipClosingTagsAndBreaks(int32_t index, QStringView source);
