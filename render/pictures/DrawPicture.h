#pragma once
// A loaded picture drawn onto a Dc.
#include "foundation/Picture.h"
#include "platform/WinTypes.h"

class Dc;

// Stretch the whole picture into the rectangle (device pixels). Copy replaces
// the target; Multiply leaves it unchanged where the picture is white and
// darkens it where the picture is dark. False when nothing could be drawn.
bool DrawPictureCopy(const WinRect& rect, const TPicture& picture, Dc& dc);
bool DrawPictureMultiply(const WinRect& rect, const TPicture& picture, Dc& dc);
// The same into the largest rectangle of the picture's aspect ratio centred
// in the given one.
bool DrawPictureFitCopy(const TPicture& picture, const WinRect& rect, Dc& dc);
bool DrawPictureFitMultiply(const TPicture& picture, const WinRect& rect, Dc& dc);
