// Random tag soup through every reader of source lines and column strings:
// malformed strings (as the edit grid lets a user type) must neither hang
// nor crash, and a few properties that hold for any input are checked.
#include <gtest/gtest.h>

#include <random>

#include "TypesetTestText.h"
#include "typeset/columns/ColumnStrings.h"
#include "typeset/columns/EmphasisForms.h"
#include "typeset/markup/BracketTags.h"
#include "typeset/markup/CentreColumnText.h"
#include "typeset/markup/MarkedSpans.h"
#include "typeset/markup/RunAdvance.h"

namespace {

// Pieces of tags, whole tags, brackets, separators and characters,
// including lone surrogates.
const char16_t* const kPieces[] = {
    u"<", u">", u"【", u"】", u"|", u"-", u"+", u"0", u"3", u".", u",", u"=", u"甲", u"a", u"𠀀",
    u"\xD840", u"\xDC00", u"\x3000",
    u"<TS", u"<TS+", u"<-TS>", u"<+TS>", u"<YQ", u"<-YQ>", u"<QD", u"<-QD>", u"<ZT", u"<-ZT>",
    u"<ZJ", u"<-ZJ>", u"<TZ", u"<ZW>", u"<-ZW>", u"<R>", u"<-R>", u"<L>", u"<-L>", u"<M=", u"<P=",
    u"<T=", u"<-P>", u"<E>", u"</E>", u"<|>", u"<$>", u"<BT", u"<TT>",
    u"【TS", u"【YQ", u"【ZT", u"【TZ", u"【ZJ", u"【QD", u"【BT", u"【CP", u"【-CP】", u"【MP",
    u"【-MP】", u"【ZW】", u"【-ZW】", u"【|】", u"【-TS】", u"【+TS】", u"【-YQ】", u"【-QD】",
    u"【-ZT】", u"【-ZJ】",
};

QString TagSoup(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += QString::fromUtf16(kPieces[piece(random)]);
    return text;
}

qsizetype TotalSize(const auto& spans)
{
    qsizetype total = 0;
    for (const auto& span : spans)
        total += span.text.size();
    return total;
}

bool AnyEmpty(const auto& spans)
{
    for (const auto& span : spans)
        if (span.text.isEmpty())
            return true;
    return false;
}

void CheckSourceLine(const QString& line)
{
    const QString normal = NormalizeBracketTags(line);
    // Whatever stays of an opener has no 】 after it.
    for (QStringView opener : {u"【TS", u"【YQ", u"【ZT", u"【TZ", u"【ZJ", u"【QD"}) {
        const qsizetype at = normal.indexOf(opener);
        if (at >= 0) {
            EXPECT_LT(normal.indexOf(u"】", at), 0) << line.toStdString();
        }
    }

    QString titled = normal;
    ConvertInlineTitles(titled);

    qsizetype pos = 0;
    for (int guard = 0; guard <= line.size(); ++guard) {
        const qsizetype before = pos;
        ExtractBracketTag(line, pos);
        ASSERT_GE(pos, before);
        ASSERT_LE(pos, line.size());
        if (pos == before)
            break;
    }

    std::vector<QString> spans;
    ExtractMarkedSpans(ExtractMarkedSpans(normal, u"CP", spans), u"MP", spans);

    // No part of a centre text is lost: every bar of the text stays.
    const QString centre = CentreColumnText(line);
    EXPECT_EQ(centre.count(u'|'), QString(line).replace(S(u"<|>"), S(u"<$>")).count(u'|')) << line.toStdString();
    ConvertCentreNotes(line);
}

void CheckColumn(const QString& column, TFontStyleList& attached)
{
    const std::vector<QString> pieces = SplitAtLineTags(column);
    ASSERT_FALSE(pieces.empty());
    QString joined;
    for (const QString& piece : pieces) {
        EXPECT_TRUE(!piece.isEmpty() || column.isEmpty());
        joined += piece;
    }
    EXPECT_EQ(joined, column);

    const auto segments = SplitZwSpans(column);
    const auto tokens = SplitTsYqSpans(column);
    const auto stretches = SplitQdSpans(column);
    EXPECT_FALSE(AnyEmpty(segments) || AnyEmpty(tokens) || AnyEmpty(stretches)) << column.toStdString();
    EXPECT_LE(TotalSize(segments), column.size());
    EXPECT_LE(TotalSize(tokens), column.size());
    EXPECT_LE(TotalSize(stretches), column.size());

    TFontStyle box;
    box.WORD_HEIGHT = 1000;
    const auto runs = SplitZtSpans(column, box, attached);
    EXPECT_LE(TotalSize(runs), column.size());
    for (const TZtSpan& run : runs)
        ScaleByRatio(run.charHeight, run.spacing);

    const QString perChar = ExpandQdSpans(column);
    CollapseQdSpans(perChar);
    CollapseQdSpans(column);
    ApplyQdToChars(column, u"<QD1>");
}

}  // namespace

TEST(TagSoup, EveryReaderEndsOnAnyInput)
{
    std::mt19937 random(20240611);
    TFontStyleList attached;
    for (int i = 0; i < 10000; ++i) {
        const QString text = TagSoup(random);
        CheckSourceLine(text);
        CheckColumn(text, attached);
        if (HasFatalFailure() || HasFailure())
            FAIL() << "case " << i << ": " << text.toStdString();
    }
}
