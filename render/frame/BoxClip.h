#pragma once
// The texts of a page's furniture (the centre column's, the side box's, the
// page bar's) stand in boxes of their own: a text longer than its box is
// cut at the box's edge, not drawn over the frame, the page's text or past
// the sheet. A text that fits draws as it would without the clip.
#include <optional>

#include "platform/WinTypes.h"

class Dc;

// The part of a rectangle within another.
WinRect Intersection(const WinRect& a, const WinRect& b);

// Selects the clip, or none.
void SelectClipOrNone(Dc& dc, const std::optional<WinRect>& clip);

// While it lives, the drawing is clipped to a box (logical pixels) within
// the clip in force (device pixels, none for none); that clip comes back
// after.
class BoxClipScope {
public:
    BoxClipScope(Dc& dc, const WinRect& box, const std::optional<WinRect>& inForce);
    ~BoxClipScope();
    BoxClipScope(const BoxClipScope&) = delete;
    BoxClipScope& operator=(const BoxClipScope&) = delete;

    // Nothing of the box shows: drawing into it can be left out.
    bool Hidden() const { return hidden_; }

private:
    Dc& dc_;
    std::optional<WinRect> inForce_;
    bool hidden_ = false;
};
