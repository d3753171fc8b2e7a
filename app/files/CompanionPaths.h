#pragma once
// Where a book keeps its companion files, named from the book folder F and
// its last path component N: the typeset file F.<ext> beside the folder,
// the others F/N.<ext> inside it.
#include <cstdint>

#include <QString>

struct TBook;

enum CompanionKind : int32_t {
    kTypesetCompanion = 0,
    kIndexCompanion = 1,
    kFourInOneCompanion = 2,
    kFourthCompanion = 3,  // named only; no file of this kind is made
};

// Empty for a null book, a book without a folder (or the root "/" as its
// folder) and any other kind. N keeps any dots it has ("史記.v1").
QString GetCompanionPath(const TBook* book, int32_t kind);
