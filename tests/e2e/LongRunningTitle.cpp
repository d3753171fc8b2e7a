// Each program's window on a text whose first line is a 【BX】 centre text
// of 60 characters, at 100 % and 400 %, in one page and in a two-page
// spread: on the recorded drawing with the installed faces, what shows of
// the title's ink (cut by the clip it was drawn under) lies on the page
// and over no other glyph: not over the centre column's leaf number, the
// side box's page number or the page bar's, nor the text.
#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QTest>

#include "app/view/CollatorView.h"
#include "platform/FontSubstitutions.h"
#include "platform/GdiFont.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"欽定四庫全書經部易類周易正義卷第一唐國子祭酒上護軍曲阜縣開國子臣孔穎達奉敕撰周易兼義上經乾傳第一魏王弼注"_s;
const QString kBody = u"乾元亨利貞初九潛龍勿用九二見龍在田利見大人"_s;

struct Shown {
    QString text;
    WinRect ink;  // what shows of it, device pixels
};

WinRect Intersect(const WinRect& a, const WinRect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool Overlap(const WinRect& a, const WinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The ink of every glyph drawn, with the installed faces' metrics, cut by
// its clip; what does not show is left out.
std::vector<Shown> ShownInk(const RecordingDc& dc)
{
    std::vector<Shown> out;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
        const GdiFont made = MakeGdiFont(call.state.font, true);
        const WinRect ink = InkBoxOf(made.font, QFontMetrics(made.font).ascent(), made.emboldenStroke, call.text);
        WinRect at{call.args[0] + ink.left, call.args[1] + ink.top, call.args[0] + ink.right, call.args[1] + ink.bottom};
        if (call.clip)
            at = Intersect(at, *call.clip);
        if (at.left < at.right && at.top < at.bottom)
            out.push_back({call.text, at});
    }
    return out;
}

bool InTitle(const QString& glyph) { return glyph.size() == 1 && kTitle.contains(glyph) && !kBody.contains(glyph); }

class LongRunningTitle : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
        InstallFontSubstitutions();
    }

    // Every shown unit at the zoom chosen in the combo; returns how many
    // glyphs of the title showed.
    int CheckEveryUnit(int zoom, const char* display)
    {
        window->ZoomCombo().setCurrentIndex(zoom);
        emit window->ZoomCombo().activated(zoom);
        EXPECT_EQ(g_ZoomIndex, zoom);
        PageRenderer& r = window->View().Renderer();
        int titleShown = 0;
        for (int32_t unit = 0; unit < GetShownPageCount(); ++unit) {
            RecordingDc dc;
            dc.UseInstalledFaces();
            dc.SetDevice(20000, 20000, 96);
            RenderPage(r, dc, unit, QPoint());
            const WinRect& e = r.ScaledExtent;
            const WinRect page{e.left / 100, e.top / 100, e.right / 100 + 1, e.bottom / 100 + 1};
            const std::vector<Shown> shown = ShownInk(dc);
            for (const Shown& t : shown) {
                if (!InTitle(t.text))
                    continue;
                ++titleShown;
                const std::string where = std::string(display) + " zoom index " + std::to_string(zoom) + " unit " +
                                          std::to_string(unit) + ": " + t.text.toStdString();
                EXPECT_TRUE(Intersect(t.ink, page) == t.ink) << where << " off the page";
                for (const Shown& other : shown)
                    if (!InTitle(other.text) && Overlap(t.ink, other.ink))
                        ADD_FAILURE() << where << " over " << other.text.toStdString();
            }
        }
        return titleShown;
    }
};

}  // namespace

TEST_P(LongRunningTitle, ShowsOnlyInItsBox)
{
    const QString text = u"【BX】"_s + kTitle.left(60) + u"\n"_s + kBody.repeated(60) + u"\n"_s;
    ASSERT_TRUE(window->OpenText(WriteText(u"long.txt"_s, text)));
    ASSERT_GE(g_PageTable.pages.Size(), 2);
    for (const int zoom : {3, 6}) {  // 100 % and 400 %
        EXPECT_GT(CheckEveryUnit(zoom, g_TwoPageMode ? "two pages" : "one page"), 0);
    }
    QTest::keyClick(window->View().viewport(), Qt::Key_D);
    for (const int zoom : {3, 6}) {
        EXPECT_GT(CheckEveryUnit(zoom, g_TwoPageMode ? "two pages" : "one page"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EachProgram, LongRunningTitle,
                         ::testing::Values(EditionKind::Woodblock, EditionKind::Vertical, EditionKind::Horizontal),
                         EditionName);
