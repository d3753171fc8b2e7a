#pragma once
// The texts of a page's furniture (the centre column's, the side box's, the
// page bar's) stand in boxes of their own: a text longer than its box is
// cut at the box's edge, not drawn over the frame, the page's text or past
// the sheet. A text that fits draws as it would without the clip.
#include <cstdint>
#include <optional>

#include "platform/WinTypes.h"

class Dc;

// The part of a rectangle within another.
WinRect Intersection(const WinRect& a, const WinRect& b);

// Selects the clip, or none.
void SelectClipOrNone(Dc& dc, const std::optional<WinRect>& clip);

// The parts of a side column (device pixels) its title and its page number
// stand in: the upper of the two stops a character cell (its own) short
// of where the lower begins, so that a long title never runs on into the
// number; starting together, each has the whole box.
struct SideBoxParts {
    WinRect title;
    WinRect number;
};

// A text of the side column: where it starts and its character cell's height.
struct SideBoxText {
    int32_t top = 0;
    int32_t cell = 0;
};

SideBoxParts PartSideBox(const WinRect& box, SideBoxText title, SideBoxText number);

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
