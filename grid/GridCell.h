#pragma once
// One cell of the grid, and the item record through which cells are set and
// read field by field.
#include <cstdint>

#include <QString>

#include "grid/GridTypes.h"
#include "platform/Dc.h"

class CGridCell {
public:
    uint32_t state = 0;   // GridCellState bits
    uint32_t format = 0;  // DT_* flags
    QString text;
    int image = -1;       // index into the grid's images; -1 none
    ColorRef background = kGridDefaultColour;
    ColorRef textColour = kGridDefaultColour;
    intptr_t data = 0;
    DcFont font;
};

struct TGridItem {
    int row = 0;
    int col = 0;
    uint32_t mask = 0;  // GridItemMask bits: the fields that count
    uint32_t state = 0;
    uint32_t format = 0;
    QString text;
    int image = -1;
    ColorRef background = kGridDefaultColour;
    ColorRef textColour = kGridDefaultColour;
    intptr_t data = 0;
    DcFont font;
};

// An item for (0, 0) with nothing in its mask.
inline TGridItem InitGridItem() { return TGridItem(); }
