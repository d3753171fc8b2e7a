#pragma once
// Find hits as per-character flags of a page, and their highlight.
#include <cstdint>
#include <vector>

#include <QStringView>

// One flag per display character of the page up to the last hit: 1 inside
// a hit of findText starting at one of the offsets (in order), 0 elsewhere.
// Overlapping hits flag the union. Empty for an empty find text.
std::vector<int32_t> HitFlagsOf(const std::vector<int32_t>& offsets, QStringView findText);
