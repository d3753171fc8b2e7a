#include "app/panes/TextPaneText.h"

#include <algorithm>

#include "typeset/TypesetEdition.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

}  // namespace

void TextPaneText::Load(const std::vector<QString>& lines)
{
    full_.clear();
    pageEnds_.clear();
    if (lines.empty())
        return;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + kLineBreak.size();
    full_.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            full_ += kLineBreak;
        full_ += lines[i];
    }
    MapPages();
}

void TextPaneText::Clear()
{
    full_.clear();
    pageEnds_.clear();
}

void TextPaneText::MapPages()
{
    pageEnds_.clear();
    CurrentTypesetEdition().MapPagesToSource(full_, pageEnds_);
}

TextPaneText::Range TextPaneText::PagesRange(int32_t first, int32_t second) const
{
    const int32_t pages = int32_t(pageEnds_.size());
    const int32_t last = std::max(first, second);
    Range range{0, -1, last};
    if (first < 0 || first > pages || last >= pages)
        return range;
    range.start = first == 0 ? 0 : pageEnds_[size_t(first - 1)] + 1;
    range.end = std::min(pageEnds_[size_t(last)], int32_t(full_.size()) - 1);
    range.start = std::clamp(range.start, 0, int32_t(full_.size()));
    return range;
}

QString TextPaneText::TextOf(const Range& range) const
{
    const int32_t count = range.end - range.start + 1;
    return count > 0 ? full_.mid(range.start, count) : QString();
}

bool TextPaneText::Replace(const Range& range, const QString& text)
{
    const int32_t start = std::clamp(range.start, 0, int32_t(full_.size()));
    const int32_t oldCount = std::max(0, std::min(range.end, int32_t(full_.size()) - 1) - start + 1);
    if (QStringView(full_).mid(start, oldCount) == text)
        return false;
    full_.replace(start, oldCount, text);
    if (range.lastPage < 0) {
        MapPages();
        return true;
    }
    const int32_t delta = int32_t(text.size()) - oldCount;
    for (size_t p = size_t(std::max(range.lastPage, 0)); p < pageEnds_.size(); ++p)
        pageEnds_[p] += delta;
    return true;
}

std::vector<QString> TextPaneText::Lines() const
{
    std::vector<QString> lines;
    qsizetype from = 0;
    for (qsizetype at = full_.indexOf(kLineBreak); at >= 0; at = full_.indexOf(kLineBreak, from)) {
        lines.push_back(full_.mid(from, at - from));
        from = at + kLineBreak.size();
    }
    lines.push_back(full_.mid(from));
    return lines;
}
