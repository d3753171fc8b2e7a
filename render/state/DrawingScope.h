#pragma once
// Drawing state put back when a step is done. Every scope keeps the Dc's
// selected font; a scope on the renderer keeps as well the Dc's text colour
// and the renderer's current font, and, asked, its run font name.
#include <optional>

#include <QString>

#include "foundation/params/FontStyle.h"
#include "platform/Dc.h"

class PageRenderer;

class DrawingScope {
public:
    // Selects font for the step.
    DrawingScope(Dc& dc, const DcFont& font);
    enum class RunName { Changes, Kept };
    DrawingScope(PageRenderer& renderer, Dc& dc, RunName runName);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    Dc& dc_;
    DcFont dcFont_;
    PageRenderer* renderer_ = nullptr;
    ColorRef color_ = 0;
    TFontStyle font_;
    std::optional<QString> runFontName_;
};
