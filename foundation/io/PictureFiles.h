#pragma once
// The picture file types, told apart by extension.
#include <cstdint>

#include <QString>

enum PictureType : int32_t {
    kPictureOther = 0,
    kPictureBmp = 1,
    kPictureJpg = 2,
    kPictureGif = 3,
    kPictureTif = 4,
    kPicturePng = 5,
};

// The type of the text after the path's last ".", compared exactly: "bmp",
// "jpg", "gif", "tif", "png"; kPictureOther for anything else, capitals too.
int32_t PictureTypeFromExt(const QString& path);
// The first of base + ".bmp", ".jpg", ".gif", ".tif", ".png" that exists;
// empty when none does.
QString FindPictureFile(const QString& base);
