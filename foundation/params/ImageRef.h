#pragma once
// A picture named by a folder kind and a file name: a style's background and
// the entries of the background list. The file is found by ResolveImageRef.
#include <cstdint>

#include <QString>

#include "foundation/OwningList.h"

struct TImageRef {
    int32_t folderKind = -1;  // a PictureFolder value; -1 none
    QString name;             // the file name, with or without extension
};

using TImageRefList = OwningList<TImageRef>;
