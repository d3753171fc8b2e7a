// A text of many thousand pages, zoomed to 400 %: going to its last page
// shows that page's text, though it lies more than 21.5 million pixels down
// (where positions in hundredths of a pixel no longer fit 32 bits).
#include <algorithm>

#include <QImage>
#include <QScrollBar>

#include "app/commands/CommandIds.h"
#include "app/view/CollatorView.h"
#include "platform/RecordingDc.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

class LongTextLastPage : public MainWindowFixture {};

TEST_F(LongTextLastPage, LastPageShowsItsText)
{
    // About 18,000 pages of short lines, 9,000 spreads.
    QString text = u"\uFEFF"_s;  // UTF-8 by its mark
    for (int i = 0; i < 180000; ++i)
        text += u"甲乙丙丁戊己庚\n"_s;
    window->resize(1400, 1600);  // tall enough to show the text box's top at 400 %
    chooser.ExpectOpen(WriteText(u"long.txt"_s, text));
    ASSERT_TRUE(window->Dispatch(Cmd::OpenText));
    window->SelectZoom(6);  // 400 %
    ASSERT_TRUE(window->Dispatch(Cmd::LastPage));

    CollatorView& view = window->View();
    const int last = GetShownPageCount() - 1;
    EXPECT_EQ(g_CurrentPage, last);
    const int64_t top = int64_t(last) * (view.Renderer().PagePitch() / 100);
    ASSERT_GT(top * 100, int64_t(INT32_MAX));  // beyond 32-bit hundredths
    EXPECT_EQ(view.verticalScrollBar()->value(), top);

    // The recorded drawing of the view puts the last page's characters in
    // the window.
    RecordingDc dc;
    dc.SetViewportOrg(QPoint(-view.horizontalScrollBar()->value(), -view.verticalScrollBar()->value()));
    DrawShownPages(view.Renderer(), dc, view.verticalScrollBar()->value());
    std::vector<DcCall> glyphs;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut))
        if (call.text.contains(u'甲') && call.args[1] >= 0 && call.args[1] + 60 < view.viewport()->height() && call.args[0] >= 0
            && call.args[0] + 60 < view.viewport()->width())
            glyphs.push_back(call);
    ASSERT_FALSE(glyphs.empty());

    // And on the screen: ink where that character is.
    const QImage image = view.viewport()->grab().toImage();
    int dark = 0;
    for (int y = glyphs.front().args[1]; y < glyphs.front().args[1] + 60; ++y)
        for (int x = glyphs.front().args[0]; x < std::min(image.width(), glyphs.front().args[0] + 60); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 20);
}

}  // namespace
