// The contents tree, sections and leaf texts of a hand-made page table.
#include <gtest/gtest.h>

#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Bookmarks.h"
#include "typeset/pages/PageRecord.h"

namespace {

class Contents : public ::testing::Test {
protected:
    void SetUp() override { g_CurrentPages = &table; }
    // A page of one or more lines (none when first is empty).
    TPageRec& Page(std::initializer_list<const char16_t*> lines, const QString& style = "para0",
                   const QString& centre = QString())
    {
        TPageRec& page = *AppendPageRecord(table);
        page.styleName = style;
        page.centreText = centre;
        for (const char16_t* line : lines)
            page.lines.push_back({QString::fromUtf16(line)});
        return page;
    }
    std::vector<QString> Rebuild()
    {
        std::vector<QString> leaves;
        RebuildContents(leaves, true, false);
        return leaves;
    }
    TPageTable table;
};

TEST_F(Contents, TitleLevelsNestUnderTheVolume)
{
    Page({u"<JM卷一>", u"<BT1-甲>"});
    Page({u"<BT2-乙><BT2-丙>"});
    Page({u"<BT1-丁>"});
    Rebuild();
    ASSERT_EQ(g_VolumeContents.Size(), 1);
    const TBookmarkNode& vol = *g_VolumeContents.GetAtOrNull(0);
    EXPECT_EQ(vol.title, "卷一");
    ASSERT_EQ(vol.children.Size(), 2);
    const TBookmarkNode& first = *vol.children.GetAtOrNull(0);
    EXPECT_EQ(first.title, "甲");
    ASSERT_EQ(first.children.Size(), 2);
    EXPECT_EQ(first.children.GetAtOrNull(0)->title, "乙");
    EXPECT_EQ(first.children.GetAtOrNull(1)->page, 1);
    EXPECT_EQ(vol.children.GetAtOrNull(1)->title, "丁");
    EXPECT_EQ(vol.children.GetAtOrNull(1)->page, 2);
}

TEST_F(Contents, LevelTwoFirstAndTitlesBeforeAnyVolumeHangUnderAnEmptyNode)
{
    Page({u"<BT2-乙><BT><BT無級>"});
    Rebuild();
    ASSERT_EQ(g_VolumeContents.Size(), 1);
    const TBookmarkNode& top = *g_VolumeContents.GetAtOrNull(0);
    EXPECT_TRUE(top.title.isEmpty());
    ASSERT_EQ(top.children.Size(), 2);  // the empty "<BT>" is passed over
    EXPECT_EQ(top.children.GetAtOrNull(0)->title, "乙");
    EXPECT_EQ(top.children.GetAtOrNull(1)->title, "無級");
}

TEST_F(Contents, HugeAndNegativeLevelsAreClamped)
{
    Page({u"<JM卷>", u"<BT99999999-深><BT-5-負>"});
    Rebuild();
    const TBookmarkNode& vol = *g_VolumeContents.GetAtOrNull(0);
    ASSERT_EQ(vol.children.Size(), 2);
    EXPECT_EQ(vol.children.GetAtOrNull(0)->title, "深");
    EXPECT_EQ(vol.children.GetAtOrNull(1)->title, "5-負");
}

TEST_F(Contents, CoversSectionsAndLeaves)
{
    Page({u"封"}, "FengMian");
    Page({u"<JM卷一>"}, "para0", "書名|卷一|");
    Page({u"文"});
    Page({u"文"}, "para0");
    Page({u"<JM卷二>"});
    Page({u"底"}, "FengDi");
    const std::vector<QString> leaves = Rebuild();
    EXPECT_EQ(g_CoverPages, 1);
    EXPECT_EQ(g_BackPages, 1);
    ASSERT_EQ(g_SectionList.size(), 2u);
    EXPECT_EQ(g_SectionList[0].name, "卷一");
    EXPECT_EQ(g_SectionList[0].number, 3);
    EXPECT_EQ(g_SectionList[1].number, 1);  // the back cover is not counted
    const std::vector<QString> expected{"書名|卷一||一", "書名|卷一||二", "書名|卷一||一"};
    EXPECT_EQ(leaves, expected);
    EXPECT_EQ(table.pages.GetAtOrNull(4)->volumeName, "卷二");
}

TEST_F(Contents, WithoutVolumeNamesLeavesStartAtTheFirstBodyPage)
{
    Page({}, "FengMian");
    Page({u"文"});
    Page({u"文"});
    Page({u"文"});
    const std::vector<QString> leaves = Rebuild();
    const std::vector<QString> expected{"|一", "|二"};
    EXPECT_EQ(leaves, expected);
    ASSERT_EQ(g_SectionList.size(), 1u);
    EXPECT_EQ(g_SectionList[0].number, 3);
}

}  // namespace
