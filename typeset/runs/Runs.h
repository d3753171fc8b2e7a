#pragma once
// A source line cut into segments (main text and notes) and run groups
// before it is placed. The steps are TLayoutContext members (LayoutContext.h);
// the two the editions set their own way are TypesetEdition's.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

struct TLayoutContext;

// The larger of two lines when cells of these heights are set from both
// ends into two balanced lines (justified lines measure double-line notes
// so); 0 for none.
int32_t BalancedHalfLength(const std::vector<int32_t>& heights);

// The text with only the tags that the layout writes into columns: "<-ZT>",
// "<-ZJ>", "<-QD>" and the layout tags that begin with "#", "&", "%", "N",
// "BT", "ZT", "ZJ", "TZ", "MP", "CP" or "QD" stay, other layout tags go,
// tags that are no layout tags stay; a "<" with no ">" after it goes. The
// installed edition's form.
QString StripNonLayoutTags(QStringView text);
// The tags only, the punctuation as it stands (the horizontal edition's form).
QString RemoveNonLayoutTags(QStringView text);
