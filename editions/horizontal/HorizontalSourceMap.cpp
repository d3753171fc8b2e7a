// The horizontal page-to-source map: the source keeps its horizontal
// punctuation and its 【…】 tags, and glyph tags are matched in that form.
#include "editions/horizontal/HorizontalTypesetting.h"

TSourceMapForm HorizontalTypesetting::SourceMapForm() const { return {u'【', u'】', false, false}; }
