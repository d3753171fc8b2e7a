#pragma once
// From the bracket forms the user types to the angle forms the layout engine
// reads: the normaliser of inline tags, the leading line tag and title tags.
#include <QString>
#include <QStringView>

// The line with its inline bracket forms (notes, note splits, special formats,
// circled text, fonts, glyphs, spacing, emphasis marks) in their angle forms.
// Line tags, titles and marked spans are left alone. An opener with no 】
// after it stays as text.
QString NormalizeBracketTags(QStringView line);

// When line[pos] is 【 and a 】 follows, the text between them; pos moves just
// past the 】. Otherwise empty and pos stays, so an unterminated 【 remains
// part of the text.
QString ExtractBracketTag(QStringView line, qsizetype& pos);

// The title tag of a 【BT…】 argument: "level-title" gives "<BTlevel-title>",
// "title" gives "<BT0-title>", "-title" gives "<BTtitle>"; an empty title
// gives an empty string.
QString MakeTitleTag(QStringView argument);

// Replaces every 【BT…】 of the line, from the left, by its title tag. An
// opener with no 】 after it stays as text.
void ConvertInlineTitles(QString& line);
