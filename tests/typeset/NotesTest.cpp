// Notes: balanced and given halves, single lines, justified lines, and
// notes that run over columns.
#include "TypesetRunTest.h"

using namespace Qt::StringLiterals;

namespace {

using Columns = std::vector<QString>;

class NotesTest : public TypesetRunTest {};

const QString kTen = u"一二三四五六七八九十"_s;
const QString k25 = u"天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往秋收冬藏閏"_s;

}  // namespace

TEST_F(NotesTest, SingleLineNoteWithoutDoubleLines)
{
    style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = false;
    EXPECT_EQ(ColumnsOf({u"甲【ZW】一二三【-ZW】乙"_s}), Columns{u"甲<ZW>一二三<-ZW>乙<-P>"_s});
    EXPECT_EQ(ColumnsOf({u"【ZW】"_s + kTen + u"甲乙【-ZW】"_s}),
              (Columns{u"<ZW>"_s + kTen + u"<-ZW>"_s, u"<ZW>甲乙<-ZW><-P>"_s}));
}

// Given halves in one small line: the right half, then the left, the
// note running on over the column end.
TEST_F(NotesTest, SingleLineNoteSetsItsGivenHalvesInTurn)
{
    style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = false;
    EXPECT_EQ(ColumnsOf({u"注文【ZW】雙行小注【|】左半【-ZW】正文"_s}),
              Columns{u"注文<ZW>雙行小注左半<-ZW>正文<-P>"_s});
    EXPECT_EQ(ColumnsOf({u"【ZW】"_s + kTen.left(6) + u"【|】"_s + kTen.mid(6) + u"甲乙【-ZW】"_s}),
              (Columns{u"<ZW>"_s + kTen + u"<-ZW>"_s, u"<ZW>甲乙<-ZW><-P>"_s}));
}

// The note closes a justified line with its count, even with no room left.
TEST_F(NotesTest, JustifiedLineEndsWithItsNote)
{
    Typeset(Lines{{u"甲乙【ZW】一二三四【-ZW】"_s, [](TLayoutContext& context) { context.justified = true; }}});
    EXPECT_EQ(AllColumns(), Columns{u"<ZJ4000-10000>甲乙<-ZJ><ZW><R><ZJ4000-10000>一二<-ZJ><-R>"
                                    u"<L><ZJ4000-10000>三四<-ZJ><-L><-ZW><T=2,2,0>"_s});
}

// A left half longer than the right goes on in the next columns alone.
TEST_F(NotesTest, GivenLeftHalfRunsOnAfterTheRightEnds)
{
    EXPECT_EQ(ColumnsOf({u"【ZW】一二【|】"_s + k25 + u"【-ZW】"_s}),
              (Columns{u"<ZW><R>一二<-R><L>"_s + k25.left(10) + u"<-L><-ZW>"_s,
                       u"<ZW><L>"_s + k25.mid(10, 10) + u"<-L><-ZW>"_s, u"<ZW><L>"_s + k25.mid(20) + u"<-L><-ZW><-P>"_s}));
}

TEST_F(NotesTest, NoteAfterTextBreaksWithTheRoomLeft)
{
    EXPECT_EQ(ColumnsOf({u"甲乙丙【ZW】"_s + kTen + kTen + u"【-ZW】"_s}),
              (Columns{u"甲乙丙<ZW><R>一二三四五六七<-R><L>八九十一二三四<-L><-ZW>"_s,
                       u"<ZW><R>五六七<-R><L>八九十<-L><-ZW><-P>"_s}));
}

TEST_F(NotesTest, BalanceCountsHalfCellsInZhineng)
{
    TBiaoDianPara punctuation{TBiaoDianType::ZHINENG};
    g_CurBiaoDian = &punctuation;
    TLayoutContext context;
    context.box = &style.TEXT_BOX;
    context.segmentKind = TZwSpan::Note;
    struct Case {
        const char16_t* note;
        int32_t right;
    };
    const Case cases[] = {
        {u"一二三四五六", 3000},
        {u"一二三四五六七", 4000},
        {u"甲、乙、丙", 2500},  // 1000 500 1000 | 500 1000
        {u"甲乙", 1000},
        {u"甲﹁乙", 1500},
        {u"﹁乙", 1500},  // a shorter right line takes the back cell too
    };
    for (const Case& c : cases) {
        context.SplitNoteHalves(S(c.note));
        context.BeginSegmentRuns();
        EXPECT_EQ(context.BalancedNoteSplit(), c.right) << S(c.note).toStdString();
    }
    context.cursor.groupIndex = 1;
    EXPECT_EQ(context.BalancedNoteSplit(), -1);
}
