#pragma once
// Working state of the typesetting engine. Every process-wide variable of
// this layer is declared here; ResetTypesetGlobals puts them back for tests.
#include <QStringView>

struct TPageRec;

// Ends the last column of every source line (paragraph end).
inline constexpr QStringView g_LineEndMark = u"<-P>";

// The page being filled while a text is typeset; null before the first page.
extern TPageRec* g_TypesetPage;

void ResetTypesetGlobals();
