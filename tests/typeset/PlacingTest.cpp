// Placing runs into columns: which tags each column opens and closes.
#include "TypesetRunTest.h"

using namespace Qt::StringLiterals;

namespace {

using Columns = std::vector<QString>;

class PlacingTest : public TypesetRunTest {};

const QString kTen = u"一二三四五六七八九十"_s;

}  // namespace

TEST_F(PlacingTest, SpacingClosesBetweenRunsAndFontStaysOpen)
{
    EXPECT_EQ(ColumnsOf({u"【ZJ2】甲乙【-ZJ】【ZJ2】丙丁【-ZJ】"_s}),
              Columns{u"<ZJ2-2>甲乙<-ZJ><ZJ2-2>丙丁<-ZJ><-P>"_s});
    EXPECT_EQ(ColumnsOf({u"【ZT楷】甲【ZJ2】乙丙【-ZJ】丁【-ZT】"_s}),
              Columns{u"<ZT楷>甲<ZJ2-2>乙丙<-ZJ>丁<-ZT><-P>"_s});
}

TEST_F(PlacingTest, SpecialFormatOpensItsOwnFont)
{
    EXPECT_EQ(ColumnsOf({u"【ZT楷】甲【-ZT】【TS】【ZT楷】乙【-ZT】【-TS】"_s}),
              Columns{u"<ZT楷>甲<-ZT><TS0><ZT楷>乙<-ZT><-TS><-P>"_s});
}

// A special-format run that reaches the last cell leaves its opening mark
// to the next column; the piece it placed is written in this column.
TEST_F(PlacingTest, SpecialFormatTextStaysInItsColumnWhenMarksMoveOn)
{
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    EXPECT_EQ(ColumnsOf({u"【TS】一二三四五六七八九「【-TS】十"_s}),
              (Columns{u"<TS0>一二三四五六七八九<+TS><T=9,0,1000>"_s, u"<TS+0>﹁<-TS>十<-P>"_s}));
}

// A column that ends where the next run cannot start closes the font it
// opened, however the run loop ends.
TEST_F(PlacingTest, EveryColumnClosesWhatItOpened)
{
    // The next run takes no cell of what is left.
    EXPECT_EQ(ColumnsOf({u"【ZT楷】"_s + kTen + u"【ZJ2】甲乙【-ZJ】【-ZT】"_s}),
              (Columns{u"<ZT楷>"_s + kTen + u"<-ZT>"_s, u"<ZT楷><ZJ2-2>甲乙<-ZJ><-ZT><-P>"_s}));
    // The next run is empty (an empty spacing, which scales nothing).
    EXPECT_EQ(ColumnsOf({u"【ZT楷】"_s + kTen + u"【ZJ2】【-ZJ】乙【-ZT】"_s}),
              (Columns{u"<ZT楷>"_s + kTen + u"<-ZT>"_s, u"<ZT楷>乙<-ZT><-P>"_s}));
}

TEST_F(PlacingTest, UnclosedSpacingRunsToTheEndOfItsSegment)
{
    EXPECT_EQ(ColumnsOf({u"甲【ZJ2】乙丙【ZW】注【-ZW】丁"_s}),
              Columns{u"甲<ZJ2-2>乙丙<-ZJ><ZW><R>注<-R><-ZW>丁<-P>"_s});
}

TEST_F(PlacingTest, SpecialFormatBeforeACircleKeepsItsFormat)
{
    EXPECT_EQ(ColumnsOf({u"【TS】甲【-TS】乙【YQ】丙【-YQ】"_s}), Columns{u"<TS0>甲<-TS>乙<YQ0>丙<-YQ><-P>"_s});
}

TEST_F(PlacingTest, ColumnsBelowAPictureStartWithTheirOffset)
{
    PlainLineRun run(style, table);
    run.context.ReserveBlockLines({u"圖"_s, 2, 3, 0, false});
    run.context.UpdateOccupancyState();
    run.Line(kTen + kTen);
    EXPECT_EQ(AllColumns(), (Columns{u"<M=3000>一二三四五六七"_s, u"<M=3000>八九十一二三四"_s,
                                     u"五六七八九十<-P>"_s}));
}
