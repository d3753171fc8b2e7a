#pragma once
// The small value types of the grid control: cell addresses and ranges, the
// bits of a cell's state and of an item mask, and the numbers the grid
// reports to its owner.
#include <cstdint>

#include "platform/WinTypes.h"

// A cell address; -1 in either part means no cell.
struct CCellID {
    int row = -1;
    int col = -1;

    bool operator==(const CCellID&) const = default;
};

// A block of cells by its inclusive corners.
struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    bool operator==(const CCellRange&) const = default;
    bool Contains(CCellID cell) const
    {
        return cell.row >= minRow && cell.row <= maxRow && cell.col >= minCol && cell.col <= maxCol;
    }
    CCellID TopLeft() const { return {minRow, minCol}; }
};

// Bits of a cell's state.
enum GridCellState : uint32_t {
    kCellFocused = 1,
    kCellSelected = 2,
    kCellDropHighlighted = 4,
    kCellReadOnly = 8,
};

// Bits of a TGridItem's mask: which fields SetItem copies.
enum GridItemMask : uint32_t {
    kItemText = 1,
    kItemImage = 2,
    kItemData = 4,
    kItemState = 8,
    kItemBackground = 0x10,
    kItemTextColour = 0x20,
    kItemFormat = 0x40,
    kItemFont = 0x80,
};

// A cell colour that defers to the grid's own.
inline constexpr ColorRef kGridDefaultColour = 0xFF000000;

// What the grid tells its owner through CGridCtrl::notify.
enum GridNotification : int {
    kNotifyFocusGained = -173,
    kNotifyFocusLost = -174,
    kNotifyBeginLabelEdit = -175,
    kNotifyEndLabelEdit = -176,
    kNotifyBeginDrag = -109,
};

// The mouse modes: what a press, a move and a release mean just now.
enum GridMouseMode : int {
    kMouseNothing = 0,
    kMouseSelectAll = 1,
    kMouseSelectColumns = 2,
    kMouseSelectRows = 3,
    kMouseSelectCells = 4,
    kMouseOverRowDivider = 6,
    kMouseSizingRow = 7,
    kMouseOverColumnDivider = 8,
    kMouseSizingColumn = 9,
    kMousePrepareEdit = 10,
    kMousePrepareDrag = 11,
    kMouseDragging = 12,
};

// Scroll requests, numbered as the scroll-bar codes they stand for.
enum GridScrollCode : int {
    kScrollLineBack = 0,  // up or left
    kScrollLineOn = 1,    // down or right
    kScrollPageBack = 2,
    kScrollPageOn = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollToStart = 6,
    kScrollToEnd = 7,
};

// How an in-place edit was started, besides by a typed character.
inline constexpr uint32_t kEditStartedByMouse = 0x7FFFFFFF;
