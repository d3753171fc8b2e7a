// The program opens the sample text: it is read, typeset and its first
// spread shown with frame, centre column and text.
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <QScrollBar>

#include "app/AppGlobals.h"
#include "app/frame/MainWindow.h"
#include "app/view/CollatorView.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"

using namespace Qt::StringLiterals;

TEST(OpenSampleText, TypesetsAndShowsTheFirstSpread)
{
    ScriptedPrompter prompter;  // no message may come
    MainWindow window;
    window.resize(1400, 1000);
    window.show();
    ASSERT_TRUE(window.OpenText(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));

    EXPECT_EQ(g_TextName, u"論語"_s);  // the book title of its 【SM…】 line
    EXPECT_TRUE(g_ProjectDirty);       // no project file beside it
    EXPECT_FALSE(g_LoadingText);
    ASSERT_GE(g_PageTable.pages.Size(), 4);
    EXPECT_EQ(g_PageTable.pages.Size() % 2, 0);
    EXPECT_EQ(g_PageTable.pages.First()->volumeName, u"論語卷第一"_s);
    EXPECT_EQ(g_CurrentPage, 0);
    EXPECT_TRUE(window.windowTitle().startsWith(u"sample - "_s));

    // Ink inside the first column of the right-hand page.
    PageView& view = window.View();
    const QImage image = view.viewport()->grab().toImage();
    const PageRenderer& r = view.Renderer();
    int dark = 0;
    const int x = r.FrameRect.right / 100 - 30 - view.horizontalScrollBar()->value();
    for (int y = r.FrameRect.top / 100; y < std::min(image.height(), r.FrameRect.bottom / 100); ++y)
        dark += qGray(image.pixel(std::clamp(x, 0, image.width() - 1), y)) < 128;
    EXPECT_GT(dark, 20);
}
