// The horizontal page-to-source map: the source keeps its horizontal
// punctuation and its 【…】 tags, and glyph tags are matched in that form.
#include "editions/horizontal/HorizontalTypesetting.h"

#include "typeset/sourcemap/SourceMap.h"

namespace {

constexpr TSourceMapForm kHorizontalSourceMap{u'【', u'】', false, false};

}  // namespace

void HorizontalTypesetting::MapPagesToSource(QStringView source, std::vector<int32_t>& map) const
{
    SourceMap::MapPagesToSource(source, map, kHorizontalSourceMap);
}

int32_t HorizontalTypesetting::FindInTypesetText(int32_t start, QStringView text, QStringView key) const
{
    return SourceMap::FindInTypesetText(start, text, key, kHorizontalSourceMap);
}

QString HorizontalTypesetting::StripTagsForDisplay(QStringView line) const
{
    return SourceMap::StripTagsForDisplay(line, kHorizontalSourceMap);
}
