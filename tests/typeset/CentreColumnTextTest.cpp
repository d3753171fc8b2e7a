#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/markup/CentreColumnText.h"

TEST(CentreColumnText, CutsIntoPartsAndConvertsEach)
{
    struct Case { const char16_t* text; const char16_t* stored; };
    const Case cases[] = {
        {u"書名|卷一|堂號", u"書名|卷一|堂號"},
        {u"書名|卷一|", u"書名|卷一|墨衡系統排版"},
        {u"||", u"||墨衡系統排版"},
        {u"甲|乙|丙|丁", u"甲|乙|丙|丁"},   // the bottom part keeps any further bar
        // One bar: top and middle, both converted; no bottom is made up.
        {u"書名<E>ab</E>|卷<E>cde</E>", u"書名<ZW><R>a<-R><L>b<-L><-ZW>|卷<ZW><R>cd<-R><L>e<-L><-ZW>"},
        {u"書名|", u"書名|"},
        // "<|>" inside a note becomes "<$>" and splits the note there.
        {u"|<E>甲乙<|>丙</E>|", u"|<ZW><R>甲乙<-R><L>丙<-L><-ZW>|墨衡系統排版"},
        // Without a bar the text is stored as it is, but for the note splits.
        {u"書名<E>注<|>文</E>", u"書名<E>注<$>文</E>"},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentreColumnText(c.text), S(c.stored)) << S(c.text).toStdString();
}

TEST(ConvertCentreNotes, SplitsEachNoteIntoTwoLines)
{
    struct Case { const char16_t* part; const char16_t* converted; };
    const Case cases[] = {
        {u"無注", u"無注"},
        // Five code points, one of them a surrogate pair: three go right.
        {u"<E>𠀀一二三四</E>", u"<ZW><R>𠀀一二<-R><L>三四<-L><-ZW>"},
        {u"<E>甲<$>乙<$>丙</E>", u"<ZW><R>甲<-R><L>乙<$>丙<-L><-ZW>"},
        {u"<E>ab</E>x<E>c</E>", u"<ZW><R>a<-R><L>b<-L><-ZW>x<ZW><R>c<-R><L><-L><-ZW>"},
        {u"<E></E>", u"<ZW><R><-R><L><-L><-ZW>"},
        {u"甲<E>乙丙", u"甲<ZW><R>乙<-R><L>丙<-L><-ZW>"},   // an unclosed note runs to the end
        {u"甲</E>乙", u"甲</E>乙"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertCentreNotes(c.part), S(c.converted)) << S(c.part).toStdString();
}
