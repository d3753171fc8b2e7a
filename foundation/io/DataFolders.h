#pragma once
// The folders that pictures are taken from, and the resolution of a picture
// name to its file.
#include <cstdint>

#include <QString>

#include "foundation/params/ImageRef.h"

// The folder kinds stored in picture references that have a folder of their
// own; kinds 1, 2 and 5 are the project folder itself.
enum PictureFolder : int32_t {
    kCoverFolder = 0,   // whole-page pictures, beside the program
    kCharFolder = 3,    // pictures of characters that no font holds, in the project
    kGroundFolder = 4,  // page backgrounds, beside the program
};

// The folder of a kind; empty for an unknown kind, and for a project kind
// while no project folder is set.
QString GetDataFolder(int32_t kind);
// The file of a picture name in the folder of a kind, or empty. A name that
// ends in ".bmp", ".jpg", ".gif", ".tif" or ".png" (lower case) is taken as
// it is, whether the file exists or not; any other name is tried with each of
// those appended, in that order.
QString ResolveImagePath(const QString& name, int32_t kind);
QString ResolveImageRef(const TImageRef& ref);

// Empties the list, then adds a reference for each picture below the
// background folder.
void ListGrounds(TImageRefList& list);
// Index of the first entry of that name (case-sensitive); -1 when none.
int32_t FindGround(const TImageRefList& list, const QString& name);
