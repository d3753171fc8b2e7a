#pragma once
// Find hits as per-character flags of a page, and their highlight.
#include <cstdint>
#include <vector>

#include <QStringView>

// One flag per display character of the page up to the last hit: 1 inside
// a hit of findText starting at one of the offsets (in order), 0 elsewhere.
// Overlapping hits flag the union. Empty for an empty find text.
std::vector<int32_t> HitFlagsOf(const std::vector<int32_t>& offsets, QStringView findText);

// The flags of text page `page` of g_CurrentPages from g_CurrentHitTable
// (whose pages count from the first body page) and g_FindText; empty when
// the page has no hits. False, flags unchanged, when there is no such page,
// no find text or no hit table.
bool FillHitFlags(std::vector<int32_t>& flags, int32_t page);
