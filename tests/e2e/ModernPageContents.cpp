// The windows of VellumorVert and VellumorHorz on a text with a quotation,
// book titles, notes (one split by 【|】), an indented paragraph, a picture
// that leaves two cells of its columns free, and a quotation carried over a
// column end before a note. On the recorded drawing, at 100 % and 400 %, in
// one page and in a two-page spread: every glyph of the text lies inside
// the text box, no mark's ink covers a character's, and the spread's two
// side boxes or header bands stay apart.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QTest>

#include "app/view/CollatorView.h"
#include "foundation/params/PunctuationMarks.h"
#include "foundation/params/Style.h"
#include "platform/FontSubstitutions.h"
#include "platform/GdiFont.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/PagePipeline.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

// The text's file name, which the side box and the page bar show as the
// running title, and the digits of their page numbers.
const QString kName = u"t"_s;
const QString kNumbers = u"〇一二三四五六七八九十0123456789"_s;

// Lines sized by the style's cells per column (or line): the picture
// leaves the last two cells of its columns to the text, and the long line
// ends its first column with 。 so that its 「 is carried to the next.
QString SampleText(int32_t cells)
{
    const QString quote = u"　　子曰：「學而時習之，不亦說乎？」《論語》〈學而〉首章。【ZW】包曰：時習【|】誦習以時也。【-ZW】\n"_s;
    const QString picture = u"【TP2*%1-0+無此圖】\n"_s.arg(cells - 2);
    const QString beside = u"子曰：「君子不重則不威，學則不固。」【ZW】孔曰：固，蔽也。【-ZW】\n"_s;
    const QString carried = u"　　"_s + QString(cells - 3, QChar(u'天')) + u"。「於乎不顯！【ZW】子曰【-ZW】文王之德\n"_s;
    return u"\uFEFF"_s + quote + picture + beside + carried + quote + picture + beside;
}

struct Inked {
    QString text;
    WinRect box;  // device pixels
};

bool Overlap(const WinRect& a, const WinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const WinRect& inner, const WinRect& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top
        && inner.bottom <= outer.bottom;
}

std::string Describe(const Inked& d)
{
    return d.text.toStdString() + " [" + std::to_string(d.box.left) + "," + std::to_string(d.box.top) + "," +
           std::to_string(d.box.right) + "," + std::to_string(d.box.bottom) + "]";
}

bool IsMark(const QString& text) { return text.size() == 1 && IsPunctMark(text[0].unicode()); }

// Ink of every glyph drawn, with the installed faces' metrics (empty ink,
// a space, is left out).
std::vector<Inked> InkOf(const RecordingDc& dc)
{
    std::vector<Inked> out;
    for (const DcCall& call : dc.CallsOf(DcCall::TextOut)) {
        if (call.text.trimmed().isEmpty() || call.text == u"\u3000")
            continue;
        const GdiFont made = MakeGdiFont(call.state.font, true);
        const WinRect ink = InkBoxOf(made.font, QFontMetrics(made.font).ascent(), made.emboldenStroke, call.text);
        if (ink.right <= ink.left || ink.bottom <= ink.top)
            continue;
        out.push_back({call.text, {call.args[0] + ink.left, call.args[1] + ink.top, call.args[0] + ink.right,
                                   call.args[1] + ink.bottom}});
    }
    return out;
}

