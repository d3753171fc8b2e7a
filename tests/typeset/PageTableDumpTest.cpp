#include <gtest/gtest.h>

#include "TypesetTestText.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/pages/PageTableDump.h"

using namespace Qt::StringLiterals;

TEST(PageTableDump, ShowsEveryPartOfEachPage)
{
    TPageTable table;
    TPageRec* cover = AppendPageRecord(table);
    cover->styleName = u"FengMian"_s;
    *cover->pictures.AddNew() = {0, u"封面"_s, -1, -1, -1, -1};
    TPageRec* page = AppendPageRecord(table);
    page->styleName = u"para0"_s;
    page->linesOverride = 8;
    page->volumeName = u"卷一"_s;
    page->centreText = u"書|卷一|墨衡系統排版"_s;
    *page->pictures.AddNew() = {5, u"圖.png"_s, 0, 1, 2, 5};
    *page->seals.AddNew() = {1, u"印"_s, 10, 20, 30, 40};
    page->lines = {{u"<M=0><JM卷一>\u3000\u3000天地<-P>"_s, 0}, {u"100%1"_s, 2100}};
    page->headLines = {{u"眉批"_s, 0}};
    page->collectedLines = {{}, {u"側批"_s, u"0"_s}};

    EXPECT_EQ(DumpPageTable(table), u"page 0: style \"FengMian\", lines per page 0\n"
                                    "  picture 0 \"封面\" -1 -1 -1 -1\n"
                                    "page 1: style \"para0\", lines per page 8\n"
                                    "  volume: 卷一\n"
                                    "  centre: 書|卷一|墨衡系統排版\n"
                                    "  picture 5 \"圖.png\" 0 1 2 5\n"
                                    "  seal 1 \"印\" 10 20 30 40\n"
                                    "  line 0 (0): <M=0><JM卷一>{3000}{3000}天地<-P>\n"
                                    "  line 1 (2100): 100%1\n"
                                    "  head 0 (0): 眉批\n"
                                    "  collected 0 \"\":\n"
                                    "  collected 1 \"0\": 側批\n"_s);
}
