#pragma once
// Typeset column strings: the tagged text stored per column of a page and
// read by the drawing, the edit grid and the search. A body column is, in
// order (every part optional): "<M=offset>", "<TT>", pending title and
// volume-name tags, U+3000 indent cells, the content (characters, "<ZT…>",
// "<ZJ…>", "<TS…>", "<YQ…>", "<QD…>", "<TZ…>" and notes "<ZW>…<-ZW>" with
// "<R>…<-R>" and "<L>…<-L>" lines), "<T=a,b,c>" and the line end "<-P>".
// Tag spellings are in MarkupTags.h; the writers and readers here use them.
//
// The readers are total: any string, however typed, is read to its end
// without a fault, by the rules of TagStretch.h.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "foundation/params/Box.h"
#include "foundation/params/FontStyle.h"
#include "typeset/markup/Spans.h"

// --- writing ---

// "<M=offset>": where the text of the column (or of its lower part) starts.
QString HeadOffsetTag(int32_t offset);
// "<T=a,b,c>": main-text cells, note cells, length left empty at the foot.
QString CountTag(int32_t mainCells, int32_t noteCells, int32_t footLength);
// opener, param and ">", as in "<ZT" name ">".
QString OpenTag(QStringView opener, QStringView param);

// --- reading ---

// Pieces that each begin at a "<M=" (the first from the start of the
// string); with no "<M=" in the string, at each "<P=" instead. An empty
// string gives one empty piece.
std::vector<QString> SplitAtLineTags(QStringView column);

// Main text outside "<ZW>"…"<-ZW>", notes inside.
std::vector<TZwSpan> SplitZwSpans(QStringView text);

// Plain text (kind 32), circled text "<YQ mark>…<-YQ>" (16) and special-
// format pieces "<TS[+]mark>…<-TS>" or "…<+TS>" (BeginsHere without the
// "+", EndsHere unless "<+TS>" ends it), whichever opener comes first. The
// param is the mark without "+".
std::vector<TTsSpan> SplitTsYqSpans(QStringView text);

// Runs of the text: outside "<ZT name>"…"<-ZT>" in boxFont (no font name),
// inside in the attached font of that name, looked up in attachedFonts or
// added there as a copy of boxFont. The caller passes the box's text or note
// font with the matching attached list, and never a style it keeps: the
// list may grow. An empty name sets the text in boxFont. Each run is then
// cut by SplitZjSpans.
std::vector<TZtSpan> SplitZtSpans(QStringView text, const TFontStyle& boxFont, TFontStyleList& attachedFonts);
// The same for a main text (note false) or a note: the box's text font with
// the attached text fonts, or its note font with the attached note fonts.
std::vector<TZtSpan> SplitZtSpans(QStringView text, bool note, const TFontPair& boxFonts,
                                  TAttachFontGroup& attachedFonts);

// The run cut at "<ZJ b-c>"…"<-ZJ>" (inside: that spacing; outside: none)
// and each piece at its emphasis stretches; every part is a run with the
// font of the given one.
std::vector<TZtSpan> SplitZjSpans(const TZtSpan& run);

// Text outside "<QD name>"…"<-QD>" with no name, inside with the name.
std::vector<TQdSpan> SplitQdSpans(QStringView text);
