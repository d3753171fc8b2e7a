#include "render/state/DrawingScope.h"

#include <utility>

#include "render/PageRenderer.h"

DrawingScope::DrawingScope(Dc& dc, const DcFont& font) : dc_(dc), dcFont_(dc.SelectFont(font)) {}

DrawingScope::DrawingScope(PageRenderer& renderer, Dc& dc, RunName runName)
    : dc_(dc), dcFont_(dc.State().font), renderer_(&renderer), color_(dc.State().textColor), font_(renderer.CurFont)
{
    if (runName == RunName::Kept)
        runFontName_ = renderer.RunFontName;
}

DrawingScope::~DrawingScope()
{
    if (renderer_) {
        renderer_->CurFont = std::move(font_);
        if (runFontName_)
            renderer_->RunFontName = std::move(*runFontName_);
    }
    dc_.SelectFont(dcFont_);
    if (renderer_)
        dc_.SetTextColor(color_);
}
