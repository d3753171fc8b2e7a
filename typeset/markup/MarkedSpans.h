#pragma once
// Side notes (【CP name】…【-CP】) and head notes (【MP n】…【-MP】) are cut out
// of a source line before it is laid out and set separately; an anchor tag
// keeps their place in the line.
#include <vector>

#include <QString>
#include <QStringView>

// The line with each span of the named kind ("CP" or "MP") replaced by its
// anchor "<" name argument ">"; the enclosed texts are appended to spans in
// line order, so the k-th anchor belongs to the k-th text. A span without its
// closer ends the cutting: it and the rest of the line stay as they are.
QString ExtractMarkedSpans(QStringView line, QStringView name, std::vector<QString>& spans);
