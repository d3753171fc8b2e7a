// The tag-aware scan of the source for a page's key.
#include "typeset/sourcemap/SourceMap.h"

#include <algorithm>

#include "foundation/text/TagUtils.h"

namespace {

bool IsSkippedBlank(QChar c) { return c == u'\r' || c == u'\n' || c == u' ' || c == QChar(0x3000); }

bool IsNoteBlock(QStringView tag) { return tag.startsWith(u"MP") || tag.startsWith(u"CP"); }
bool IsMatchedTag(QStringView tag) { return tag.startsWith(u"TZ") || tag.startsWith(u"TP"); }

// What a bracket tag at i does to the scan: nothing (its units are text),
// close every open tag and match its units as text (glyph and picture
// tags), count as a skipped tag, or jump over a whole note block.
enum class TagStep { Text, Matched, Skip, JumpTo };

struct TagAt {
    TagStep step = TagStep::Text;
    qsizetype next = 0;  // for JumpTo: the index after the block
};

TagAt ReadTag(QStringView text, qsizetype i, const TSourceMapForm& form)
{
    const qsizetype close = text.indexOf(QChar(form.tagClose), i + 1);
    if (close < 0)
        return {};  // no closing mark: the rest is text
    const QStringView tag = text.mid(i + 1, close - i - 1);
    if (IsNoteBlock(tag)) {
        const QString closing = QChar(form.tagOpen) + u'-' + tag.left(2).toString() + QChar(form.tagClose);
        const qsizetype end = text.indexOf(closing, close + 1);
        if (end >= 0)
            return {TagStep::JumpTo, end + closing.size()};
    }
    if (IsMatchedTag(tag))
        return {TagStep::Matched, 0};
    return {IsLayoutTag(tag) ? TagStep::Skip : TagStep::Text, 0};
}

}  // namespace

SourceMap::ScanStep SourceMap::StepScan(QStringView text, qsizetype i, int32_t& depth, const TSourceMapForm& form)
{
    const QChar c = text[i];
    if (c == QChar(form.tagOpen)) {
        const TagAt tag = ReadTag(text, i, form);
        if (tag.step == TagStep::JumpTo)
            return {tag.next, false};
        if (tag.step == TagStep::Skip) {
            ++depth;
            return {i + 1, false};
        }
        if (tag.step == TagStep::Matched)
            depth = 0;
    } else if (c == QChar(form.tagClose) && depth > 0) {
        --depth;
        return {i + 1, false};
    }
    return {i + 1, depth == 0 && !IsSkippedBlank(c)};
}

int32_t SourceMap::FindInTypesetText(int32_t start, QStringView text, QStringView key, const TSourceMapForm& form)
{
    if (key.isEmpty() || text.size() < key.size())
        return -1;
    int32_t depth = 0;      // layout tags open around the unit
    qsizetype matched = 0;  // key units matched
    qsizetype first = 0;    // where the partial match began
    for (qsizetype i = std::max(start, 0); i < text.size();) {
        const qsizetype at = i;
        const ScanStep step = StepScan(text, at, depth, form);
        i = step.next;
        if (!step.compared)
            continue;
        if (text[at] != key[matched]) {
            // Start again just after where the partial match began, so that
            // tags skipped inside it are read again from their start.
            i = matched > 0 ? first + 1 : at + 1;
            matched = 0;
            continue;
        }
        if (matched == 0)
            first = at;
        if (++matched == key.size())
            return int32_t(at);
    }
    return -1;
}
