#pragma once
// What the drawing and the panes derive from a volume's pages: its covers,
// its contents tree, its sections and the centre texts of its leaves.
#include <cstdint>
#include <vector>

#include <QString>

// Walks g_CurrentPages once: sets g_CoverPages and g_BackPages, rebuilds
// g_VolumeContents and g_SectionList, stores each page's volume name, and
// fills leafTexts ("top|middle|bottom|leaf number", one per leaf) when
// makeLeafTexts (the shown table is the text's own). With flatList the flat
// bookmark list is rebuilt too and g_CurrentBookmark set to -g_CoverPages.
void RebuildContents(std::vector<QString>& leafTexts, bool makeLeafTexts, bool flatList);

// Titles nest no deeper than this; a title's level is clamped to 0 … this.
inline constexpr int32_t kMaxTitleLevel = 32;
