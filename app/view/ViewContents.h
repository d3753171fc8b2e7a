#pragma once
// The contents of the shown text or volume rebuilt after its pages changed:
// the contents tree, the sections and the leaves' centre texts, the running
// title the drawing falls back on, and for a named text (not while
// printing) the flat title list and the directory pane's tree.
class PageView;

// makeLeafTexts: the shown table is the text's or volume's own.
void RebuildViewContents(PageView& view, bool makeLeafTexts = true);
