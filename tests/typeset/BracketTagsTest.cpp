#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/markup/BracketTags.h"

TEST(NormalizeBracketTags, ConvertsInlineFormsAndLeavesTheRest)
{
    struct Case { const char16_t* line; const char16_t* expected; };
    const Case cases[] = {
        // Notes and every fixed closer.
        {u"正【ZW】右【|】左【-ZW】文", u"正<E>右<|>左</E>文"},
        {u"【-TS】【+TS】【-YQ】【-QD】【-ZT】【-ZJ】", u"<-TS><+TS><-YQ><-QD><-ZT><-ZJ>"},
        // Special formats: empty and "+" parameters get defaults.
        {u"【TS】甲【-TS】", u"<TS0>甲<-TS>"},
        {u"【TS+】乙【-TS】", u"<TS+0>乙<-TS>"},
        {u"【TS框】丙【+TS】", u"<TS框>丙<+TS>"},
        {u"【TS+框】丁", u"<TS+框>丁"},
        // Circled text: only the empty parameter gets a default.
        {u"【YQ】一【-YQ】", u"<YQ0>一<-YQ>"},
        {u"【YQ+】一", u"<YQ+>一"},
        {u"【YQ圈】一", u"<YQ圈>一"},
        // The other openers keep their parameter as it is, empty or "+".
        {u"【ZT】甲【-ZT】", u"<ZT>甲<-ZT>"},
        {u"【ZT+】甲", u"<ZT+>甲"},
        {u"【ZT宋】甲", u"<ZT宋>甲"},
        {u"【TZ】【TZ12345】", u"<TZ><TZ12345>"},
        {u"【ZJ】甲【ZJ1.5】乙【-ZJ】", u"<ZJ>甲<ZJ1.5>乙<-ZJ>"},
        {u"【QD】甲【QD點】乙【-QD】", u"<QD>甲<QD點>乙<-QD>"},
        // Titles, marked spans and line tags are not touched.
        {u"【BT1-題】【CP批】甲【-CP】【MP2】乙【-MP】【JM卷一】", u"【BT1-題】【CP批】甲【-CP】【MP2】乙【-MP】【JM卷一】"},
        // Several openers on one line.
        {u"【TS】甲【-TS】【TS+】乙【+TS】【ZT宋】丙【-ZT】【TS3】丁",
         u"<TS0>甲<-TS><TS+0>乙<+TS><ZT宋>丙<-ZT><TS3>丁"},
        // Openers are taken kind by kind: the special format inside the font
        // name is converted first, then the font opener runs to the next 】.
        {u"【ZT【TS】】甲", u"<ZT<TS0>>甲"},
        // A parameter that holds the same opener: the search starts again
        // where the last conversion began.
        {u"【TS【TSx】y】", u"<TS<TSx>y>"},
        // Unterminated openers stay as text, and so does everything after them.
        {u"甲【TS框", u"甲【TS框"},
        {u"【YQ1】乙【TS", u"<YQ1>乙【TS"},
        {u"【TS1】乙【TS2", u"<TS1>乙【TS2"},
        {u"【QD", u"【QD"},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeBracketTags(c.line), S(c.expected)) << S(c.line).toStdString();
}

TEST(ExtractBracketTag, ReadsTheTagAtThePosition)
{
    struct Case { const char16_t* line; qsizetype pos; const char16_t* tag; qsizetype after; };
    const Case cases[] = {
        {u"【DH】正文", 0, u"DH", 4},
        {u"【BS版式,乙】【BT題】", 0, u"BS版式,乙", 8},
        {u"【】甲", 0, u"", 2},
        {u"甲【BX】", 1, u"BX", 5},
        {u"甲【BX】", 0, u"", 0},   // not at a 【
        {u"【BS版式", 0, u"", 0},   // no 】: the 【 stays part of the text
        {u"", 0, u"", 0},
        {u"甲", 3, u"", 3},
        {u"甲", -1, u"", -1},
    };
    for (const Case& c : cases) {
        qsizetype pos = c.pos;
        EXPECT_EQ(ExtractBracketTag(c.line, pos), S(c.tag)) << S(c.line).toStdString();
        EXPECT_EQ(pos, c.after) << S(c.line).toStdString();
    }
}

TEST(MakeTitleTag, LevelBeforeTheFirstDash)
{
    struct Case { const char16_t* argument; const char16_t* tag; };
    const Case cases[] = {
        {u"1-第一章", u"<BT1-第一章>"},
        {u"第一章", u"<BT0-第一章>"},
        {u"-第一章", u"<BT第一章>"},
        {u"1-", u""},
        {u"", u""},
        {u"2-甲-乙", u"<BT2-甲-乙>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeTitleTag(c.argument), S(c.tag)) << S(c.argument).toStdString();
}

TEST(ConvertInlineTitles, ReplacesFromTheLeftAndStopsAtAnUnterminatedOpener)
{
    struct Case { const char16_t* line; const char16_t* expected; };
    const Case cases[] = {
        {u"前【BT2-節】後【BT】尾", u"前<BT2-節>後尾"},
        {u"【BT甲】【BT乙", u"<BT0-甲>【BT乙"},
        {u"甲【BT1-乙", u"甲【BT1-乙"},
        {u"無題", u"無題"},
    };
    for (const Case& c : cases) {
        QString line = S(c.line);
        ConvertInlineTitles(line);
        EXPECT_EQ(line, S(c.expected)) << S(c.line).toStdString();
    }
}
