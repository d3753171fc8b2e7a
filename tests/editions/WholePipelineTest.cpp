// Texts through typesetting and the drawing of every page, in each edition:
// the pages stay bounded, every Han character of a text whose tags drop
// nothing is on the pages once, and no glyph shows outside its page. The
// texts of the spacing, raise and running-title faults, and the inputs the
// pipeline fuzz targets found (tests/data/fuzz/pipeline_<edition>/).
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "foundation/params/Style.h"
#include "support/Editions.h"
#include "support/PipelineRun.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class WholePipeline : public EditionTest {
protected:
    QString FindingsFolder() const
    {
        const char* names[] = {"woodblock", "vertical", "horizontal"};
        return QStringLiteral(VELLUMOR_TEST_DATA "/fuzz/pipeline_") + QString::fromLatin1(names[int(GetParam())]);
    }
};

TEST_P(WholePipeline, TextsOfTheFaultsKeepTheirPagesCharactersAndGlyphs)
{
    const QString longLine = u"【ZJ-1】事二亍【-ZJ】"_s + QString(400, u'于');
    const QString longTitle = u"【BX】"_s + QString(300, u'龍') + u"\n正文"_s;
    const QString longBookTitle = u"【SM"_s + QString(200, u'書') + u"】\n正文正文"_s;
    const QString texts[] = {
        u"正文【ZJ25】甲【-ZJ】正文"_s,
        u"正文【ZJ22】甲【-ZJ】正文"_s,
        u"正文【ZJ1000】甲乙【-ZJ】正文"_s,
        longLine,
        u"【ZJ0】"_s + QString(300, u'海') + u"【-ZJ】"_s,
        u"【TT】"_s + QString(200, u'寒'),
        u"【-3BK】"_s + QString(200, u'金'),
        u"【-2-1BK】"_s + QString(200, u'玉'),
        longTitle,
        longBookTitle,
    };
    for (const QString& text : texts)
        for (const bool twoPage : {false, true}) {
            TParaSet set;
            const TPipelineRun run = RunPipeline(text, set, twoPage);
            EXPECT_EQ(PipelineFault(run).toStdString(), "") << text.left(40).toStdString() << " two-page " << twoPage;
            EXPECT_GT(run.pages, 0);
        }
}

// A damaged volume's lines may carry any offsets, spacings and lengths:
// their glyphs are set as far as a page side off the page, and the sheet's
// clip hides every one of them.
TEST_P(WholePipeline, LinesOfADamagedVolumeShowNothingOutsideTheSheet)
{
    const QString damages[] = {u"<P=2147483647>"_s, u"<M=-2147483648>"_s, u"<M=2147483647>"_s,
                               u"<T=2,0,2147483647>"_s, u"<T=2147483647,0,-2147483648>"_s};
    const auto damage = [&](TPageTable& table) {
        int32_t n = 0;
        for (TPageRec& page : table.pages)
            for (TPageLine& line : page.lines) {
                line.text.prepend(damages[n % std::size(damages)]);
                line.size = n++ % 3 == 0 ? INT32_MAX : line.size;
            }
    };
    for (const bool twoPage : {false, true}) {
        TParaSet set;
        const TPipelineRun run = RunPipeline(QString(600, u'天') + u"\n"_s + QString(600, u'地'), set, twoPage, damage);
        EXPECT_GT(run.glyphsSetOutside, 0) << "two-page " << twoPage;  // the damage did move glyphs off
        EXPECT_EQ(run.glyphsOutside, 0) << run.firstOutside.toStdString() << " two-page " << twoPage;
    }
}

// A spacing of no cells is one cell: a long run shares it, all on one line
// (one column), which is drawn glyph after glyph once, not from its start
// again for each glyph.
TEST_P(WholePipeline, LongRunInOneSpacedCellDrawsInLinearTime)
{
    const QString text = u"【ZJ0】"_s + QString(64'000, u'海') + u"【-ZJ】鱗潛羽翔"_s;
    TParaSet set;
    QElapsedTimer clock;
    clock.start();
    const TPipelineRun run = RunPipeline(text, set, false);
    // Taking each glyph from the line's start took 20 s and more here.
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(PipelineFault(run).toStdString(), "");
}

TEST_P(WholePipeline, FoundInputsKeepTheRules)
{
    const QDir folder(FindingsFolder());
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const std::optional<TPipelineRun> run = RunPipelineInput(file.readAll());
        if (run) {
            EXPECT_EQ(PipelineFault(*run).toStdString(), "") << name.toStdString();
        }
    }
}

VELLUMOR_ALL_EDITIONS(WholePipeline);

}  // namespace
