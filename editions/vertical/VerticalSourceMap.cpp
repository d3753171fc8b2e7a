// The vertical page-to-source map: a column's pieces all belong to the
// page's text, so the key takes the last columns whole.
#include "editions/vertical/VerticalTypesetting.h"

#include "typeset/sourcemap/SourceMap.h"

namespace {

constexpr TSourceMapForm kVerticalSourceMap{u'\uFE3B', u'\uFE3C', true, false};

}  // namespace

void VerticalTypesetting::MapPagesToSource(QStringView source, std::vector<int32_t>& map) const
{
    SourceMap::MapPagesToSource(source, map, kVerticalSourceMap);
}
