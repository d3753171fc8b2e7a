// A page's find flags looked up in the current hit table, and the page text
// drawing them on screen only.
#include <gtest/gtest.h>

#include <algorithm>

#include "RenderFixture.h"
#include "platform/RecordingDc.h"
#include "render/batches/HitHighlight.h"
#include "render/pipeline/PagePipeline.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/HitTables.h"

using namespace Qt::StringLiterals;

namespace {

class HitFlagsLookup : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        for (int i = 0; i < 4; ++i) {
            TPageRec& page = *AppendPageRecord(pages);
            page.styleName = kDefaultStyleName;
            page.lines = {{u"甲乙丙丁"_s}};
        }
        g_CurrentPages = &pages;
        g_CoverPages = 1;
        // Body pages count from 0: text page 2 is the table's page 1.
        AddFindHit(hits, 1, 1);
        AddFindHit(hits, 1, 3);
        g_CurrentHitTable = &hits;
        g_FindText = u"\u3000"_s;
    }

    TPageTable pages;
    THitTable hits;
};

TEST_F(HitFlagsLookup, FlagsOfATextPage)
{
    struct Case {
        const char* what;
        int32_t page;
        const char16_t* findText;
        bool withTable;
        bool filled;
        std::vector<int32_t> flags;  // before: {9}
    };
    const Case cases[] = {
        {"page with hits", 2, u"\u3000", true, true, {0, 1, 0, 1}},
        {"find text of two", 2, u"甲乙", true, true, {0, 1, 1, 1, 1}},
        {"page without hits", 1, u"\u3000", true, true, {}},
        {"no find text", 2, u"", true, false, {9}},
        {"no hit table", 2, u"\u3000", false, false, {9}},
        {"before the first page", -1, u"\u3000", true, false, {9}},
        {"past the last page", 4, u"\u3000", true, false, {9}},
    };
    for (const Case& c : cases) {
        g_FindText = QString::fromUtf16(c.findText);
        g_CurrentHitTable = c.withTable ? &hits : nullptr;
        std::vector<int32_t> flags{9};
        EXPECT_EQ(FillHitFlags(flags, c.page), c.filled) << c.what;
        EXPECT_EQ(flags, c.flags) << c.what;
    }
}

TEST_F(HitFlagsLookup, HighlightedOnScreenOnly)
{
    Layout();
    const auto Highlights = [](const RecordingDc& dc) {
        const std::vector<DcCall> rects = dc.CallsOf(DcCall::Rectangle);
        return std::count_if(rects.begin(), rects.end(),
                             [](const DcCall& c) { return c.state.brush.color == Rgb(255, 192, 192); });
    };
    // The page with the hits as the first and as the second of a spread.
    for (const auto& [first, second] : {std::pair{2, 3}, std::pair{1, 2}}) {
        for (const bool printing : {false, true}) {
            RecordingDc dc(printing);
            DrawPageText(view, dc, first, second, QPoint());
            EXPECT_EQ(Highlights(dc), printing ? 0 : 2) << first << " " << printing;
        }
    }
}

}  // namespace
