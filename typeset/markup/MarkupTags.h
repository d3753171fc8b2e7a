#pragma once
// The two tag vocabularies of the pre-processed text. Bracket forms 【…】 are
// what the user types and the text file stores; the typesetter turns the
// inline ones into angle forms <…>, which are what the layout engine works
// with and what the typeset column strings are made of.
#include <QStringView>

namespace MarkupTags {

inline constexpr QStringView Open = u"【";
inline constexpr QStringView Close = u"】";

// Line tags: recognised only as the first bracket tag of a line; the name
// starts the text between the brackets, a parameter may follow it.
inline constexpr QStringView JustifiedOn = u"DH";
inline constexpr QStringView JustifiedOff = u"-DH";
inline constexpr QStringView JustifiedExempt = u"HH";
inline constexpr QStringView Picture = u"TP";
inline constexpr QStringView CoverText = u"WZ";
inline constexpr QStringView CoverBegin = u"FM";
inline constexpr QStringView CoverEnd = u"-FM";
inline constexpr QStringView BackCover = u"FD";
inline constexpr QStringView Style = u"BS";
inline constexpr QStringView StyleFile = u"CS";
inline constexpr QStringView CentreText = u"BX";
inline constexpr QStringView LinesPerPage = u"HS";
inline constexpr QStringView Seal = u"YZ";
inline constexpr QStringView BookTitle = u"SM";
inline constexpr QStringView VolumeName = u"JM";
inline constexpr QStringView Title = u"BT";
inline constexpr QStringView RaisedHead = u"TT";
inline constexpr QStringView Indent = u"BK";  // "a" or "a-b" before it

// Inline openers whose parameter runs to the next 】.
inline constexpr QStringView SpecialFormatOpen = u"【TS";
inline constexpr QStringView CircleOpen = u"【YQ";
inline constexpr QStringView FontOpen = u"【ZT";
inline constexpr QStringView GlyphOpen = u"【TZ";
inline constexpr QStringView SpacingOpen = u"【ZJ";
inline constexpr QStringView EmphasisOpen = u"【QD";
inline constexpr QStringView TitleOpen = u"【BT";

// Marked spans: 【CP name】…【-CP】 side notes, 【MP n】…【-MP】 head notes.
inline constexpr QStringView SideNote = u"CP";
inline constexpr QStringView HeadNote = u"MP";

}  // namespace MarkupTags

namespace MarkupTagsInternal {

inline constexpr QChar TagEnd = u'>';

// Notes as the normaliser writes them, and the split of a note into halves.
inline constexpr QStringView NoteOpen = u"<E>";
inline constexpr QStringView NoteClose = u"</E>";
inline constexpr QStringView NoteSplit = u"<|>";
// Stands for "<|>" inside a centre-column text, where "|" separates parts.
inline constexpr QStringView CentreNoteSplit = u"<$>";

// Openers take a parameter up to the next ">".
inline constexpr QStringView SpecialFormatOpen = u"<TS";
inline constexpr QStringView SpecialFormatClose = u"<-TS>";
inline constexpr QStringView SpecialFormatContinues = u"<+TS>";  // continues in a later piece
inline constexpr QChar SpecialFormatContinuation = u'+';        // leading "+" of the parameter
inline constexpr QStringView CircleOpen = u"<YQ";
inline constexpr QStringView CircleClose = u"<-YQ>";
inline constexpr QStringView EmphasisOpen = u"<QD";
inline constexpr QStringView EmphasisClose = u"<-QD>";
inline constexpr QStringView FontOpen = u"<ZT";
inline constexpr QStringView FontClose = u"<-ZT>";
inline constexpr QStringView SpacingOpen = u"<ZJ";
inline constexpr QStringView SpacingClose = u"<-ZJ>";
inline constexpr QStringView GlyphOpen = u"<TZ";
inline constexpr QStringView TitleOpen = u"<BT";
inline constexpr QStringView VolumeNameOpen = u"<JM";

// Notes in typeset column strings: "<ZW>", then "<R>"…"<-R>" and/or
// "<L>"…"<-L>" for double-line notes, then "<-ZW>".
inline constexpr QStringView ColumnNoteOpen = u"<ZW>";
inline constexpr QStringView ColumnNoteClose = u"<-ZW>";
inline constexpr QStringView RightLineOpen = u"<R>";
inline constexpr QStringView RightLineClose = u"<-R>";
inline constexpr QStringView LeftLineOpen = u"<L>";
inline constexpr QStringView LeftLineClose = u"<-L>";

// Column heads and counts.
inline constexpr QStringView HeadOffsetOpen = u"<M=";
inline constexpr QStringView PieceOffsetOpen = u"<P=";  // read, never written
inline constexpr QStringView RaisedColumn = u"<TT>";
inline constexpr QStringView CountOpen = u"<T=";

}  // namespace MarkupTagsInternal
