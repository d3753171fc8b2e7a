// The vertical page-to-source map: a column's pieces all belong to the
// page's text, so the key takes the last columns whole.
#include "editions/vertical/VerticalTypesetting.h"

TSourceMapForm VerticalTypesetting::SourceMapForm() const { return {u'\uFE3B', u'\uFE3C', true, false}; }
