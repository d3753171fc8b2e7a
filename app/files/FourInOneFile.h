#pragma once
// The 4-in-1 file of a book (inside the book folder, named after it),
// written and never read:
//
//   int32 32 · the 4-in-1 magic · the grouping (group ends, page orders,
//   group tables) · the sheet parameters
#include <QString>

struct TPara4in1;

// Writes g_4in1Data and the sheet parameters to path. Nothing happens for
// an empty path; a failed save is reported and gives false.
bool Write4in1File(const QString& path, const TPara4in1& para);
