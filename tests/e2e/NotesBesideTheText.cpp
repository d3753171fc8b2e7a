// Side notes and head notes of a text opened in the main window with the
// default style: a 【CP…】 note stands beside its column in its own smaller
// font, never over a character of the text; 【MP…】 notes that the style
// has no head box for are reported, not dropped without a word.
#include <QStatusBar>

#include "app/view/CollatorView.h"
#include "platform/RecordingDc.h"
#include "render/pipeline/PagePipeline.h"
#include "support/MainWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {

using NotesBesideTheText = MainWindowFixture;

struct Drawn {
    QString text;
    WinRect box;
    int32_t height = 0;
};

// The cells of the glyphs drawn on the first page.
std::vector<Drawn> DrawnGlyphs(MainWindow& window)
{
    RecordingDc dc;
    RenderPage(window.View().Renderer(), dc, 0, QPoint());
    std::vector<Drawn> out;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
        dc.SelectFont(call.state.font);
        const QSize cell = dc.GetTextExtent(call.text);
        out.push_back({call.text, {call.args[0], call.args[1], call.args[0] + cell.width(), call.args[1] + cell.height()},
                       -call.state.font.height});
    }
    return out;
}

bool Overlap(const WinRect& a, const WinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(NotesBesideTheText, ASideNoteStandsBesideItsColumnInItsOwnFont)
{
    const QString note = u"側批文字在此"_s;
    ASSERT_TRUE(window->OpenText(WriteText(u"cp.txt"_s, u"\uFEFF韋編斷仍續，【CP1】"_s + note + u"【-CP】縹帙舒還卷\n"_s)));
    const std::vector<Drawn> drawn = DrawnGlyphs(*window);
    std::vector<Drawn> notes;
    std::vector<Drawn> text;
    for (const Drawn& d : drawn)
        (note.contains(d.text) ? notes : text).push_back(d);
    ASSERT_EQ(notes.size(), size_t(note.size()));
    ASSERT_FALSE(text.empty());
    for (const Drawn& n : notes) {
        EXPECT_LT(n.height, text.front().height) << n.text.toStdString();
        for (const Drawn& t : text)
            EXPECT_FALSE(Overlap(n.box, t.box)) << n.text.toStdString() << " over " << t.text.toStdString();
    }
}

TEST_F(NotesBesideTheText, HeadNotesWithoutAHeadBoxAreReported)
{
    prompter.ExpectTell(u"本文有眉批，但版式的頁眉框高度為0，眉批未排出。"_s);
    ASSERT_TRUE(window->OpenText(WriteText(u"mp.txt"_s, u"\uFEFF天地【MP】眉批在此【-MP】玄黃\n宇宙【MP】又一眉批【-MP】洪荒\n"_s)));
    // Two notes, one word; the scripted prompter fails on a second one.
}

}  // namespace
