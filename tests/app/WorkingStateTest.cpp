// The project reset leaves one default style, no cover, no pages, no names,
// and every pointer of the working state pointing at live records.
#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "app/state/WorkingState.h"
#include "app/view/CollatorView.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class WorkingState : public ::testing::Test {
protected:
    void TearDown() override
    {
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
    }
};

TEST_F(WorkingState, ResetLeavesNothingPointingIntoFreedBooks)
{
    CollatorView view;
    // An open book whose set is in use, with its style and cover current.
    TBook* book = view.Data.books.AddNew();
    TStyle* bookStyle = book->parameters.styles.AddNew();
    TCoverPara* bookCover = book->parameters.covers.AddNew();
    g_CurrentBook = book;
    g_CurrentParaSet = &book->parameters;
    g_CurrentStyle = bookStyle;
    g_CurrentCover = bookCover;
    g_ParaSet.covers.AddNew()->NAME = kCoverName;
    AppendPageRecord(g_PageTable);
    g_ProjectName = u"/tmp/x"_s;
    g_ProjectDirty = true;
    g_TextName = u"x"_s;
    g_FindText = u"甲"_s;
    g_FourInOneMode = 1;
    g_Current4in1Group = 2;
    g_VolumeShown = true;
    view.Data.volumeDataPath = u"/tmp/x.skk"_s;
    view.Data.generating = true;

    ResetProjectState(view);

    ASSERT_EQ(g_ParaSet.styles.Size(), 1);
    EXPECT_EQ(g_ParaSet.styles.First()->NAME, u"para0"_s);
    EXPECT_EQ(g_ParaSet.covers.Size(), 0);
    EXPECT_EQ(g_CurrentParaSet, &g_ParaSet);
    EXPECT_EQ(g_CurrentStyle, g_ParaSet.styles.First());
    EXPECT_EQ(g_CurrentCover, nullptr);
    EXPECT_EQ(g_CurrentBook, nullptr);
    EXPECT_EQ(view.Data.books.Size(), 0);
    EXPECT_EQ(g_PageTable.pages.Size(), 0);
    EXPECT_TRUE(g_ProjectName.isEmpty() && g_TextName.isEmpty() && g_FindText.isEmpty());
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_EQ(g_CurrentPage, -1);
    EXPECT_EQ(g_ShownTextPage, -1);
    EXPECT_EQ(g_ShownTextPage2, -1);
    EXPECT_EQ(g_FourInOneMode, 0);
    EXPECT_EQ(g_Current4in1Group, 0);
    EXPECT_FALSE(g_VolumeShown);
    EXPECT_FALSE(view.Data.generating);
    EXPECT_TRUE(view.Data.volumeDataPath.isEmpty());
}

TEST_F(WorkingState, InitialValuesAndAccessors)
{
    EXPECT_EQ(g_TwoPageMode, 1);
    EXPECT_EQ(g_CurrentVolume, -1);
    EXPECT_EQ(g_AppLook, 214);
    EXPECT_TRUE(g_LoadingText);
    EXPECT_EQ(g_PrintMargins.left, 200);
    EXPECT_EQ(g_PrintMargins.bottom, 200);
    EXPECT_EQ(g_PrintOrientation, 2);
    EXPECT_EQ(g_CurrentBookmark, -2);
    EXPECT_EQ(g_SearchMode, -1);

    PageRenderer renderer;
    g_ZoomIndex = 12;
    EXPECT_DOUBLE_EQ(GetZoomFactor(renderer), 1.0);
    g_ZoomIndex = 4;
    EXPECT_DOUBLE_EQ(GetZoomFactor(renderer), 2.0);
    TBook book;
    EXPECT_EQ(GetVolume(&book, 0), nullptr);
    EXPECT_EQ(GetVolume(nullptr, 0), nullptr);
    EXPECT_FALSE(GetProgramPath().isEmpty());
}

// The next zoom step: the nearest larger (smaller) entry, fitted ones
// included; the current index when there is none.
TEST(NextZoomIndex, Table)
{
    const std::vector<double> table = {0.25, 0.5, 0.75, 1, 2, 3, 4, 1.37, 0.9, 0.9};
    struct Case {
        int current;
        double zoom;
        bool larger;
        int expected;
    };
    const Case cases[] = {
        {3, 1.0, true, 7},   // 1 → the fit width 1.37
        {7, 1.37, true, 4},  // 1.37 → 2
        {6, 4.0, true, 6},   // the largest stays
        {3, 1.0, false, 8},  // 1 → the first 0.9
        {0, 0.25, false, 0},
        {4, 2.0, false, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextZoomIndex(table, c.current, c.zoom, c.larger), c.expected) << c.current << " " << c.larger;
    EXPECT_EQ(NextZoomIndex({}, 3, 1.0, true), 3);
}

}  // namespace
