// The find window: its buttons' states and what each reports.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/find/FindDialog.h"

using namespace Qt::StringLiterals;

TEST(FindDialog, ButtonsFollowTheFindTextAndTheMatch)
{
    CDlgFind find;
    find.Open();
    for (int id : {1014, 32858, 1011, 1012})
        EXPECT_FALSE(find.ButtonOf(id)->isEnabled()) << id;
    EXPECT_TRUE(find.ButtonOf(1042)->isEnabled());
    EXPECT_FALSE(find.ReplaceEdit().isEnabled());

    find.FindEdit().setText(u"天"_s);
    for (int id : {1014, 32858, 1011, 1012})
        EXPECT_TRUE(find.ButtonOf(id)->isEnabled()) << id;
    EXPECT_FALSE(find.ReplaceEdit().isEnabled()) << "until a search has found something";
    find.SetMatched(true);
    EXPECT_TRUE(find.ReplaceEdit().isEnabled());

    // Reopening keeps the texts and forgets the match.
    find.close();
    find.Open();
    EXPECT_EQ(find.FindText(), u"天"_s);
    EXPECT_FALSE(find.Matched());
    EXPECT_FALSE(find.ReplaceEdit().isEnabled());
}

TEST(FindDialog, ButtonsReportThemselvesAndCloseReportsCancel)
{
    CDlgFind find;
    find.Open();
    find.FindEdit().setText(u"天"_s);
    QSignalSpy posted(&find, &CDlgFind::FindCommand);
    QSignalSpy commands(&find, &CDlgFind::CommandRequested);
    for (int id : {1014, 1011, 1012, 1042, 32858})
        QTest::mouseClick(find.ButtonOf(id), Qt::LeftButton);
    QTest::qWait(1);
    ASSERT_EQ(posted.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(posted.at(i).at(0).toInt(), (std::array{1014, 1011, 1012, 1042})[size_t(i)]);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 32858);

    QTest::mouseClick(find.ButtonOf(2), Qt::LeftButton);
    EXPECT_FALSE(find.IsOpen());
    ASSERT_EQ(posted.count(), 5);
    EXPECT_EQ(posted.at(4).at(0).toInt(), 2);
}

TEST(FindDialog, ScopeIsKeptOnClick)
{
    CDlgFind find;
    find.Open();
    EXPECT_EQ(find.CurrentScope(), CDlgFind::ThisVolume);
    QTest::mouseClick(find.findChildren<QRadioButton*>().at(1), Qt::LeftButton);
    EXPECT_EQ(find.CurrentScope(), CDlgFind::AllVolumes);
}
