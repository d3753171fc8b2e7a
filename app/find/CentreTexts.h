#pragma once
// The centre-column texts (版心文字) of the pages of an open book: one is
// added to the shown page when it has none, or removed. The seal command
// has nothing to add yet and stays disabled.
struct ViewData;

// The command can act on the first text page of the shown page: a volume
// of the open book shown, no cell edited, the page there.
bool CanAddCentreText();
bool CanDeleteCentreText();

// The nearest earlier page's centre text, or the default one when no page
// before has any (pages 0 and 1 always take the default).
void OnAddCentreText(ViewData& view);
void OnDeleteCentreText(ViewData& view);
