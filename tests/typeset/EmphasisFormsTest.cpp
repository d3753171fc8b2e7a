#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/columns/EmphasisForms.h"

TEST(ApplyQdToChars, TagsEveryCharacterOutsideTags)
{
    EXPECT_EQ(ApplyQdToChars(u"a<ZT宋>𠀀", u"<QD1>"), S(u"a<QD1><ZT宋>𠀀<QD1>"));
    EXPECT_EQ(ApplyQdToChars(u"a<b", u"<QD1>"), S(u"a<QD1><<QD1>b<QD1>"));   // "<" without ">"
    EXPECT_EQ(ApplyQdToChars(u"", u"<QD1>"), S(u""));
}

TEST(EmphasisForms, ExpandAndCollapseAreInverse)
{
    struct Case { const char16_t* spans; const char16_t* perChar; };
    const Case cases[] = {
        {u"甲乙<QDx>丙丁<-QD>戊", u"甲乙丙<QDx>丁<QDx>戊"},
        {u"<QDx>𠀀a<-QD>", u"𠀀<QDx>a<QDx>"},                                  // a pair takes one tag
        {u"<QDx>a<ZT宋>b<-ZT><-QD>", u"a<QDx><ZT宋>b<QDx><-ZT>"},              // other tags stay inside
        {u"<QDx>ab<-QD><QDy>cd<-QD>", u"a<QDx>b<QDx>c<QDy>d<QDy>"},            // adjacent names
        {u"<QDx>a<-QD>b<QDx>c<-QD>", u"a<QDx>bc<QDx>"},                        // an untagged character closes
        {u"無標記", u"無標記"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandQdSpans(c.spans), S(c.perChar)) << S(c.spans).toStdString();
        EXPECT_EQ(CollapseQdSpans(c.perChar), S(c.spans)) << S(c.perChar).toStdString();
    }
}

TEST(EmphasisForms, MalformedForms)
{
    // An unclosed stretch runs to the end and is closed when collapsed.
    EXPECT_EQ(ExpandQdSpans(u"a<QDx>bc"), S(u"ab<QDx>c<QDx>"));
    EXPECT_EQ(CollapseQdSpans(u"ab<QDx>c<QDx>"), S(u"a<QDx>bc<-QD>"));
    // An opener with no ">" is dropped.
    EXPECT_EQ(ExpandQdSpans(u"a<QDbc"), S(u"abc"));
    // So is one whose ">" comes after another tag: a name holds no tag.
    EXPECT_EQ(ExpandQdSpans(u"a<QDb<R>c"), S(u"ab<R>c"));
    // A tag that follows no character marks nothing and is copied.
    EXPECT_EQ(CollapseQdSpans(u"<QDx>a"), S(u"<QDx>a"));
    EXPECT_EQ(CollapseQdSpans(u"a<QDx><QDy>b"), S(u"<QDx>a<QDy><-QD>b"));
    EXPECT_EQ(CollapseQdSpans(u"a<QDx"), S(u"a<QDx"));
}
