// Clipping the texts of the page's furniture to their boxes.
#include "render/frame/BoxClip.h"

#include <algorithm>

#include "platform/Dc.h"

WinRect Intersection(const WinRect& a, const WinRect& b)
{
    WinRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    // Nothing in common: an empty rectangle, never one turned inside out.
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

SideBoxParts PartSideBox(const WinRect& box, SideBoxText title, SideBoxText number)
{
    SideBoxParts parts{box, box};
    const auto Part = [&box](WinRect& upper, WinRect& lower, const SideBoxText& u, const SideBoxText& l) {
        upper.bottom = std::clamp(l.top - std::max(u.cell, 0), box.top, box.bottom);
        lower.top = std::clamp(l.top, box.top, box.bottom);
    };
    if (title.top < number.top)
        Part(parts.title, parts.number, title, number);
    else if (number.top < title.top)
        Part(parts.number, parts.title, number, title);
    return parts;
}

void SelectClipOrNone(Dc& dc, const std::optional<WinRect>& clip)
{
    if (clip)
        dc.SelectClipRect(*clip);
    else
        dc.ClearClip();
}

BoxClipScope::BoxClipScope(Dc& dc, const WinRect& box, const std::optional<WinRect>& inForce)
    : dc_(dc), inForce_(inForce)
{
    WinRect clip = dc.LpToDp(box);
    if (inForce)
        clip = Intersection(clip, *inForce);
    hidden_ = clip.IsEmpty();
    dc.SelectClipRect(clip);
}

BoxClipScope::~BoxClipScope() { SelectClipOrNone(dc_, inForce_); }
