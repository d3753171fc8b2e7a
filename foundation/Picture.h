#pragma once
// A picture loaded for one drawing or one dialog, and its drawing onto a Dc.
// Pictures are kept opaque: transparent parts are laid onto white when
// loaded, as a page or a dialog would show them.
#include <cstdint>

#include <QImage>
#include <QString>

#include "platform/WinTypes.h"

class Dc;

struct TPicture {
    QImage image;     // null while nothing is loaded
    QString name;     // the file name part of the path it came from
    int32_t type = 0;  // a PictureType
};

// Loads a BMP, JPEG, GIF, TIFF or PNG file (told by its content) into the
// picture, dropping what it held before. On failure the picture is left empty
// and the result is false.
bool LoadPicture(const QString& path, TPicture& picture);
void FreePicture(TPicture& picture);

// Stretch the whole picture into the rectangle (device pixels). Copy replaces
// the target; Multiply leaves it unchanged where the picture is white and
// darkens it where the picture is dark. False when nothing could be drawn.
bool DrawPictureCopy(const WinRect& rect, const TPicture& picture, Dc& dc);
bool DrawPictureMultiply(const WinRect& rect, const TPicture& picture, Dc& dc);
// The same into the largest rectangle of the picture's aspect ratio centred
// in the given one.
bool DrawPictureFitCopy(const TPicture& picture, const WinRect& rect, Dc& dc);
bool DrawPictureFitMultiply(const TPicture& picture, const WinRect& rect, Dc& dc);
