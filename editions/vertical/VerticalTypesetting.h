#pragma once
// The typesetting rules of VellumorVert: columns as wide as their widest
// characters, a page full when its columns fill the box's width. Until an
// operation is given its vertical form here, the woodblock form runs.
#include "typeset/TypesetEdition.h"

class VerticalTypesetting : public TypesetEdition {
public:
    // --- Page-to-source map (VerticalSourceMap.cpp) ---
    // A page's key takes its last columns whole.
    TSourceMapForm SourceMapForm() const override;
};
