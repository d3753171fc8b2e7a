#pragma once
// A picture loaded for one drawing or one dialog (render/pictures draws it
// onto a Dc). Pictures are kept opaque: transparent parts are laid onto white when
// loaded, as a page or a dialog would show them.
#include <cstdint>

#include <QImage>
#include <QString>

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
