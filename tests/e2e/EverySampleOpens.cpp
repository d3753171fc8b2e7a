// Every sample text opens in every program: it is read, typeset to its end
// and its first page shown, with no message.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include "app/AppGlobals.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "typeset/TypesetGlobals.h"

namespace {

class EverySampleOpens : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
    }
};

}  // namespace

TEST_P(EverySampleOpens, InThisProgram)
{
    const QStringList samples = QDir(QStringLiteral(VELLUMOR_SAMPLES)).entryList({QStringLiteral("*.txt")});
    ASSERT_FALSE(samples.isEmpty());
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        // A fresh window each time: the text before asks no save question.
        TearDown();
        MainWindowFixture::SetUp();
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(window->OpenText(QStringLiteral(VELLUMOR_SAMPLES "/") + name));
        // A sample of a few pages typesets in well under a second; a
        // placement that does not move on never returns at all.
        EXPECT_LT(clock.elapsed(), 20000);
        EXPECT_GE(g_PageTable.pages.Size(), 1);
        EXPECT_TRUE(g_VolumeShown);
        EXPECT_EQ(g_CurrentPage, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, EverySampleOpens,
                         ::testing::Values(EditionKind::Woodblock, EditionKind::Vertical, EditionKind::Horizontal),
                         EditionName);
