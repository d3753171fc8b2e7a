// The readers of typeset column strings: line pieces, notes, special
// formats and circled text, font runs with spacing and emphasis, and the
// two emphasis forms.
#include "FuzzTarget.h"

#include "foundation/params/Box.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/markup/RunAdvance.h"

namespace {
void SplitRuns(QStringView text, bool note)
{
    TFontPair fonts;
    TAttachFontGroup attached;
    for (const TZtSpan& run : SplitZtSpans(text, note, fonts, attached))
        for (const TZtSpan& piece : SplitZjSpans(run))
            ScaleByRatioText(piece);
}
}  // namespace

// edition selector · the column string
void FuzzOne(FuzzInput input)
{
    InstallFuzzEdition(input.TakeByte());
    const QString column = input.RestText();
    for (const QString& piece : SplitAtLineTags(column))
        for (const TZwSpan& segment : SplitZwSpans(piece)) {
            SplitTsYqSpans(segment.text);
            SplitRuns(segment.text, segment.kind == TZwSpan::Note);
        }
    SplitQdSpans(column);
    CollapseQdSpans(ExpandQdSpans(column));
    ApplyQdToChars(column, u"<QD點>");
}

void WriteSeeds(SeedWriter& seeds)
{
    seeds.AddTexts(QStringLiteral("column"), {
                       "<M=0><TT>　天地<ZW><R>注<-R><L>文<-L><-ZW><T=2,2,0><-P>",
                       "<M=300><ZT楷体>字<-ZT><ZJ2-3>宙<-ZJ><QD點>洪荒<-QD><-P><M=0>日月<-P>",
                       "<P=1><YQ圈>日<-YQ><TS+框>月<+TS><TS框>盈<-TS><TZ昃><-P>",
                       "天<QD點>地<QD點>玄<QD圈>黃",
                   },
                   QByteArray(2, 0));
}
