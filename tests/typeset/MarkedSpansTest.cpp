#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/markup/MarkedSpans.h"

TEST(ExtractMarkedSpans, ReplacesClosedSpansByAnchorsInLineOrder)
{
    struct Case { const char16_t* line; const char16_t* name; const char16_t* result; std::vector<QString> spans; };
    const Case cases[] = {
        {u"甲【CP批】乙丙【-CP】丁【CP注】戊【-CP】己", u"CP", u"甲<CP批>丁<CP注>己", {S(u"乙丙"), S(u"戊")}},
        {u"甲【MP2】乙【-MP】", u"MP", u"甲<MP2>", {S(u"乙")}},
        {u"【CP】【-CP】", u"CP", u"<CP>", {S(u"")}},
        // Without its closer a span and the rest of the line stay as they are.
        {u"甲【CP批】乙", u"CP", u"甲【CP批】乙", {}},
        {u"a【CP1】b【-CP】c【CP2】d", u"CP", u"a<CP1>c【CP2】d", {S(u"b")}},
        {u"a【CP", u"CP", u"a【CP", {}},
        // The first 】 after the opener ends the argument, even the closer's own.
        {u"【CP甲【-CP】", u"CP", u"【CP甲【-CP】", {}},
        // Only the named kind is cut.
        {u"甲【MP2】乙【-MP】", u"CP", u"甲【MP2】乙【-MP】", {}},
    };
    for (const Case& c : cases) {
        std::vector<QString> spans{S(u"earlier")};
        EXPECT_EQ(ExtractMarkedSpans(c.line, c.name, spans), S(c.result)) << S(c.line).toStdString();
        std::vector<QString> expected{S(u"earlier")};
        expected.insert(expected.end(), c.spans.begin(), c.spans.end());
        EXPECT_EQ(spans, expected) << S(c.line).toStdString();
    }
}
