#pragma once
// Helpers that know the shape of the tags but not their meaning: which tag
// names belong to the layout, reading a tag's value from a typeset line,
// cutting the block between two markers, and counting or stepping through a
// line whose glyph tags ("<TZ…>") stand for single characters.
#include <cstdint>

#include <QString>
#include <QStringView>

// tag is the text between the brackets of a tag.
bool IsLayoutTag(QStringView tag);
bool IsClosingOrParamTag(QStringView tag);

// The text strictly between the first start marker and the first end marker
// after it; empty when either is missing.
QString ExtractBetweenMarkers(QStringView startMarker, QStringView text, QStringView endMarker);

// The text between the first "<" + name and the first ">" after it; empty
// when either is missing. Case-sensitive.
QString GetTagValue(QStringView line, QStringView name);
QString GetVolumeNameTag(QStringView line);  // "<JM…>"
QString GetTitleTag(QStringView line);       // "<BT…>"
// True when the two lines give different values (an absent tag gives "").
bool TagValueDiffers(QStringView a, QStringView b, QStringView name);

// The characters a typeset line shows: each glyph tag counts one, other tags
// nothing, a surrogate pair once.
int32_t CountDisplayChars(QStringView line);

// The k-th element (from 0) of a line as its units. Elements are code points
// and tags: any "<…>" in the first, only "<TZ…>" in the second. A "<" with no
// ">" after it is a code point of its own. Empty when there is no such element.
QString CharAtSkippingTags(int32_t k, QStringView line);
QString CharAtSkippingGlyphTags(int32_t k, QStringView line);

// Keeps only the "<JM…>", "<BT…>" and "<TZ…>" tags of the line and its other
// text, trims blanks at both ends, and returns the length in code points with
// each kept "<TZ…>" counted by its units. A "<" with no ">" after it is text.
int32_t KeepTitleTags(QString& line);

// The units of text up to and with its first character, the tags before it
// skipped (a "<" with no ">" after it is a character).
qsizetype ThroughFirstCharacter(QStringView text);
