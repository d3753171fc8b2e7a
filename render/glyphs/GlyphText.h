#pragma once
// The text of a run as the glyph walk takes it.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

class Dc;
class PageRenderer;
struct TFontStyle;

// Whole pairs of vertical book-title marks: a closing mark met before any
// opening mark gets its opening mark put in front of the text; a mark still
// open at the end gets its closing mark appended. A title that continues
// across columns is thus closed and reopened in each.
QString BalanceBookTitleMarks(QStringView text);

// The text without any tag but the glyph tags "<TZ…>" (a "<" without a
// ">" after it is a character). The walk counts glyph tags as one character
// each and steps over nothing else, so any other tag left in a column would
// be drawn letter by letter.
QString KeepGlyphTagsOnly(QStringView text);

// The elements of such a text in order, in one walk: glyph tags and code
// points, as CharAtSkippingGlyphTags gives them one by one.
std::vector<QString> SplitGlyphs(QStringView text);

// The glyph after i when it is a character drawn in the run's font (no
// mark, picture or dropped mark): the glyph a mark keeps clear of.
QString NextCharacter(const std::vector<QString>& glyphs, int32_t i);

// A glyph tag "<TZname>" stands for the picture of a character; an empty
// one ("<TZ>") for none, so it draws nothing.
bool IsPictureGlyph(QStringView glyph);
QString PictureGlyphName(QStringView glyph);

// The glyph tag's picture from the project's "gwords" folder in the current
// font's cell at (x, y); nothing when the file is missing.
void DrawPictureGlyph(const PageRenderer& view, Dc& dc, QStringView glyph, int32_t x, int32_t y);

// The offset of a glyph across its line or column by the font's alignment,
// room being the line's size less the glyph's.
int32_t AlignAcross(const TFontStyle& font, int32_t halfKind, int32_t room);