class ModernPageContents : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
        InstallFontSubstitutions();
    }

    bool Vertical() const { return GetParam() == EditionKind::Vertical; }

    void OpenSample()
    {
        // The cells of the style a new text gets.
        TStyleList styles;
        EnsureOneStyle(styles, {});
        const int32_t cells = styles[0].TEXT_BOX.size.TEXT_PER_LINE;
        ASSERT_GE(cells, 8);
        ASSERT_TRUE(window->OpenText(WriteText(kName + u".txt"_s, SampleText(cells))));
        ASSERT_GE(g_PageTable.pages.Size(), 2);
    }

    // The text box and the side box (vertical) or header band (horizontal)
    // of a page drawn at origin, in device pixels.
    void Boxes(int32_t page, QPoint origin, WinRect& text, WinRect& band)
    {
        PageRenderer& r = window->View().Renderer();
        ASSERT_TRUE(r.SelectPageStyle(page, origin));
        r.ComputePageRects(page, origin, false);
        const WinRect f = r.FrameRect;
        const TStyle& s = r.ScaledStyle;
        WinRect t = f, b = f;
        if (Vertical()) {
            const int32_t side = s.SIDE_BOX.BOX_WIDTH;
            const bool even = PageRenderer::IsEvenPage(page);
            (even ? t.left : t.right) += even ? side : -side;
            b.left = even ? f.left : f.right - side;
            b.right = b.left + side;
        } else {
            t.top += s.PAGE_BAR.HEAD_HEIGHT;
            t.bottom -= s.PAGE_BAR.FOOT_HEIGHT;
            b.bottom = f.top + s.PAGE_BAR.HEAD_HEIGHT;
        }
        // One pixel of rounding either side.
        text = {t.left / 100 - 1, t.top / 100 - 1, t.right / 100 + 1, t.bottom / 100 + 1};
        band = {b.left / 100, b.top / 100, b.right / 100, b.bottom / 100};
    }

    // Every glyph of the text inside one of the text boxes; no mark over a
    // character. The running title and page numbers stand in their bands.
    // Returns how many glyphs of the text were drawn.
    int ExpectGlyphsInPlace(const RecordingDc& dc, const std::vector<WinRect>& textBoxes, const char* where)
    {
        const std::vector<Inked> drawn = InkOf(dc);
        int body = 0;
        for (const Inked& d : drawn) {
            if (d.text == kName || kNumbers.contains(d.text))
                continue;
            ++body;
            bool inside = false;
            for (const WinRect& box : textBoxes)
                inside = inside || Inside(d.box, box);
            EXPECT_TRUE(inside) << where << ": " << Describe(d) << " outside the text box "
                                << Describe({u""_s, textBoxes.front()});
        }
        for (const Inked& mark : drawn) {
            if (!IsMark(mark.text))
                continue;
            for (const Inked& c : drawn)
                if (!IsMark(c.text) && c.text != kName && Overlap(mark.box, c.box))
                    ADD_FAILURE() << where << ": " << Describe(mark) << " over " << Describe(c);
        }
        return body;
    }
};

}  // namespace

// The quotation carried over a column end stays with its note: the column
// that takes 「 goes on with the note and the text after it.
TEST_P(ModernPageContents, CarriedQuotationKeepsItsColumn)
{
    OpenSample();
    bool found = false;
    for (const TPageRec& page : g_PageTable.pages)
        for (const TPageLine& line : page.lines)
            if (line.text.contains(u"於乎不顯")) {
                found = true;
                EXPECT_TRUE(line.text.contains(u"子曰<-ZW>文王之德")) << line.text.toStdString();
            }
    EXPECT_TRUE(found);
}

TEST_P(ModernPageContents, GlyphsInTheTextBoxAtEachZoom)
{
    OpenSample();
    CollatorView& view = window->View();
    PageRenderer& r = view.Renderer();
    int body = 0;
    for (const int zoom : {3, 6}) {  // 100 % and 400 %, chosen in the zoom combo
        window->ZoomCombo().setCurrentIndex(zoom);
        emit window->ZoomCombo().activated(zoom);
        ASSERT_EQ(g_ZoomIndex, zoom);
        for (int32_t page = 0; page < g_PageTable.pages.Size(); ++page) {
            window->PageCombo().setCurrentIndex(page);
            emit window->PageCombo().activated(page);
            RecordingDc dc;
            dc.UseInstalledFaces();
            dc.SetDevice(20000, 20000, 96);
            RenderPage(r, dc, page, QPoint());
            WinRect text, band;
            Boxes(page, QPoint(), text, band);
            const std::string where = "page " + std::to_string(page) + " zoom index " + std::to_string(g_ZoomIndex);
            body += ExpectGlyphsInPlace(dc, {text}, where.c_str());
        }
    }
    EXPECT_GT(body, 2 * 150);
}

TEST_P(ModernPageContents, SpreadKeepsEachPageInItsBoxes)
{
    OpenSample();
    CollatorView& view = window->View();
    QTest::keyClick(view.viewport(), Qt::Key_D);
    ASSERT_EQ(g_TwoPageMode, 1);
    PageRenderer& r = view.Renderer();
    RecordingDc dc;
    dc.UseInstalledFaces();
    RenderPage(r, dc, 0, QPoint());
    const int32_t half = r.ScaledExtent.Width() / 2;
    const bool firstLeft = !Vertical();
    std::vector<WinRect> texts(2), bands(2);
    for (int32_t page : {0, 1}) {
        const bool left = (page == 0) == firstLeft;
        Boxes(page, QPoint(left ? 0 : half, 0), texts[size_t(page)], bands[size_t(page)]);
    }
    const WinRect& l = firstLeft ? bands[0] : bands[1];
    const WinRect& rt = firstLeft ? bands[1] : bands[0];
    EXPECT_LT(l.right, rt.left) << "the spread's two boxes overlap";
    EXPECT_FALSE(Overlap(texts[0], texts[1]));
    EXPECT_GT(ExpectGlyphsInPlace(dc, texts, "spread"), 150);
}

INSTANTIATE_TEST_SUITE_P(ModernPrograms, ModernPageContents,
                         ::testing::Values(EditionKind::Vertical, EditionKind::Horizontal), EditionName);
