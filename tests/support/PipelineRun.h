#pragma once
// A text through the whole pipeline of the installed edition: typeset under
// a parameter set, then every shown page drawn onto a recording Dc at zoom
// 1, as the page view draws it. What a run gives is checked by the pipeline
// fuzz target and by the tests of its findings:
// - the pages stay within what the text can make (PagesBound);
// - where every tag of the text keeps its text, each Han character of the
//   text is on the pages once;
// - no glyph shows outside its page (one set outside it must be hidden by
//   the clip in force: the sheet's, or a box's within it).
#include <cstdint>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

struct TPageTable;
struct TParaSet;

struct TPipelineRun {
    QString text;
    int32_t pages = 0;
    int32_t textHan = -1;  // the text's Han characters; -1 when a tag may drop text
    int32_t pageHan = 0;   // those on the pages
    int32_t glyphsOutside = 0;  // visible outside the page
    QString firstOutside;       // the first of them, with where
    int32_t glyphsSetOutside = 0;  // set outside the page, hidden or not
};

// The most pages a text of this length may make.
int32_t PagesBound(const QString& text);

// Typesets the text (lines split at line ends) into the set, which gets the
// default style when it has none, and draws every shown page. A damage, when
// given, changes the typeset pages before they are drawn, as a damaged
// volume file would give them.
TPipelineRun RunPipeline(const QString& text, TParaSet& set, bool twoPage,
                         const std::function<void(TPageTable&)>& damage = {});

// Han characters (the unified ideographs of the basic plane and extension
// A) in a text, tags <…> left out.
int32_t CountHan(const QString& text, bool skipTags);
// Whether every bracket tag of the text keeps its text in place: line-head
// raises and indents, justification, a column count, spacing runs.
bool TagsKeepText(const QString& text);

// One input of the pipeline fuzz target, under the edition installed: a
// flags byte (bit 0 two-page display, bits 1-3 the number of layout
// values), per value a field byte and five value bytes, then the text (UTF-8
// after a byte with its low bit clear, else UTF-16LE). Nothing is run when a
// layout value is outside its range: the readers and dialogs refuse it. A
// value of a field the edition's files do not store is skipped.
std::optional<TPipelineRun> RunPipelineInput(const QByteArray& input);
// What the run broke, empty when it held every rule.
QString PipelineFault(const TPipelineRun& run);
