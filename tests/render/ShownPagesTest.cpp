// Text pages and shown pages: the cover alone, body pages in pairs (two-page
// display) or fours (4-in-1 display).
#include <gtest/gtest.h>

#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"

namespace {

TEST(ShownPages, TextPageToShownPageAndBack)
{
    struct Case {
        int32_t twoPage, fourInOne, covers, text, shown, first;
    } const cases[] = {
        {0, 0, 1, 0, 0, 0}, {0, 0, 1, 5, 5, 5},             // single pages
        {1, 0, 0, 0, 0, 0}, {1, 0, 0, 3, 1, 2}, {1, 0, 0, 4, 2, 4},  // pairs from page 0
        {1, 0, 1, 1, 1, 1}, {1, 0, 1, 2, 1, 1}, {1, 0, 1, 3, 2, 3},  // pairs behind a cover
        {0, 1, 1, 5, 2, 5}, {0, 1, 1, 1, 1, 1},             // fours behind a cover
    };
    for (const Case& c : cases) {
        g_TwoPageMode = c.twoPage;
        g_FourInOneMode = c.fourInOne;
        g_CoverPages = c.covers;
        EXPECT_EQ(TextPageToShownPage(c.text), c.shown) << c.twoPage << c.fourInOne << c.covers << " " << c.text;
        if (!c.fourInOne) {
            EXPECT_EQ(ShownPageToTextPages(c.shown).first, c.first) << c.text;
        }
    }
}

}  // namespace
