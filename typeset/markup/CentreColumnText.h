#pragma once
// The centre-column text of a page (版心): top, middle and bottom parts
// separated by "|". Notes in a part ("<E>"…"</E>", split by "<|>") are turned
// into double-line notes; inside such a text "<|>" is written "<$>" because
// "|" separates the parts.
#include <QString>
#include <QStringView>

// The text as the page stores it. With two or more "|": the three parts cut
// at the first two, each converted, an empty bottom part given the system's
// name. With exactly one "|": top and middle, both converted (no bottom is
// invented). Without "|": the text with "<|>" written "<$>".
QString CentreColumnText(QStringView text);

// Stores CentreColumnText(text) on the page being filled (g_TypesetPage);
// nothing before the first page.
void SetCentreColumnText(QStringView text);

// Every "<E>note</E>" of the part (an unclosed one runs to the end) as
// "<ZW><R>right<-R><L>left<-L><-ZW>"; the note splits at its first "<$>", or
// else after (n+1)/2 of its n code points.
QString ConvertCentreNotes(QStringView part);
