// A real-size note in one small line (the print editions' default note
// font) typesets in time linear in its length and loses no character.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "foundation/params/Style.h"
#include "foundation/text/StringUtils.h"
#include "support/Editions.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

class LongNoteTest : public EditionTest {};

// Verse with marks, and every thousand characters a run in an attached
// font, so that the note holds one long run after another.
QString NoteText(int32_t characters)
{
    const QString verse = u"子曰學而時習之不亦說乎「有朋自遠方來」，不亦樂乎。"_s;
    QString text;
    while (text.size() < characters) {
        for (int32_t i = 0; i < 40 && text.size() < characters; ++i)
            text += verse;
        text += u"【ZT小】人不知而不慍【-ZT】"_s;
    }
    return text;
}

}  // namespace

TEST_P(LongNoteTest, SingleLineNoteTypesetsInLinearTime)
{
    TParaSet set;
    TStyle* style = set.styles.AddNew();
    style->NAME = u"para0"_s;
    style->BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::ZHINENG;
    style->TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = false;
    const QString note = NoteText(128'000);
    g_TextLines = {u"甲"_s + u"【ZW】"_s + note + u"【-ZW】"_s + u"乙"_s};
    g_LoadingText = false;
    TPageTable table;
    TTypesetter typesetter;
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(TypesetPages(set, table, typesetter));
    // Re-measuring the rest of the note at every column took 11 s and more
    // for this length; once through it takes a fraction of a second.
    EXPECT_LT(clock.elapsed(), 3000);

    int64_t han = 0;
    for (const TPageRec& page : table.pages)
        for (const TPageLine& line : page.lines) {
            QString text = line.text;
            StripAngleTags(text);
            han += text.count(u'子') + text.count(u'人');
        }
    EXPECT_EQ(han, note.count(u'子') + note.count(u'人'));
}

INSTANTIATE_TEST_SUITE_P(AllEditions, LongNoteTest,
                         ::testing::Values(EditionKind::Woodblock, EditionKind::Vertical, EditionKind::Horizontal),
                         EditionName);
